// SPDX-License-Identifier: GPL-3.0-or-later
// Tidy Persian Text on a large document, against the landed Convert to Persian letters.
#include "benchutil.h"
#include "core/persiantidy.h"
#include "gui/mainwindow/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Presses Apply in the tidy dialog as soon as its changes are ready.
class ApplyWhenReady : public QObject
{
public:
    ApplyWhenReady()
    {
        connect(&m_poll, &QTimer::timeout, this, [] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            auto *buttons = dialog ? dialog->findChild<QDialogButtonBox *>() : nullptr;
            QPushButton *apply = buttons ? buttons->button(QDialogButtonBox::Apply) : nullptr;
            if (apply && apply->isEnabled())
                apply->click();
        });
        m_poll.start(1);
    }

private:
    QTimer m_poll;
};

void benchTidy(const QTemporaryDir &)
{
    const char *name = "tidy 10 MB of Persian text";
    if (!selected(name))
        return;
    const QString text = arabicKeyboardText(10 * 1024 * 1024);
    MainWindow window;
    window.resize(800, 600);
    window.show();
    QApplication::processEvents();
    auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    auto *toPersian = window.findChild<QAction *>(QStringLiteral("actionTo_Persian_Letters"));
    auto *tidy = window.findChild<QAction *>(QStringLiteral("actionTidy_Persian_Text"));
    const auto load = [&] {
        edit->setPlainText(text);
        QApplication::processEvents();
    };

    // Each round loads the text before each command, untimed, so both work on a document just
    // laid out from the start; the stall is the GUI thread's longest gap while tidying.
    std::vector<double> ours, baseline;
    double stall = 0;
    ApplyWhenReady applier;
    for (int i = 0; i < 3; ++i) {
        load();
        baseline.push_back(timeIt([&] {
            toPersian->trigger();
            QApplication::processEvents();
        }, 1));
        load();
        StallProbe probe;
        ours.push_back(timeIt([&] {
            tidy->trigger();
            QApplication::processEvents();
        }, 1));
        stall = std::max(stall, probe.longestMs());
    }
    if (edit->toPlainText() != tidyPersian(text, allTidyRules()).replace(QChar::ParagraphSeparator, QLatin1Char('\n')))
        std::printf("  MISMATCH: the tidied text differs\n");
    std::sort(ours.begin(), ours.end());
    std::sort(baseline.begin(), baseline.end());
    report(name, ours[1], baseline[1], stall);
}

static const BenchCases cases(60, benchTidy);

}
