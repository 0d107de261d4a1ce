// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar and the invisible characters: what they cost a typist, and counting a large
// document's words without holding the GUI thread.
#include "benchutil.h"
#include "core/textcounts.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/widgets/documentcounts.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextEdit>
#include <cstdio>
#include <utility>

namespace {

// Until the status bar's figures of the whole document are in.
void waitForCounts(MainWindow &window)
{
    auto *counts = window.findChild<DocumentCounts *>();
    QElapsedTimer timer;
    timer.start();
    while (counts && !counts->isReady() && timer.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

void setFeatures(MainWindow &window, bool on)
{
    auto *statusBar = window.findChild<QAction *>(QStringLiteral("actionStatus_Bar"));
    auto *invisibles = window.findChild<QAction *>(QStringLiteral("actionShow_Invisibles"));
    if (statusBar->isChecked() != on)
        statusBar->trigger();
    if (invisibles->isChecked() != on)
        invisibles->trigger();
    QApplication::processEvents();
    waitForCounts(window);
}

void benchTypingWithFeatures(const QTemporaryDir &)
{
    const QString last = QStringLiteral("\nسلام دنیا English text ۱۲۳ کتاب‌ها\u200f");
    const QString large = persianText(10 * 1024 * 1024) + last;
    for (int mode = 1; mode <= 3; ++mode) {
        const QByteArray off = "typing at the end of 10 MB, mode " + QByteArray::number(mode) + ", status bar and invisibles off";
        const QByteArray on = "typing at the end of 10 MB, mode " + QByteArray::number(mode) + ", status bar and invisibles on";
        if (!selected(off.constData()) && !selected(on.constData()))
            continue;
        double baseline = 0;
        {
            const auto window = typingWindow(false, mode, large);
            window->statusBar()->hide();
            baseline = perKey(window->findChild<QTextEdit *>(QStringLiteral("textEdit")), true);
        }
        double ours[2] = {0, 0};
        for (const bool features : {false, true}) {
            const auto window = typingWindow(true, mode, large);
            setFeatures(*window, features);
            ours[features] = perKey(window->findChild<QTextEdit *>(QStringLiteral("textEdit")), true);
        }
        report(off.constData(), ours[0], baseline);
        report(on.constData(), ours[1], baseline);
    }
}

// The status bar shown over a document of 100 MB: the figures arrive from a worker, and the GUI
// thread is held only for the copy of the text. The baseline counts on the GUI thread.
void benchCountingHundredMegabytes(const QTemporaryDir &)
{
    const char *name = "words of 100 MB counted for the status bar (baseline: counted on the GUI thread)";
    if (!selected(name))
        return;
    const QString text = persianText(100 * 1024 * 1024);
    MainWindow window;
    window.resize(900, 700);
    window.show();
    setFeatures(window, false);
    auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    edit->setPlainText(text);
    QApplication::processEvents();
    double ours = 0;
    double stall = 0;
    {
        StallProbe probe;
        QElapsedTimer timer;
        timer.start();
        window.findChild<QAction *>(QStringLiteral("actionStatus_Bar"))->trigger();
        waitForCounts(window);
        ours = timer.nsecsElapsed() / 1e6;
        stall = probe.longestMs();
    }
    TextCounts counted;
    const double baseline = timeIt([&] {
        counted = TextCounts();
        for (const TextCounts &paragraph : ParagraphCounts::countParagraphs(edit->document()->toRawText()))
            counted += paragraph;
    }, 1);
    auto *counts = window.findChild<DocumentCounts *>();
    if (counts->total().words != counted.words)
        std::printf("  MISMATCH: %d words against %d\n", counts->total().words, counted.words);
    report(name, ours, baseline, stall);

    // A paste too large to count on the GUI thread: its paragraphs alone go to a worker.
    const char *paste = "a paste of 300 KB into 100 MB with the status bar (baseline: without it)";
    if (!selected(paste))
        return;
    const QString pasted = persianText(300 * 1024);
    const auto pasteAtEnd = [&] {
        StallProbe probe;
        QElapsedTimer timer;
        timer.start();
        QTextCursor end(edit->document());
        end.movePosition(QTextCursor::End);
        end.insertText(pasted);
        QApplication::processEvents();
        waitForCounts(window);
        return std::make_pair(timer.nsecsElapsed() / 1e6, probe.longestMs());
    };
    const auto shown = pasteAtEnd();
    window.findChild<QAction *>(QStringLiteral("actionStatus_Bar"))->trigger();
    const auto hidden = pasteAtEnd();
    report(paste, shown.first, hidden.first, shown.second);
}

const BenchCases typing(60, benchTypingWithFeatures);
const BenchCases counting(61, benchCountingHundredMegabytes);

}
