// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mainwindow/mainwindow.h"
#include "testutil.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QPlainTextEdit>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>
#include <QAbstractTextDocumentLayout>
#include <QTextEdit>
#include <memory>
#include <sys/stat.h>

namespace {

const QString Persian = QStringLiteral("سلام دنيا، پرونده‌اي به زبان فارسي");

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    return writeFile(dir.filePath(name), bytes);
}

// Chooses the File menu's recent entry for this path.
void openRecent(MainWindow &w, const QString &path)
{
    for (QAction *a : w.findChild<QMenu *>(QStringLiteral("menuFile"))->actions())
        if (a->data().toString() == path && a->isVisible())
            a->trigger();
}

// The resident set size of this process, in kB, from /proc/self/status.
qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

QStringList storedRecent()
{
    QSettings settings(QStringLiteral("Merovane"), QStringLiteral("Tavlo"));
    return settings.value(QStringLiteral("recentFileList")).toStringList();
}

}

class tst_Open : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void loadsAndDecodes_data();
    void loadsAndDecodes();
    void refusesWithoutTouchingTheDocument_data();
    void refusesWithoutTouchingTheDocument();
    void cancellingTheEncodingDialogChangesNothing();
    void largeFileIsBuiltOffTheGuiThread();
    void largeFileTakesTheEditorsPlace_data();
    void largeFileTakesTheEditorsPlace();
    void longLinesAreOfferedABreak_data();
    void longLinesAreOfferedABreak();
    void reloadOfUntitledActsAsNew();
    void reloadOfModifiedDocumentAsks_data();
    void reloadOfModifiedDocumentAsks();
    void reloadDecidesTheEncodingAfresh();
    void commandLineOpensTheLastArgument();
    void titleRule_data();
    void titleRule();

    void recentListMenu();
    void nameWithControlsIsShownIsolated_data();
    void nameWithControlsIsShownIsolated();
    void recentEntryOfDeletedFileWarns();
    void recentEntryAsksWhenModifiedFlagIsSet();

private:
    QTemporaryDir m_dir;
};

void tst_Open::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
    QVERIFY(m_dir.isValid());
}

void tst_Open::init()
{
    clearSettings();
}

void tst_Open::loadsAndDecodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("mib");
    QTest::addColumn<bool>("byReturn"); // the encoding dialog's own choice, taken with Return
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("blocks");
    QTest::newRow("ascii") << QByteArray("plain ascii") << 0 << false << QStringLiteral("plain ascii") << 1;
    QTest::newRow("crlf is one line break") << QByteArray("one\r\ntwo\r\nthree") << 0 << false
                                            << QStringLiteral("one\ntwo\nthree") << 3;
    QTest::newRow("lone cr ends a line") << QByteArray("one\rtwo") << 0 << false << QStringLiteral("one\ntwo") << 2;
    QTest::newRow("windows-1256 persian") << QTextCodec::codecForMib(2256)->fromUnicode(Persian) << 2256 << false
                                          << Persian << 1;
    // One byte-order mark, as files have it: Qt's encoders would add one of their own.
    const auto marked = [](const char *codec) {
        QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
        const QString text = QStringLiteral("\uFEFF") + Persian;
        return QTextCodec::codecForName(codec)->fromUnicode(text.constData(), text.size(), &state);
    };
    QTest::newRow("utf-16 with bom") << marked("UTF-16LE") << 1015 << false << Persian << 1;
    // A byte-order mark decides which codec the dialog offers first.
    QTest::newRow("utf-16le with bom, return") << marked("UTF-16LE") << 1015 << true << Persian << 1;
    QTest::newRow("utf-16be with bom, return") << marked("UTF-16BE") << 1015 << true << Persian << 1;
    QTest::newRow("utf-32le with bom, return") << marked("UTF-32LE") << 1017 << true << Persian << 1;
}

void tst_Open::loadsAndDecodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, mib);
    QFETCH(bool, byReturn);
    QFETCH(QString, text);
    QFETCH(int, blocks);
    const QString path = writeFile(m_dir, QStringLiteral("load.txt"), bytes);

    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    editorOf(w)->setPlainText(QStringLiteral("previous"));
    ModalBot bot;
    QStringList offered;
    if (byReturn)
        bot.act([](QWidget *dialog) { QTest::keyClick(dialog->findChild<QListWidget *>(), Qt::Key_Return); });
    else if (mib)
        bot.act(chooseEncoding(mib, &offered));
    QVERIFY(w.loadFile(path));
    QCOMPARE(bot.seen.size(), mib ? 1 : 0);
    if (mib && !byReturn)
        QVERIFY(offered.contains(QString::number(mib)));
    QCOMPARE(editorOf(w)->toPlainText(), text);
    QCOMPARE(editorOf(w)->document()->blockCount(), blocks);
    QCOMPARE(w.sourceEncoding(), mib ? mib : 106);
    QCOMPARE(w.currentFile(), path);
    QCOMPARE(w.defaultPath(), path);
    QVERIFY(!w.isModified());
    QVERIFY(!editorOf(w)->document()->isUndoAvailable());
    QCOMPARE(w.windowTitle(), isolated(QStringLiteral("load.txt")) + QStringLiteral(" - Tavlo"));
    QCOMPARE(storedRecent().value(0), path);
}

void tst_Open::refusesWithoutTouchingTheDocument_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << "missing" << "File '%1' was not found.";
    QTest::newRow("folder") << "folder" << "Unable to open '%1'.";
    QTest::newRow("fifo") << "fifo" << "Unable to open '%1'.";
    QTest::newRow("device") << "device" << "Unable to open '%1'.";
    QTest::newRow("larger than Tavlo opens") << "huge" << "File '%1' is too large to open.\nTavlo opens files of up to 256 MB.";
    QTest::newRow("more lines than Tavlo opens") << "lines" << "File '%1' is too large to open.\nTavlo opens files of up to 10000000 lines.";
    QTest::newRow("markup in the name") << "markup" << "File '%1' was not found.";
}

void tst_Open::refusesWithoutTouchingTheDocument()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString good = writeFile(m_dir, QStringLiteral("good.txt"), "good text");
    QString path = unreadablePath(kind, m_dir.path());
    if (kind == QLatin1String("markup"))
        path = m_dir.filePath(QStringLiteral("<b>x</b>.txt"));
    QVERIFY(!path.isEmpty());

    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    QVERIFY(w.loadFile(good));
    const QStringList recentBefore = storedRecent();
    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    QVERIFY(!w.loadFile(path));
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("Open"));
    QCOMPARE(bot.seen.first().text, message.arg(isolated(path)));
    QCOMPARE(bot.seen.first().format, Qt::PlainText);
    QCOMPARE(editorOf(w)->toPlainText(), QStringLiteral("good text"));
    QCOMPARE(w.currentFile(), good);
    QCOMPARE(storedRecent(), recentBefore);
    QCOMPARE(w.windowTitle(), isolated(QStringLiteral("good.txt")) + QStringLiteral(" - Tavlo"));
}

void tst_Open::cancellingTheEncodingDialogChangesNothing()
{
    const QString good = writeFile(m_dir, QStringLiteral("first.txt"), "first");
    const QString legacy = writeFile(m_dir, QStringLiteral("legacy.txt"),
                                     QTextCodec::codecForMib(2256)->fromUnicode(Persian));
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    QVERIFY(w.loadFile(good));
    editorOf(w)->insertPlainText(QStringLiteral("edit "));
    ModalBot bot;
    bot.escape();
    QVERIFY(!w.loadFile(legacy));
    QCOMPARE(editorOf(w)->toPlainText(), QStringLiteral("edit first"));
    QCOMPARE(w.currentFile(), good);
    QVERIFY(w.isModified());
    QCOMPARE(w.windowTitle(), QStringLiteral("*") + isolated(QStringLiteral("first.txt")) + QStringLiteral(" - Tavlo"));
    QCOMPARE(storedRecent(), QStringList{good});
}

void tst_Open::largeFileIsBuiltOffTheGuiThread()
{
    // Over 20 MB the text is read and its document built on a worker, behind progress dialogs,
    // and the editor takes the document over.
    const QString line = QStringLiteral("سلام دنیا English ").repeated(100) + QLatin1Char('\n');
    const QByteArray bytes = line.toUtf8().repeated(21 * 1024 * 1024 / line.toUtf8().size() + 1);
    const QString path = writeFile(m_dir, QStringLiteral("large.txt"), bytes);
    MainWindow w;
    w.show();
    ModalBot bot;
    bot.act([](QWidget *) {});
    bot.act([](QWidget *) {});
    QVERIFY(w.loadFile(path));
    QTextEdit *edit = editorOf(w);
    QCOMPARE(edit->document()->characterCount(), QString::fromUtf8(bytes).size() + 1);
    QCOMPARE(w.windowTitle(), isolated(QStringLiteral("large.txt")) + QStringLiteral(" - Tavlo"));
    QVERIFY(!w.isModified());
    QVERIFY(!edit->document()->isUndoAvailable());
    QCOMPARE(edit->document()->documentLayout()->paintDevice(), edit->viewport());
    QVERIFY(!bot.sawUnexpected());
}

void tst_Open::largeFileTakesTheEditorsPlace_data()
{
    QTest::addColumn<bool>("highlighted"); // the find panel open, a match selected
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("opens");
    QTest::addColumn<int>("megabytes");
    QTest::newRow("over highlighted matches in the first document") << true << false << 1 << 25;
    QTest::newRow("over highlighted matches in a large document") << true << false << 2 << 25;
    QTest::newRow("undo and redo go off") << false << true << 1 << 21;
    QTest::newRow("four reopens keep the resident size") << false << false << 4 << 50;
}

void tst_Open::largeFileTakesTheEditorsPlace()
{
    QFETCH(bool, highlighted);
    QFETCH(bool, typed);
    QFETCH(int, opens);
    QFETCH(int, megabytes);
    const QByteArray line = QStringLiteral("سلام دنیا match ").repeated(100).toUtf8() + '\n';
    const QString path = writeFile(m_dir, QStringLiteral("large.txt"), line.repeated(megabytes * 1024 * 1024 / line.size() + 1));
    MainWindow w;
    w.show();
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(QStringLiteral("a match here"));
    if (typed) {
        // Something to undo and something to redo.
        edit->insertPlainText(QStringLiteral("typed "));
        edit->moveCursor(QTextCursor::Start);
        edit->insertPlainText(QStringLiteral("more "));
        edit->undo();
        QVERIFY(w.findChild<QAction *>(QStringLiteral("actionRedo"))->isEnabled());
    }
    if (highlighted) {
        w.findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
        w.findChild<QPlainTextEdit *>(QStringLiteral("plainFind"))->setPlainText(QStringLiteral("match"));
        w.findChild<QPushButton *>(QStringLiteral("pushNext"))->click();
        QVERIFY(!edit->extraSelections().isEmpty());
    }
    QList<qint64> resident;
    for (int i = 0; i < opens; ++i) {
        const QPointer<QTextDocument> before = edit->document();
        ModalBot bot;
        bot.act([](QWidget *) {});
        bot.act([](QWidget *) {});
        QVERIFY(w.loadFile(path));
        QVERIFY(!bot.sawUnexpected());
        QApplication::processEvents();
        // Nothing of the document before stays behind.
        QVERIFY(before.isNull());
        resident << residentKb();
        if (highlighted) {
            w.findChild<QPushButton *>(QStringLiteral("pushNext"))->click();
            QVERIFY(!edit->extraSelections().isEmpty());
        }
    }
    const auto *undo = w.findChild<QAction *>(QStringLiteral("actionUndo"));
    const auto *redo = w.findChild<QAction *>(QStringLiteral("actionRedo"));
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    // The sanitizers hold freed memory back for a while: the sizes say nothing there.
    resident.clear();
#endif
    if (opens > 2 && !resident.isEmpty())
        QVERIFY2(resident.last() <= resident.first() * 11 / 10,
                 qPrintable(QStringLiteral("resident: %1 kB, then %2 kB").arg(resident.first()).arg(resident.last())));
}

void tst_Open::longLinesAreOfferedABreak_data()
{
    QTest::addColumn<int>("lineLength");
    QTest::addColumn<int>("answer"); // 0: no question
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("broken");
    QTest::newRow("short lines, no question") << 20000 << 0 << true << false;
    QTest::newRow("long line, yes breaks it") << 30000 << int(QMessageBox::Yes) << true << true;
    QTest::newRow("long line, no keeps it") << 30000 << int(QMessageBox::No) << true << false;
    QTest::newRow("too long to keep, yes breaks it") << 4100000 << int(QMessageBox::Yes) << true << true;
    QTest::newRow("too long to keep, cancel opens nothing") << 4100000 << int(QMessageBox::Cancel) << false << false;
}

void tst_Open::longLinesAreOfferedABreak()
{
    QFETCH(int, lineLength);
    QFETCH(int, answer);
    QFETCH(bool, opened);
    QFETCH(bool, broken);
    QByteArray line = QByteArray("word ").repeated(lineLength / 5 + 1).left(lineLength);
    const QString path = writeFile(m_dir, QStringLiteral("long.txt"), "first\n" + line + "\nlast");
    MainWindow w;
    ModalBot bot;
    QList<QMessageBox::StandardButton> offered;
    if (answer)
        bot.act([&offered, answer](QWidget *box) {
            for (QAbstractButton *b : qobject_cast<QMessageBox *>(box)->buttons())
                offered << qobject_cast<QMessageBox *>(box)->standardButton(b);
            qobject_cast<QMessageBox *>(box)->button(QMessageBox::StandardButton(answer))->click();
        });
    QCOMPARE(w.loadFile(path), opened);
    QCOMPARE(bot.seen.size(), answer ? 1 : 0);
    // Past the hard limit only Yes and Cancel are offered.
    if (answer)
        QCOMPARE(offered.contains(QMessageBox::No), lineLength < 4000000);
    QCOMPARE(w.currentFile(), opened ? path : QString());
    if (!opened)
        return;
    const QString text = editorOf(w)->toPlainText();
    QCOMPARE(w.isModified(), broken);
    QCOMPARE(text.startsWith(QLatin1String("first\n")) && text.endsWith(QLatin1String("\nlast")), true);
    int longest = 0;
    for (const QString &l : text.split(QLatin1Char('\n')))
        longest = qMax(longest, l.size());
    if (broken)
        QVERIFY2(longest <= 20000 && longest > 19990, qPrintable(QString::number(longest)));
    else
        QCOMPARE(longest, lineLength);
}

void tst_Open::reloadOfUntitledActsAsNew()
{
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    editorOf(w)->insertPlainText(QStringLiteral("draft"));
    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    w.findChild<QAction *>(QStringLiteral("actionReload"))->trigger();
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("New"));
    QVERIFY(editorOf(w)->toPlainText().isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("Untitled - Tavlo"));
}

void tst_Open::reloadOfModifiedDocumentAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::newRow("cancel keeps the edits") << int(QMessageBox::Cancel) << QStringLiteral("edited on disk");
    QTest::newRow("ok reloads") << int(QMessageBox::Ok) << QStringLiteral("on disk");
}

void tst_Open::reloadOfModifiedDocumentAsks()
{
    QFETCH(int, answer);
    QFETCH(QString, text);
    const QString path = writeFile(m_dir, QStringLiteral("reload.txt"), "on disk");
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    QVERIFY(w.loadFile(path));
    editorOf(w)->insertPlainText(QStringLiteral("edited "));
    ModalBot bot;
    bot.answer(QMessageBox::StandardButton(answer));
    w.findChild<QAction *>(QStringLiteral("actionReload"))->trigger();
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("Reload"));
    QCOMPARE(editorOf(w)->toPlainText(), text);
}

void tst_Open::reloadDecidesTheEncodingAfresh()
{
    const QString path = writeFile(m_dir, QStringLiteral("again.txt"),
                                   QTextCodec::codecForMib(2256)->fromUnicode(Persian));
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    ModalBot bot;
    bot.act(chooseEncoding(2256));
    QVERIFY(w.loadFile(path));
    bot.act(chooseEncoding(2256));
    w.findChild<QAction *>(QStringLiteral("actionReload"))->trigger();
    QCOMPARE(bot.seen.size(), 2);
    QCOMPARE(bot.seen.at(1).className, QStringLiteral("OpenDialog"));
    QCOMPARE(editorOf(w)->toPlainText(), Persian);
}

void tst_Open::commandLineOpensTheLastArgument()
{
    const QString first = writeFile(m_dir, QStringLiteral("a.txt"), "first");
    const QString second = writeFile(m_dir, QStringLiteral("b.txt"), "second");
    MainWindow w;
    w.startUp({QStringLiteral("tavlo"), first, second});
    QCOMPARE(editorOf(w)->toPlainText(), QStringLiteral("second"));
    QCOMPARE(w.windowTitle(), isolated(QStringLiteral("b.txt")) + QStringLiteral(" - Tavlo"));
    QCOMPARE(storedRecent(), QStringList{second});
}

void tst_Open::titleRule_data()
{
    QTest::addColumn<bool>("fullAddress");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("title");
    QTest::newRow("name only") << false << false << isolated(QStringLiteral("notes.txt")) + QStringLiteral(" - Tavlo");
    QTest::newRow("name, modified") << false << true << QStringLiteral("*") + isolated(QStringLiteral("notes.txt")) + QStringLiteral(" - Tavlo");
    QTest::newRow("full path") << true << false << isolated(QStringLiteral("%1")) + QStringLiteral(" - Tavlo");
    QTest::newRow("full path, modified") << true << true << QStringLiteral("*") + isolated(QStringLiteral("%1")) + QStringLiteral(" - Tavlo");
}

void tst_Open::titleRule()
{
    QFETCH(bool, fullAddress);
    QFETCH(bool, typed);
    QFETCH(QString, title);
    const QString path = writeFile(m_dir, QStringLiteral("notes.txt"), "x");
    MainWindow w;
    w.startUp({QStringLiteral("tavlo"), path});
    QCOMPARE(w.windowTitle(), isolated(QStringLiteral("notes.txt")) + QStringLiteral(" - Tavlo"));
    if (typed)
        editorOf(w)->insertPlainText(QStringLiteral("y"));
    if (fullAddress)
        w.findChild<QAction *>(QStringLiteral("actionFull_Address"))->trigger();
    QCOMPARE(w.windowTitle(), title.arg(QDir::toNativeSeparators(path)));
}

void tst_Open::recentListMenu()
{
    MainWindow w;
    QMenu *menu = w.findChild<QMenu *>(QStringLiteral("menuFile"));
    auto visibleTexts = [menu] {
        QStringList texts;
        for (QAction *a : menu->actions())
            if (a->isVisible())
                texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return texts;
    };
    // Empty list: the form's separator stands directly above Exit.
    QCOMPARE(visibleTexts().mid(visibleTexts().size() - 2),
             (QStringList{QStringLiteral("-"), QStringLiteral("E&xit\tAlt+F4, Ctrl+W")}));

    for (int i = 1; i <= 10; ++i)
        w.pushRecentFile(QStringLiteral("/tmp/f%1.txt").arg(11 - i));
    const QStringList texts = visibleTexts();
    const int first = texts.indexOf(QStringLiteral("&1: ") + isolated(QStringLiteral("/tmp/f1.txt")));
    QVERIFY(first > 0);
    QCOMPARE(texts.at(first + 9), QStringLiteral("&10: ") + isolated(QStringLiteral("/tmp/f10.txt")));
    QCOMPARE(texts.at(first + 10), QStringLiteral("(&Clear Recent Files List)"));
    QCOMPARE(texts.at(first + 11), QStringLiteral("-"));

    // "&" in a path is shown, not taken for a shortcut mark.
    w.pushRecentFile(QStringLiteral("/tmp/x&y.txt"));
    QVERIFY(visibleTexts().contains(QStringLiteral("&1: ") + isolated(QStringLiteral("/tmp/x&&y.txt"))));

    // A window made later reads the stored list.
    {
        MainWindow again;
        QAction *first = nullptr;
        for (QAction *a : again.findChild<QMenu *>(QStringLiteral("menuFile"))->actions())
            if (a->isVisible() && a->data().isValid() && !first)
                first = a;
        QVERIFY(first);
        QCOMPARE(first->data().toString(), QStringLiteral("/tmp/x&y.txt"));
    }

    for (QAction *a : menu->actions())
        if (a->text() == QLatin1String("(&Clear Recent Files List)"))
            a->trigger();
    QVERIFY(storedRecent().isEmpty());
    QVERIFY(!visibleTexts().contains(QStringLiteral("(&Clear Recent Files List)")));
}

void tst_Open::nameWithControlsIsShownIsolated_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain name") << "notes.txt" << "\u2068notes.txt\u2069";
    QTest::newRow("right-to-left override") << "evil\u202Etxt.sh" << "\u2068evil[U+202E]txt.sh\u2069";
    QTest::newRow("line break") << "two\nlines.txt" << "\u2068two\u240Alines.txt\u2069";
    QTest::newRow("line separator") << "two\u2028lines.txt" << "\u2068two[U+2028]lines.txt\u2069";
    QTest::newRow("right-to-left mark kept inside the isolate") << "\u200Fname.txt" << "\u2068\u200Fname.txt\u2069";
}

void tst_Open::nameWithControlsIsShownIsolated()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    const QString path = writeFile(m_dir, name, "text");
    MainWindow w;
    QVERIFY(w.loadFile(path));
    QCOMPARE(w.windowTitle(), shown + QStringLiteral(" - Tavlo"));
    QVERIFY(QFile::remove(path));
    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    QVERIFY(!w.loadFile(path));
    // The message isolates the whole path, with the same symbols.
    const QString shownPath = QChar(0x2068) + m_dir.path() + QLatin1Char('/') + shown.mid(1);
    QCOMPARE(bot.seen.first().text, QStringLiteral("File '%1' was not found.").arg(shownPath));
}

void tst_Open::recentEntryOfDeletedFileWarns()
{
    const QString path = writeFile(m_dir, QStringLiteral("gone.txt"), "x");
    MainWindow w;
    QVERIFY(w.loadFile(path));
    w.findChild<QAction *>(QStringLiteral("actionNew"))->trigger();
    QVERIFY(QFile::remove(path));
    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    openRecent(w, path);
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().text, QStringLiteral("File '%1' was not found.").arg(isolated(path)));
    QCOMPARE(storedRecent(), QStringList{path});
}

void tst_Open::recentEntryAsksWhenModifiedFlagIsSet()
{
    const QString path = writeFile(m_dir, QStringLiteral("recent.txt"), "from disk");
    MainWindow w;
    w.pushRecentFile(path);
    editorOf(w)->insertPlainText(QStringLiteral("x"));
    editorOf(w)->clear();
    QVERIFY(w.isModified());
    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    openRecent(w, path);
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("Open"));
    QCOMPARE(editorOf(w)->toPlainText(), QStringLiteral("from disk"));
}

QTEST_MAIN(tst_Open)
#include "tst_open.moc"
