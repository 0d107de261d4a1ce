// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window stops answering during the heavy commands on a 100 MB document: each case
// runs under the stall probe and ends its line with the longest gap of the GUI thread. The
// document is a UTF-8 file of Persian prose opened as a user opens it (TAVLO_BENCH_STALL_MB sets
// another size); one document of this size costs over a gigabyte, so one window lives at a time.
#include "benchutil.h"
#include "core/documentfile.h"
#include "core/folding.h"
#include "core/linebreaker.h"
#include "core/scriptconversion.h"
#include "gui/editor/plaintextlayout.h"
#include "gui/mainwindow/mainwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cstdio>
#include <memory>

namespace {

int megabytes()
{
    return qEnvironmentVariableIsSet("TAVLO_BENCH_STALL_MB") ? qEnvironmentVariableIntValue("TAVLO_BENCH_STALL_MB") : 100;
}

QByteArray caseName(const char *format)
{
    return QString::fromUtf8(format).arg(megabytes()).toUtf8();
}

// Answers No to the offer to break a long line.
class KeepLongLines
{
public:
    KeepLongLines()
    {
        QObject::connect(&m_poll, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                if (QAbstractButton *no = box->button(QMessageBox::No))
                    no->click();
                else if (QAbstractButton *cancel = box->button(QMessageBox::Cancel))
                    cancel->click();
            }
        });
        m_poll.start(5);
    }

private:
    QTimer m_poll;
};

QTextEdit *editorOf(MainWindow &window)
{
    return window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
}

// Runs `work` under a fresh stall probe until the editor has painted what it did.
double probed(MainWindow &window, const std::function<void()> &work, double *stall)
{
    StallProbe probe;
    QElapsedTimer timer;
    timer.start();
    work();
    QApplication::processEvents();
    editorOf(window)->viewport()->repaint();
    const double ms = timer.nsecsElapsed() / 1e6;
    *stall = probe.longestMs();
    return ms;
}

std::unique_ptr<MainWindow> openWindow(const QString &path)
{
    auto window = std::make_unique<MainWindow>();
    window->resize(900, 700);
    window->show();
    QApplication::processEvents();
    window->loadFile(path);
    QApplication::processEvents();
    return window;
}

void writeText(const QString &path, const QString &text)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
}

QString readText(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

void key(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
{
    QTest::keyClick(widget, key, modifiers);
}

// Open, adopt, Select All, Copy, Save and Paste of the Persian prose file.
void benchPersian(const QTemporaryDir &dir)
{
    const QByteArray open = caseName("open %1 MB (baseline: read and decode)");
    const QByteArray adopt = caseName("adopt a built document of %1 MB (baseline: copy its text)");
    const QByteArray selectAll = caseName("Select All of %1 MB (baseline: Ctrl+End)");
    const QByteArray copy = caseName("Copy of %1 MB (baseline: copy its text)");
    const QByteArray save = caseName("Save of %1 MB (baseline: write its bytes)");
    const QByteArray paste = caseName("Paste of %1 MB into an empty document (baseline: insert into a document without a view)");
    bool any = false;
    for (const QByteArray *name : {&open, &adopt, &selectAll, &copy, &save, &paste})
        any = any || selected(name->constData());
    if (!any)
        return;
    const QString path = dir.filePath(QStringLiteral("stall.txt"));
    writePersianFile(path, megabytes() * 1024 * 1024);

    MainWindow window;
    window.resize(900, 700);
    window.show();
    QApplication::processEvents();
    QTextEdit *edit = editorOf(window);
    if (selected(open.constData())) {
        double stall = 0;
        const double ours = probed(window, [&] { window.loadFile(path); }, &stall);
        const double baseline = timeIt([&] { readText(path); }, 1);
        report(open.constData(), ours, baseline, stall);
    } else {
        window.loadFile(path);
        QApplication::processEvents();
    }

    if (selected(adopt.constData())) {
        // What the window does with a document built off the GUI thread: the lazy layout makes
        // its first estimates and the editor takes the document.
        QTextEdit other;
        other.resize(900, 700);
        other.show();
        QApplication::processEvents();
        auto *document = new QTextDocument;
        document->setUndoRedoEnabled(false);
        QTextCursor(document).insertText(edit->document()->toRawText());
        document->setUndoRedoEnabled(true);
        double stall = 0;
        StallProbe probe;
        QElapsedTimer timer;
        timer.start();
        document->setDefaultFont(other.document()->defaultFont());
        document->setPageSize(other.document()->pageSize());
        auto *layout = new PlainTextLayout(document);
        layout->setPaintDevice(other.viewport());
        document->setDocumentLayout(layout);
        document->setParent(&other);
        other.setDocument(document);
        QApplication::processEvents();
        other.viewport()->repaint();
        const double ours = timer.nsecsElapsed() / 1e6;
        stall = probe.longestMs();
        const double baseline = timeIt([&] { document->toRawText(); }, 1);
        report(adopt.constData(), ours, baseline, stall);
    }

    if (selected(selectAll.constData())) {
        double stall = 0;
        const double ours = probed(window, [&] { key(edit, Qt::Key_A); }, &stall);
        QTextCursor start(edit->document());
        edit->setTextCursor(start);
        QApplication::processEvents();
        const double baseline = timeIt([&] {
            key(edit, Qt::Key_End);
            QApplication::processEvents();
            edit->viewport()->repaint();
        }, 1);
        report(selectAll.constData(), ours, baseline, stall);
    }

    if (selected(copy.constData()) || selected(paste.constData())) {
        QTextCursor all(edit->document());
        all.select(QTextCursor::Document);
        edit->setTextCursor(all);
        QApplication::processEvents();
        double stall = 0;
        const double ours = probed(window, [&] { key(edit, Qt::Key_C); }, &stall);
        const double baseline = timeIt([&] { edit->toPlainText(); }, 1);
        if (QApplication::clipboard()->text().size() != edit->document()->characterCount() - 1)
            std::printf("  MISMATCH: the clipboard holds %d characters\n", QApplication::clipboard()->text().size());
        if (selected(copy.constData()))
            report(copy.constData(), ours, baseline, stall);
    }

    if (selected(save.constData())) {
        const QString text = edit->toPlainText();
        QTextCursor(edit->document()).insertText(QStringLiteral("x"));
        QApplication::processEvents();
        double stall = 0;
        const double ours = probed(window, [&] {
            window.findChild<QAction *>(QStringLiteral("actionSave"))->trigger();
        }, &stall);
        if (window.isModified())
            std::printf("  FAILED: the document is still modified\n");
        const QString other = dir.filePath(QStringLiteral("stall-baseline.txt"));
        const double baseline = timeIt([&] {
            QFile file(other);
            file.open(QIODevice::WriteOnly);
            file.write((QStringLiteral("x") + text).toUtf8());
        }, 1);
        QFile::remove(other);
        report(save.constData(), ours, baseline, stall);
    }

    if (selected(paste.constData())) {
        const QString text = QApplication::clipboard()->text();
        window.findChild<QAction *>(QStringLiteral("actionNew"))->trigger();
        QApplication::processEvents();
        double stall = 0;
        const double ours = probed(window, [&] { key(edit, Qt::Key_V); }, &stall);
        if (edit->document()->characterCount() - 1 != text.size())
            std::printf("  MISMATCH: the document holds %d characters\n", edit->document()->characterCount() - 1);
        window.resetDocument();
        QApplication::processEvents();
        const double baseline = timeIt([&] {
            QTextDocument document;
            QTextCursor(&document).insertText(text);
        }, 1);
        report(paste.constData(), ours, baseline, stall);
    }
    QFile::remove(path);
}

// Convert to Persian letters of text typed on an Arabic keyboard, its Undo and its Redo.
void benchConvert(const QTemporaryDir &dir)
{
    const QByteArray convert = caseName("Convert of %1 MB to Persian letters (baseline: convert the text alone)");
    const QByteArray undo = caseName("Undo of a Convert of %1 MB (baseline: convert the text alone)");
    const QByteArray redo = caseName("Redo of a Convert of %1 MB (baseline: convert the text alone)");
    if (!selected(convert.constData()) && !selected(undo.constData()) && !selected(redo.constData()))
        return;
    const QString path = dir.filePath(QStringLiteral("stall-arabic.txt"));
    {
        writePersianFile(path, megabytes() * 1024 * 1024);
        QString text = readText(path);
        text.replace(QChar(0x06CC), QChar(0x064A));
        text.replace(QChar(0x06A9), QChar(0x0643));
        writeText(path, text);
    }
    const auto window = openWindow(path);
    QTextEdit *edit = editorOf(*window);
    QString text = edit->toPlainText();
    const double baseline = timeIt([&] { convertScript(&text, 0, text.size(), ScriptConversion::PersianLetters); }, 1);
    text.clear();
    double stall = 0;
    const double ours = probed(*window, [&] {
        window->findChild<QAction *>(QStringLiteral("actionTo_Persian_Letters"))->trigger();
    }, &stall);
    report(convert.constData(), ours, baseline, stall);
    const double undone = probed(*window, [&] { key(edit, Qt::Key_Z); }, &stall);
    if (edit->document()->find(QString(QChar(0x064A))).isNull())
        std::printf("  MISMATCH: the Undo left no Arabic Yeh\n");
    report(undo.constData(), undone, baseline, stall);
    const double redone = probed(*window, [&] { key(edit, Qt::Key_Y); }, &stall);
    report(redo.constData(), redone, baseline, stall);
    QFile::remove(path);
}

// Prose with a word written over it at even steps, `count` times.
QString markedText(const QString &path, const QString &word, int count)
{
    writePersianFile(path, megabytes() * 1024 * 1024);
    QString text = readText(path);
    const qint64 step = text.size() / count;
    for (qint64 i = 0; i < count; ++i)
        text.replace(int(i * step + step / 2), word.size(), word);
    writeText(path, text);
    return text;
}

void benchReplaceAll(const QTemporaryDir &dir)
{
    const int matches = megabytes() * 10000;
    const QByteArray name = QStringLiteral("Replace All of %1 matches in %2 MB (baseline: replace in the text alone)")
                                .arg(matches).arg(megabytes()).toUtf8();
    if (!selected(name.constData()))
        return;
    const QString path = dir.filePath(QStringLiteral("stall-replace.txt"));
    QString text = markedText(path, QStringLiteral("tavlo"), matches);
    // Assembled in one pass: QString::replace moves the rest of the text once per thousand matches.
    const double baseline = timeIt([&] {
        QString result;
        result.reserve(text.size() + matches);
        int done = 0;
        for (int at = text.indexOf(QLatin1String("tavlo")); at >= 0; at = text.indexOf(QLatin1String("tavlo"), done)) {
            result.append(text.constData() + done, at - done);
            result.append(QLatin1String("TAVLO!"));
            done = at + 5;
        }
        result.append(text.constData() + done, text.size() - done);
    }, 1);
    text.clear();
    BoxCloser closer;
    const auto window = openWindow(path);
    window->findChild<QPlainTextEdit *>(QStringLiteral("plainFind"))->setPlainText(QStringLiteral("tavlo"));
    window->findChild<QPlainTextEdit *>(QStringLiteral("plainReplace"))->setPlainText(QStringLiteral("TAVLO!"));
    double stall = 0;
    const double ours = probed(*window, [&] {
        window->findChild<QPushButton *>(QStringLiteral("pushReplaceAll"))->click();
    }, &stall);
    if (editorOf(*window)->document()->find(QStringLiteral("TAVLO!"), 0, QTextDocument::FindCaseSensitively).isNull())
        std::printf("  MISMATCH: nothing was replaced\n");
    report(name.constData(), ours, baseline, stall);
    QFile::remove(path);
}

void benchCount(const QTemporaryDir &dir)
{
    const int matches = megabytes() * 100000;
    const QByteArray name = QStringLiteral("count %1 matches in %2 MB after a key in the find box (baseline: search the folded text)")
                                .arg(matches).arg(megabytes()).toUtf8();
    if (!selected(name.constData()))
        return;
    const QString path = dir.filePath(QStringLiteral("stall-count.txt"));
    const QString folded = foldText(markedText(path, QStringLiteral("q"), matches), false, false);
    int found = 0;
    const double baseline = timeIt([&] {
        found = 0;
        for (int at = folded.indexOf(QLatin1Char('q')); at >= 0; at = folded.indexOf(QLatin1Char('q'), at + 1))
            ++found;
    }, 1);
    const auto window = openWindow(path);
    window->findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
    QApplication::processEvents();
    auto *find = window->findChild<QPlainTextEdit *>(QStringLiteral("plainFind"));
    auto *label = window->findChild<QLabel *>(QStringLiteral("labelCount"));
    double stall = 0;
    const double ours = probed(*window, [&] {
        QTest::keyClick(find, Qt::Key_Q, Qt::NoModifier);
        // A count made elsewhere is shown once it is done.
        QElapsedTimer wait;
        wait.start();
        while (!label->text().contains(QLatin1Char('0')) && !label->text().contains(QChar(0x06F0)) && wait.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }, &stall);
    std::printf("  (%s; %d in the text)\n", qPrintable(label->text()), found);
    report(name.constData(), ours, baseline, stall);
    QFile::remove(path);
}

// One line of `length` characters of a kind of text: what a key costs in it depends on more
// than its length.
QString longLine(const QString &kind, int length)
{
    const QStringList persian = persianText(4000).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const QStringList latin = {QStringLiteral("quick"), QStringLiteral("brown"), QStringLiteral("fox"),
                               QStringLiteral("jumps"), QStringLiteral("over"), QStringLiteral("lazy"), QStringLiteral("dog")};
    QString line;
    line.reserve(length + 64);
    for (int i = 0; line.size() < length; ++i) {
        QString word;
        if (kind.startsWith(QLatin1String("Latin")))
            word = latin.at(i % latin.size());
        else if (kind.startsWith(QLatin1String("mixed")))
            word = i % 2 ? latin.at(i % latin.size()) : persian.at(i % persian.size());
        else
            word = persian.at(i % persian.size());
        if (kind.endsWith(QLatin1String("marks"))) {
            QString marked;
            for (const QChar c : qAsConst(word)) {
                marked += c;
                if (c.script() == QChar::Script_Arabic)
                    marked += QChar(0x064E + (i + marked.size()) % 3);
            }
            word = marked;
        }
        line += word;
        line += QLatin1Char(' ');
    }
    line.truncate(length);
    return line;
}

// What a key costs at the end of a long line, against the estimate by which a line is kept only
// broken: a ratio near 1 says the estimate holds for that kind of text and length.
void benchLongLines()
{
    for (const int length : {50000, 200000}) {
        for (const char *kind : {"Persian words", "Latin words", "mixed directions", "Persian with marks", "mixed directions with marks"}) {
            for (const int mode : {1, 2}) {
                const QByteArray name = QStringLiteral("a key in a line of %1 characters, %2, %3 (baseline: the estimate)")
                                            .arg(QLocale(QLocale::English).toString(length), QLatin1String(kind),
                                                 mode == 1 ? QLatin1String("wrapped") : QLatin1String("unwrapped"))
                                            .toUtf8();
                if (!selected(name.constData()))
                    continue;
                const QString line = longLine(QString::fromLatin1(kind), length);
                // The line is kept as it is when the offer to break it comes.
                KeepLongLines keep;
                const auto window = typingWindow(true, mode, line);
                const double ours = perKey(window->findChild<QTextEdit *>(QStringLiteral("textEdit")), true);
                report(name.constData(), ours, LineBreaker::keyCostMs(line, mode == 1));
            }
        }
    }
}

void benchStalls(const QTemporaryDir &dir)
{
    benchLongLines();
    benchPersian(dir);
    benchConvert(dir);
    benchReplaceAll(dir);
    benchCount(dir);
}

const BenchCases cases(70, benchStalls);

}
