// SPDX-License-Identifier: GPL-3.0-or-later
// Performance cases, each measured against its baseline in the same run. Run by hand:
//   QT_QPA_PLATFORM=offscreen ./build/bench/tavlo-bench [case-name-filter]
#include "benchutil.h"
#include "core/appinfo.h"
#include "core/folding.h"
#include "core/linebreaker.h"
#include "gui/mainwindow/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>

namespace {

void benchOpenUtf8(const QTemporaryDir &dir)
{
    const char *name = "open a 10 MB UTF-8 Persian file";
    if (!selected(name))
        return;
    const QString path = dir.filePath(QStringLiteral("persian.txt"));
    writePersianFile(path, 10 * 1024 * 1024);
    MainWindow window;
    window.show();
    QApplication::processEvents();
    auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    const double ours = timeIt([&] {
        window.loadFile(path);
        QApplication::processEvents();
    });
    const double floor = timeIt([&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        edit->setPlainText(QString::fromUtf8(bytes));
        QApplication::processEvents();
    });
    report(name, ours, floor);
}

// Opening a file of 100 MB (TAVLO_BENCH_HUGE_MB sets another size) until the first paint, then
// Ctrl+End and a letter typed there. The baseline opens the same text in QTextEdit's own layout;
// moving and typing are compared with the same in a document of 40 lines.
void benchOpenHuge(const QTemporaryDir &dir)
{
    const int megabytes = qEnvironmentVariableIsSet("TAVLO_BENCH_HUGE_MB") ? qEnvironmentVariableIntValue("TAVLO_BENCH_HUGE_MB") : 100;
    const QByteArray open = "open " + QByteArray::number(megabytes) + " MB";
    const QByteArray end = "Ctrl+End after opening " + QByteArray::number(megabytes) + " MB (baseline: 40 lines)";
    const QByteArray key = "a key at the end of " + QByteArray::number(megabytes) + " MB (baseline: 40 lines)";
    if (!selected(open.constData()) && !selected(end.constData()) && !selected(key.constData()))
        return;
    const QString path = dir.filePath(QStringLiteral("huge.txt"));
    writePersianFile(path, megabytes * 1024 * 1024);
    const QString small = dir.filePath(QStringLiteral("small.txt"));
    writePersianFile(small, 40 * 100);

    auto moveAndType = [](MainWindow &window, double *endMs, double *keyMs) {
        auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
        QElapsedTimer timer;
        timer.start();
        QKeyEvent ctrlEnd(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
        QApplication::sendEvent(edit, &ctrlEnd);
        QApplication::processEvents();
        edit->viewport()->repaint();
        *endMs = timer.nsecsElapsed() / 1e6;
        timer.restart();
        QKeyEvent letter(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x0633)));
        QApplication::sendEvent(edit, &letter);
        QApplication::processEvents();
        edit->viewport()->repaint();
        *keyMs = timer.nsecsElapsed() / 1e6;
    };
    double ours = 0, endOurs = 0, keyOurs = 0, endSmall = 0, keySmall = 0;
    {
        MainWindow window;
        window.resize(900, 700);
        window.show();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        window.loadFile(path);
        QApplication::processEvents();
        window.findChild<QTextEdit *>(QStringLiteral("textEdit"))->viewport()->repaint();
        ours = timer.nsecsElapsed() / 1e6;
        moveAndType(window, &endOurs, &keyOurs);
    }
    {
        MainWindow window;
        window.resize(900, 700);
        window.show();
        window.loadFile(small);
        QApplication::processEvents();
        moveAndType(window, &endSmall, &keySmall);
    }
    double baseline = 0;
    {
        QTextEdit stock;
        stock.resize(900, 700);
        stock.show();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        stock.setPlainText(QString::fromUtf8(file.readAll()));
        QApplication::processEvents();
        stock.viewport()->repaint();
        baseline = timer.nsecsElapsed() / 1e6;
    }
    report(open.constData(), ours, baseline);
    report(end.constData(), endOurs, endSmall);
    report(key.constData(), keyOurs, keySmall);
}

// The fourteen whole-string passes, in place in a buffer of the caller's like ours.
void foldByPassesInto(const QString &text, QString *out)
{
    out->resize(text.size());
    std::copy(text.constBegin(), text.constEnd(), out->begin());
    out->replace(QChar(0x2028), QChar(0x000A));
    out->replace(QChar(0x2029), QChar(0x000A));
    *out = std::move(*out).toLower();
    const ushort rules[][2] = {{0x064A, 0x06CC}, {0x0626, 0x06CC}, {0x0649, 0x06CC}, {0x0643, 0x06A9},
                               {0x0623, 0x0627}, {0x0625, 0x0627}, {0x0622, 0x0627}, {0x0671, 0x0627},
                               {0x0624, 0x0648}, {0x0621, 0x0627}, {0x0629, 0x0647}};
    for (const auto &rule : rules)
        out->replace(QChar(rule[0]), QChar(rule[1]));
}

void benchFolding()
{
    const char *name = "fold a 10 MB text";
    if (!selected(name))
        return;
    // Arabic Yeh, Kaf and Teh Marbuta, capitals and line separators, so every pass has work.
    QString text = persianText(10 * 1024 * 1024);
    for (int i = 0; i < text.size(); i += 97)
        text[i] = QChar(u"يكةۀAZ\u2029"[(i / 97) % 7]);
    // Both fold into buffers that already exist, as the find engine's cache does.
    QString onePass, passes;
    foldTextInto(text, &onePass, false, false);
    foldByPassesInto(text, &passes);
    const double ours = timeIt([&] { foldTextInto(text, &onePass, false, false); }, 5);
    const double baseline = timeIt([&] { foldByPassesInto(text, &passes); }, 5);
    if (onePass != passes || onePass != foldTextByPasses(text, false, false))
        std::printf("  MISMATCH: the folded texts differ\n");
    report(name, ours, baseline);
}

void benchFirstFind()
{
    const char *name = "first Find Next after an edit, 10 MB document (baseline: refold and search)";
    if (!selected(name))
        return;
    MainWindow window;
    window.show();
    auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    auto *find = window.findChild<QPlainTextEdit *>(QStringLiteral("plainFind"));
    edit->setPlainText(persianText(10 * 1024 * 1024) + QStringLiteral(" نشانه‌ی پایانی"));
    QApplication::processEvents();
    find->setPlainText(QStringLiteral("نشانه‌ی پایانی"));
    std::vector<double> times;
    for (int i = 0; i < 3; ++i) {
        QTextCursor start(edit->document());
        start.insertText(QStringLiteral("x"));
        edit->setTextCursor(start);
        QApplication::processEvents();
        times.push_back(timeIt([&] { window.findMatch(true, true, false); }, 1));
    }
    std::sort(times.begin(), times.end());
    const double ours = times[1];
    // The baseline takes the plain text, folds it the long way and searches it, without selecting.
    int found = -1;
    const double baseline = timeIt([&] {
        const QString folded = foldTextByPasses(edit->toPlainText(), false, false);
        found = folded.indexOf(foldTextByPasses(find->toPlainText(), false, false));
    });
    if (edit->textCursor().selectionStart() != found)
        std::printf("  MISMATCH: found at %d, expected %d\n", edit->textCursor().selectionStart(), found);
    report(name, ours, baseline);
}

void benchReplaceAll()
{
    const char *name = "Replace All, one letter by two in a 1.2 MB Persian document, shown editor";
    if (!selected(name))
        return;
    const QString text = persianText(1200 * 1000);
    const QString letter = QStringLiteral("پ");
    std::printf("  (%d replacements; the baseline is the loop of single Replace edits)\n", text.count(letter));
    std::fflush(stdout);
    BoxCloser closer;
    MainWindow window;
    window.resize(800, 600);
    window.show();
    auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    window.findChild<QPlainTextEdit *>(QStringLiteral("plainFind"))->setPlainText(letter);
    window.findChild<QPlainTextEdit *>(QStringLiteral("plainReplace"))->setPlainText(letter + letter);
    auto *replaceAll = window.findChild<QPushButton *>(QStringLiteral("pushReplaceAll"));

    // Loading the text is part of neither case: it is timed alone and taken off both.
    const double load = timeIt([&] {
        edit->setPlainText(text);
        QApplication::processEvents();
    }, 1);
    QString ourResult, loopResult;
    const double ours = timeIt([&] {
        edit->setPlainText(text);
        QApplication::processEvents();
        replaceAll->click();
        QApplication::processEvents();
        ourResult = edit->toPlainText();
    }, 1);
    const double baseline = timeIt([&] {
        edit->setPlainText(text);
        QApplication::processEvents();
        edit->setTextCursor(QTextCursor(edit->document()));
        while (window.replaceMatch(true, true)) {
        }
        QApplication::processEvents();
        loopResult = edit->toPlainText();
    }, 1);
    if (ourResult != loopResult)
        std::printf("  MISMATCH: the texts differ\n");
    report(name, ours - load, baseline - load);
}


void benchLongestLine()
{
    const char *name = "longest line of a 100 MB text (baseline: splitRef at LF)";
    if (!selected(name))
        return;
    const QString tenMegabytes = persianText(10 * 1024 * 1024);
    QString text;
    text.reserve(tenMegabytes.size() * 10);
    for (int i = 0; i < 10; ++i)
        text += tenMegabytes;
    int ours = 0, plain = 0;
    const double oursMs = timeIt([&] { ours = LineBreaker::longestLineLength(text); });
    const double baseline = timeIt([&] {
        plain = 0;
        for (const QStringRef &line : text.splitRef(QLatin1Char('\n')))
            plain = qMax(plain, line.size());
    });
    if (ours != plain)
        std::printf("  MISMATCH: %d against %d\n", ours, plain);
    report(name, oursMs, baseline);
}

void benchTyping()
{
    // Both end in the same short line, so the keys at the end differ only in what lies above.
    const QString last = QStringLiteral("\nسلام دنیا English text ۱۲۳");
    const QString large = persianText(10 * 1024 * 1024) + last;
    const QString small = persianText(40 * 100) + last;
    for (int mode = 1; mode <= 3; ++mode) {
        const QByteArray end = "typing at the end of 10 MB, mode " + QByteArray::number(mode);
        const QByteArray start = "typing at the start of 10 MB, mode " + QByteArray::number(mode);
        const QByteArray lines = "typing at the end of 40 lines, mode " + QByteArray::number(mode);
        if (selected(end.constData()) || selected(start.constData())) {
            double ours[2] = {0, 0};
            double baseline[2] = {0, 0};
            for (const bool lazy : {true, false}) {
                const auto window = typingWindow(lazy, mode, large);
                auto *edit = window->findChild<QTextEdit *>(QStringLiteral("textEdit"));
                (lazy ? ours : baseline)[0] = perKey(edit, true);
                (lazy ? ours : baseline)[1] = perKey(edit, false);
            }
            report(end.constData(), ours[0], baseline[0]);
            report(start.constData(), ours[1], baseline[1]);
        }
        if (selected(lines.constData())) {
            double ours = 0, baseline = 0;
            for (const bool lazy : {true, false}) {
                const auto window = typingWindow(lazy, mode, small);
                (lazy ? ours : baseline) = perKey(window->findChild<QTextEdit *>(QStringLiteral("textEdit")), true);
            }
            report(lines.constData(), ours, baseline);
        }
    }
}

void benchConvert()
{
    const char *name = "convert a 10 MB document to Persian letters, shown editor";
    if (!selected(name))
        return;
    const QString text = arabicKeyboardText(10 * 1024 * 1024);
    MainWindow window;
    window.resize(800, 600);
    window.show();
    QApplication::processEvents();
    auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    auto *toPersian = window.findChild<QAction *>(QStringLiteral("actionTo_Persian_Letters"));
    // Each round loads the text again (the baseline) and converts it (ours), so both work on
    // a document that was just laid out from the start.
    std::vector<double> ours, baseline;
    for (int i = 0; i < 3; ++i) {
        baseline.push_back(timeIt([&] {
            edit->setPlainText(text);
            QApplication::processEvents();
        }, 1));
        ours.push_back(timeIt([&] {
            toPersian->trigger();
            QApplication::processEvents();
        }, 1));
    }
    QString expected = text;
    expected.replace(QChar(0x064A), QChar(0x06CC));
    expected.replace(QChar(0x0643), QChar(0x06A9));
    if (edit->toPlainText() != expected)
        std::printf("  MISMATCH: the converted text differs\n");
    std::sort(ours.begin(), ours.end());
    std::sort(baseline.begin(), baseline.end());
    report(name, ours[1], baseline[1]);
}

void benchCount()
{
    const char *name = "count and highlight 100,000 matches in a 10 MB document after a keystroke in the find box";
    if (!selected(name))
        return;
    // "tavlo" written over the prose every 100 characters, nowhere else.
    QString text = persianText(10 * 1000 * 1000);
    for (int at = 50; at + 5 <= text.size(); at += 100)
        text.replace(at, 5, QStringLiteral("tavlo"));
    MainWindow window;
    window.resize(800, 600);
    window.show();
    auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    auto *find = window.findChild<QPlainTextEdit *>(QStringLiteral("plainFind"));
    auto *label = window.findChild<QLabel *>(QStringLiteral("labelCount"));
    edit->setPlainText(text);
    QApplication::processEvents();
    window.findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
    QApplication::processEvents();
    // The first count folds the document; the keystrokes after it find the folded copy ready.
    find->setPlainText(QStringLiteral("Tavl"));
    find->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        // The key, the count, the highlights and the editor painted with them; not the rest
        // of the event loop, where the editor goes on laying out the freshly loaded document.
        times.push_back(timeIt([&] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_O, Qt::NoModifier, QStringLiteral("o"));
            QApplication::sendEvent(find, &press);
            edit->viewport()->repaint();
        }, 1));
        QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(find, &back);
        QApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    const QString expectedLabel = QStringLiteral("%1 matches").arg(text.count(QStringLiteral("tavlo")));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_O, Qt::NoModifier, QStringLiteral("o"));
    QApplication::sendEvent(find, &press);
    if (label->text() != expectedLabel)
        std::printf("  MISMATCH: the label reads \"%s\", expected \"%s\"\n", qPrintable(label->text()),
                    qPrintable(expectedLabel));
    const int highlighted = edit->extraSelections().size();
    std::printf("  (%s, %d highlighted near the view)\n", qPrintable(label->text()), highlighted);

    const QString folded = foldText(edit->toPlainText(), false, false);
    const QString needle = foldText(QStringLiteral("Tavlo"), false, false);
    int count = 0;
    const double baseline = timeIt([&] {
        count = 0;
        for (int at = folded.indexOf(needle); at >= 0; at = folded.indexOf(needle, at + 1))
            ++count;
    }, 5);
    report(name, times[2], baseline);
}

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    QStringList filter;
    for (int i = 1; i < argc; ++i)
        filter << QString::fromLocal8Bit(argv[i]);
    setCaseFilter(filter);

    // Never the user's own settings or recovery journals, never the network.
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
    AppInfo::setUpdateEndpointForTesting(QStringLiteral("https://127.0.0.1:9/tavlo/getLastStable.php"));

    benchOpenUtf8(dir);
    benchOpenHuge(dir);
    benchFolding();
    benchFirstFind();
    benchReplaceAll();
    benchLongestLine();
    benchTyping();
    benchConvert();
    benchCount();
    runRegisteredCases(dir);
    return 0;
}
