// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/safesave.h"
#include "gui/mainwindow/mainwindow.h"
#include "testutil.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>
#include <QTextEdit>
#include <fcntl.h>
#include <sys/stat.h>
#include <utime.h>

namespace {

const QString Persian = QStringLiteral("سلام دنيا، پرونده‌اي به زبان فارسي");

void trigger(MainWindow &w, const char *action)
{
    w.findChild<QAction *>(QString::fromLatin1(action))->trigger();
}

void activate(MainWindow &w)
{
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activation);
}

// Moves the file's modification time, as another program's write would.
void touch(const QString &path, int secondsAhead)
{
    struct utimbuf times;
    times.actime = times.modtime = time(nullptr) + secondsAhead;
    QCOMPARE(utime(QFile::encodeName(path).constData(), &times), 0);
}

ModalBot::Action saveDialogPicks(const QString &name)
{
    return [name](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        QVERIFY(dialog);
        // selectFile() leaves a focused name box alone, so type into it instead.
        auto *nameBox = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(nameBox);
        nameBox->setText(name);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

}

class tst_Save : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void roundTrips_data();
    void roundTrips();
    void largeDocumentIsWrittenInTheBackground();
    void decliningTheEncodingWarningKeepsTheFile();
    void saveAsShowsTheDialogBeforeTheWarning();
    void untitledSaveOpensSaveAs();
    void saveAsAppendsTheSuffix();
    void saveAsksBeforeOverwritingAChange_data();
    void saveAsksBeforeOverwritingAChange();
    void failedSaveWarnsAndStaysModified_data();
    void failedSaveWarnsAndStaysModified();

    void externalChange_data();
    void externalChange();
    void changeIsReportedOnce();
    void activationAsksNothing_data();
    void activationAsksNothing();
    void deletedFileKeptThenSavedRecreatesIt();
    void yesToAReloadThatFailsMarksModified();
    void nameNotValidUtf8IsRefused_data();
    void nameNotValidUtf8IsRefused();

private:
    QTemporaryDir m_dir;
};

void tst_Save::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
}

void tst_Save::init()
{
    clearSettings();
}

void tst_Save::roundTrips_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<int>("mib");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("windows-1256 becomes utf-8") << QTextCodec::codecForMib(2256)->fromUnicode(Persian) << 2256
                                                << Persian.toUtf8();
    QTest::newRow("crlf becomes lf") << QByteArray("a\r\nb\r\n") << 0 << QByteArray("a\nb\n");
    QTest::newRow("bom dropped") << QByteArray("\xEF\xBB\xBF" "abc") << 0 << QByteArray("abc");
    QTest::newRow("no-break space and line separator kept") << QByteArray("a\xC2\xA0z\xE2\x80\xA8w") << 0
                                                            << QByteArray("a\xC2\xA0z\xE2\x80\xA8w");
    QTest::newRow("zwnj and marks kept") << QStringLiteral("\u200Fa\u200Cb\u200E").toUtf8() << 0
                                         << QStringLiteral("\u200Fa\u200Cb\u200E").toUtf8();
    QTest::newRow("no newline added") << QByteArray("last line") << 0 << QByteArray("last line");
    QTest::newRow("empty stays empty") << QByteArray() << 0 << QByteArray();
}

void tst_Save::roundTrips()
{
    QFETCH(QByteArray, original);
    QFETCH(int, mib);
    QFETCH(QByteArray, saved);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("trip.txt")), original);
    MainWindow w;
    ModalBot bot;
    if (mib)
        bot.act(chooseEncoding(mib));
    QVERIFY(w.loadFile(path));
    if (mib)
        bot.answer(QMessageBox::Yes);
    QVERIFY(w.findChild<QAction *>(QStringLiteral("actionSave")) != nullptr);
    trigger(w, "actionSave");
    QCOMPARE(readFile(path), saved);
    QCOMPARE(w.sourceEncoding(), 106);
    QVERIFY(!w.isModified());
    if (mib) {
        QCOMPARE(bot.seen.size(), 2);
        QCOMPARE(bot.seen.at(1).title, QStringLiteral("Save"));
        QCOMPARE(bot.seen.at(1).text, QStringLiteral("You are trying to save a file in UTF-8 which its previous encoding was 'windows-1256'.<br><br>Proceed?"));
    }
    // A second save never asks.
    trigger(w, "actionSave");
    QCOMPARE(bot.seen.size(), mib ? 2 : 0);
    QVERIFY(!bot.sawUnexpected());
}

void tst_Save::largeDocumentIsWrittenInTheBackground()
{
    // Over 20 MB the text is taken in slices and written off the GUI thread, byte for byte,
    // surrogate pairs at the slices' edges included.
    const QByteArray line = QByteArray("a") + QStringLiteral("\U0001F600").toUtf8().repeated(50) + '\n';
    const QByteArray original = line.repeated(21 * 1024 * 1024 / line.size() + 1);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("large.txt")), original);
    MainWindow w;
    w.show();
    QVERIFY(w.loadFile(path));
    QFile::remove(path);
    ModalBot bot;
    trigger(w, "actionSave");
    QCOMPARE(readFile(path), original);
    QVERIFY(!w.isModified());
    QVERIFY(!editorOf(w)->isReadOnly());
    QVERIFY(!bot.sawUnexpected());
}

void tst_Save::decliningTheEncodingWarningKeepsTheFile()
{
    const QByteArray original = QTextCodec::codecForMib(2256)->fromUnicode(Persian);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("legacy.txt")), original);
    MainWindow w;
    ModalBot bot;
    bot.act(chooseEncoding(2256));
    QVERIFY(w.loadFile(path));
    editorOf(w)->insertPlainText(QStringLiteral("x"));
    bot.answer(QMessageBox::No);
    trigger(w, "actionSave");
    QCOMPARE(readFile(path), original);
    QVERIFY(w.isModified());
    QCOMPARE(w.sourceEncoding(), 2256);
    bot.answer(QMessageBox::No);
    trigger(w, "actionSave");
    QCOMPARE(bot.seen.size(), 3);
    QCOMPARE(bot.seen.at(2).title, QStringLiteral("Save"));
}

void tst_Save::saveAsShowsTheDialogBeforeTheWarning()
{
    const QString path = writeFile(m_dir.filePath(QStringLiteral("legacy2.txt")),
                                   QTextCodec::codecForMib(2256)->fromUnicode(Persian));
    MainWindow w;
    ModalBot bot;
    bot.act(chooseEncoding(2256));
    QVERIFY(w.loadFile(path));
    bot.act(saveDialogPicks(m_dir.filePath(QStringLiteral("copy.txt"))));
    bot.answer(QMessageBox::No);
    trigger(w, "actionSave_As");
    QCOMPARE(bot.seen.size(), 3);
    QVERIFY(bot.seen.at(1).className.contains(QLatin1String("QFileDialog")));
    QCOMPARE(bot.seen.at(2).title, QStringLiteral("Save"));
    QCOMPARE(w.currentFile(), path);
    QCOMPARE(w.windowTitle(), isolated(QStringLiteral("legacy2.txt")) + QStringLiteral(" - Tavlo"));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("copy.txt"))));
}

void tst_Save::untitledSaveOpensSaveAs()
{
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    editorOf(w)->insertPlainText(QStringLiteral("draft"));
    ModalBot bot;
    bot.act([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
    trigger(w, "actionSave");
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("Save"));
    QVERIFY(w.currentFile().isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("*Untitled - Tavlo"));
}

void tst_Save::saveAsAppendsTheSuffix()
{
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    editorOf(w)->insertPlainText(Persian);
    ModalBot bot;
    bot.act(saveDialogPicks(m_dir.filePath(QStringLiteral("named"))));
    trigger(w, "actionSave_As");
    const QString saved = m_dir.filePath(QStringLiteral("named.txt"));
    QCOMPARE(readFile(saved), Persian.toUtf8());
    QCOMPARE(w.currentFile(), saved);
    QCOMPARE(w.windowTitle(), isolated(QStringLiteral("named.txt")) + QStringLiteral(" - Tavlo"));
    QCOMPARE(w.defaultPath(), saved);
    QSettings settings(QStringLiteral("Merovane"), QStringLiteral("Tavlo"));
    QCOMPARE(settings.value(QStringLiteral("recentFileList")).toStringList().value(0), saved);
}

void tst_Save::saveAsksBeforeOverwritingAChange_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("onDisk");
    QTest::newRow("yes writes") << "yes" << QByteArray("mine first");
    QTest::newRow("no keeps the other program's bytes") << "no" << QByteArray("X");
    QTest::newRow("escape keeps them too") << "escape" << QByteArray("X");
}

void tst_Save::saveAsksBeforeOverwritingAChange()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, onDisk);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("shared.txt")), "first");
    MainWindow w;
    QVERIFY(w.loadFile(path));
    editorOf(w)->insertPlainText(QStringLiteral("mine "));
    // Another program writes while the window stays active: no activation tells of it.
    writeFile(path, "X");
    ModalBot bot;
    if (answer == QLatin1String("escape"))
        bot.escape();
    else
        bot.answer(answer == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No);
    trigger(w, "actionSave");
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("Save"));
    QVERIFY(bot.seen.first().text.contains(path));
    QCOMPARE(readFile(path), onDisk);
    QCOMPARE(w.isModified(), answer != QLatin1String("yes"));
}

void tst_Save::failedSaveWarnsAndStaysModified_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("documentSize");
    QTest::newRow("folder removed") << "nofolder" << 2000;
    QTest::newRow("fifo in place of the file") << "fifo" << 2000;
    QTest::newRow("folder removed, a large document written in the background") << "nofolder" << 11 * 1024 * 1024;
    // Written in place (a second name); the message names the folder, not the file.
    QTest::newRow("no folder for kept copies") << "nocopyfolder" << 2000;
}

void tst_Save::failedSaveWarnsAndStaysModified()
{
    QFETCH(QString, kind);
    QFETCH(int, documentSize);
    const QByteArray old("the old bytes\n");
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = writeFile(folder + QStringLiteral("/doc.txt"), old);
    if (kind == QLatin1String("nocopyfolder"))
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(folder + QStringLiteral("/second.txt")).constData()), 0);

    MainWindow w;
    QVERIFY(w.loadFile(path));
    QString text;
    while (text.size() < documentSize)
        text += Persian + QLatin1Char('\n');
    editorOf(w)->setPlainText(text.left(documentSize));

    const CacheHome cache(dir.filePath(QStringLiteral("cache")));
    if (kind == QLatin1String("nofolder")) {
        QVERIFY(QDir(folder).removeRecursively());
    } else if (kind == QLatin1String("fifo")) {
        QVERIFY(QFile::remove(path));
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("nocopyfolder")) {
        QVERIFY(QDir().mkpath(QFileInfo(SafeSave::keptCopiesFolder()).path()));
        writeFile(SafeSave::keptCopiesFolder(), "a file where the folder would go");
    }
    const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);

    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    trigger(w, "actionSave");
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("Save"));
    QVERIFY2(bot.seen.first().text.startsWith(QStringLiteral("Unable to save '%1'.").arg(isolated(path))),
             qPrintable(bot.seen.first().text));
    if (kind == QLatin1String("nocopyfolder"))
        QVERIFY2(bot.seen.first().text.contains(SafeSave::keptCopiesFolder()), qPrintable(bot.seen.first().text));
    QVERIFY(w.isModified());
    QVERIFY(w.windowTitle().startsWith(QLatin1Char('*')));
    QVERIFY(!editorOf(w)->isReadOnly());
    // No temporary file is left behind.
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System), before);
}

void tst_Save::externalChange_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("change"); // "rewritten", "deleted" or "same second"
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("modifiedAfter");
    QTest::addColumn<bool>("open");
    const QString changed = QStringLiteral("Current file was changed by another program.\nDo you want to reload it?");
    const QString changedEdited = QStringLiteral("Current file was changed by another program.\n\nDo you want to reload it and lose the changes made in Tavlo?");
    const QString gone = QStringLiteral("Current file doesn't exist anymore.\n\nDo you want to keep Tavlo open?");
    QTest::newRow("changed, yes reloads") << false << "rewritten" << "yes" << "Reload" << changed << false << true;
    QTest::newRow("changed, no marks modified") << false << "rewritten" << "no" << "Reload" << changed << true << true;
    QTest::newRow("changed with edits, yes reloads") << true << "rewritten" << "yes" << "Reload" << changedEdited << false << true;
    QTest::newRow("changed with edits, no keeps them") << true << "rewritten" << "no" << "Reload" << changedEdited << true << true;
    QTest::newRow("deleted, yes keeps") << false << "deleted" << "yes" << "Keep current file" << gone << true << true;
    QTest::newRow("deleted, no closes") << false << "deleted" << "no" << "Keep current file" << gone << false << false;
    QTest::newRow("deleted, escape keeps") << false << "deleted" << "escape" << "Keep current file" << gone << true << true;
    QTest::newRow("deleted, closing the box keeps") << false << "deleted" << "close" << "Keep current file" << gone << true << true;
    QTest::newRow("deleted with edits, no asks first, cancel keeps") << true << "deleted" << "no, cancel" << "Keep current file" << gone << true << true;
    QTest::newRow("deleted with edits, no asks first, ok closes") << true << "deleted" << "no, ok" << "Keep current file" << gone << true << false;
    QTest::newRow("changed with edits, return keeps them") << true << "rewritten" << "return" << "Reload" << changedEdited << true << true;
    QTest::newRow("changed with edits, space keeps them") << true << "rewritten" << "space" << "Reload" << changedEdited << true << true;
    // Time and size as they were: a file system of whole seconds shows nothing else.
    QTest::newRow("same size in the same second") << false << "same second" << "yes" << "Reload" << changed << false << true;
    QTest::newRow("same size in the same second, large") << false << "same second, large" << "yes" << "Reload" << changed << false << true;
}

void tst_Save::externalChange()
{
    QFETCH(bool, edited);
    QFETCH(QString, change);
    // A large file's checksum is read off the GUI thread: the question comes all the same.
    const bool large = change.endsWith(QLatin1String(", large"));
    if (large)
        change.chop(7);
    const QByteArray padding = large ? ('\n' + QByteArray(79, 'x')).repeated((21 << 20) / 80) : QByteArray();
    const bool deleted = change == QLatin1String("deleted");
    const QByteArray written = (change == QLatin1String("same second") ? "FIRST" : "second") + padding;
    QFETCH(QString, answer);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(bool, modifiedAfter);
    QFETCH(bool, open);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("watched.txt")), "first" + padding);
    const QByteArray encoded = QFile::encodeName(path);
    // A time of whole seconds, as such a file system keeps it, and kept by the other program.
    const struct timespec second[2] = {{time(nullptr), 0}, {time(nullptr), 0}};
    if (change == QLatin1String("same second"))
        QCOMPARE(utimensat(AT_FDCWD, encoded.constData(), second, 0), 0);
    MainWindow w;
    w.show();
    QVERIFY(w.loadFile(path));
    if (edited)
        editorOf(w)->insertPlainText(QStringLiteral("mine "));
    if (deleted) {
        QVERIFY(QFile::remove(path));
    } else {
        writeFile(path, written);
        if (change == QLatin1String("same second"))
            QCOMPARE(utimensat(AT_FDCWD, encoded.constData(), second, 0), 0);
        else
            touch(path, 10);
    }
    // One answer per box: after the first may come the unsaved-changes question of a close.
    const QStringList answers = answer.split(QStringLiteral(", "));
    ModalBot bot;
    for (const QString &a : answers) {
        if (a == QLatin1String("yes"))
            bot.answer(QMessageBox::Yes);
        else if (a == QLatin1String("no"))
            bot.answer(QMessageBox::No);
        else if (a == QLatin1String("ok"))
            bot.answer(QMessageBox::Ok);
        else if (a == QLatin1String("cancel"))
            bot.answer(QMessageBox::Cancel);
        else if (a == QLatin1String("escape"))
            bot.escape();
        else if (a == QLatin1String("return") || a == QLatin1String("space"))
            // Typing on, unaware of the box: the key goes to whatever has the focus there.
            bot.act([a](QWidget *box) {
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box,
                                a == QLatin1String("space") ? Qt::Key_Space : Qt::Key_Return);
            });
        else
            bot.closeWindow();
    }
    activate(w);
    QTRY_COMPARE(bot.seen.size(), answers.size());
    QCOMPARE(bot.seen.first().title, title);
    QCOMPARE(bot.seen.first().text, text);
    if (answers.size() > 1) {
        QCOMPARE(bot.seen.at(1).title, QStringLiteral("Exit"));
        QCOMPARE(bot.seen.at(1).text, QStringLiteral("File has unsaved changes. Continue?"));
    }
    QCOMPARE(w.isModified(), modifiedAfter);
    QCOMPARE(w.isVisible(), open);
    if (!deleted && answer == QLatin1String("yes")) {
        QCOMPARE(editorOf(w)->toPlainText(), QString::fromLatin1(written));
        QVERIFY(!editorOf(w)->document()->isUndoAvailable());
    } else if (open) {
        QCOMPARE(editorOf(w)->toPlainText(), edited ? QStringLiteral("mine first") : QStringLiteral("first"));
        // Kept edits keep their undo history too.
        QCOMPARE(editorOf(w)->document()->isUndoAvailable(), edited);
    }
}

void tst_Save::changeIsReportedOnce()
{
    const QString path = writeFile(m_dir.filePath(QStringLiteral("once.txt")), "first");
    MainWindow w;
    QVERIFY(w.loadFile(path));
    touch(path, 20);
    ModalBot bot;
    bot.answer(QMessageBox::No);
    activate(w);
    activate(w);
    QCOMPARE(bot.seen.size(), 1);
    // A further change is reported again.
    touch(path, 40);
    bot.answer(QMessageBox::No);
    activate(w);
    QCOMPARE(bot.seen.size(), 2);
}

void tst_Save::activationAsksNothing_data()
{
    QTest::addColumn<bool>("saveFirst");
    QTest::newRow("right after our own save") << true;
    QTest::newRow("after New, the old file deleted") << false;
}

void tst_Save::activationAsksNothing()
{
    QFETCH(bool, saveFirst);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("quiet.txt")), "first");
    MainWindow w;
    QVERIFY(w.loadFile(path));
    if (saveFirst) {
        editorOf(w)->insertPlainText(QStringLiteral("more "));
        trigger(w, "actionSave");
    } else {
        trigger(w, "actionNew");
        QFile::remove(path);
    }
    ModalBot bot;
    activate(w);
    QVERIFY(bot.seen.isEmpty());
}

void tst_Save::deletedFileKeptThenSavedRecreatesIt()
{
    const QString path = writeFile(m_dir.filePath(QStringLiteral("recreate.txt")), "keep me");
    MainWindow w;
    QVERIFY(w.loadFile(path));
    QVERIFY(QFile::remove(path));
    ModalBot bot;
    bot.answer(QMessageBox::Yes);
    activate(w);
    QCOMPARE(w.windowTitle(), QStringLiteral("*") + isolated(QStringLiteral("recreate.txt")) + QStringLiteral(" - Tavlo"));
    trigger(w, "actionSave");
    QCOMPARE(readFile(path), QByteArray("keep me"));
    activate(w);
    QCOMPARE(bot.seen.size(), 1);
}

void tst_Save::yesToAReloadThatFailsMarksModified()
{
    const QString path = writeFile(m_dir.filePath(QStringLiteral("turned-legacy.txt")), "utf-8 text");
    MainWindow w;
    QVERIFY(w.loadFile(path));
    writeFile(path, QTextCodec::codecForMib(2256)->fromUnicode(Persian));
    touch(path, 30);
    ModalBot bot;
    bot.answer(QMessageBox::Yes);
    bot.escape();
    activate(w);
    QCOMPARE(bot.seen.size(), 2);
    QCOMPARE(bot.seen.at(1).className, QStringLiteral("OpenDialog"));
    QCOMPARE(editorOf(w)->toPlainText(), QStringLiteral("utf-8 text"));
    QVERIFY(w.isModified());
}

void tst_Save::nameNotValidUtf8IsRefused_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("latinFileExists");
    QTest::newRow("open") << "open" << true;
    QTest::newRow("command line") << "command line" << true;
    QTest::newRow("command line, only the other file there") << "command line" << false;
    QTest::newRow("save as") << "save as" << true;
}

void tst_Save::nameNotValidUtf8IsRefused()
{
    // "caf\xe9.txt" decodes to "caf\uFFFD.txt", which encodes to the name of another file.
    QFETCH(QString, how);
    QFETCH(bool, latinFileExists);
    QTemporaryDir dir;
    const QByteArray latin = QFile::encodeName(dir.path()) + "/caf\xe9.txt";
    const QString decoded = QFile::decodeName(latin);
    const QString other = writeFile(decoded, "the other file");
    QCOMPARE(QFile::encodeName(other), QFile::encodeName(dir.path()) + "/caf\xef\xbf\xbd.txt");
    if (latinFileExists) {
        const int fd = ::open(latin.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, "latin-1 name", 12), ssize_t(12));
        ::close(fd);
    }
    const bool saving = how == QLatin1String("save as");

    MainWindow w;
    ModalBot bot;
    if (saving) {
        editorOf(w)->insertPlainText(QStringLiteral("typed"));
        bot.act(saveDialogPicks(decoded));
        // The file dialog's own question: the name it sees exists.
        bot.answer(QMessageBox::Yes);
    }
    bot.answer(QMessageBox::Ok);
    if (how == QLatin1String("open"))
        QVERIFY(!w.loadFile(decoded));
    else if (saving)
        trigger(w, "actionSave_As");
    else
        w.startUp({QStringLiteral("tavlo"), decoded}, false);
    QCOMPARE(bot.pending(), 0);
    const ModalBot::Seen refusal = bot.seen.last();
    QCOMPARE(refusal.title, saving ? QStringLiteral("Save") : QStringLiteral("Open"));
    QCOMPARE(refusal.text, (saving ? QStringLiteral("Unable to save '%1'.") : QStringLiteral("Unable to open '%1'.")).arg(isolated(decoded))
                               + QStringLiteral("\nThe name is not valid UTF-8, so Tavlo could reach another file by it."));
    QVERIFY(w.currentFile().isEmpty());
    QCOMPARE(readFile(other), QByteArray("the other file"));
    if (latinFileExists) {
        QFile latinFile;
        const int fd = ::open(latin.constData(), O_RDONLY);
        QVERIFY(fd >= 0 && latinFile.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
        QCOMPARE(latinFile.readAll(), QByteArray("latin-1 name"));
    }
}

QTEST_MAIN(tst_Save)
#include "tst_save.moc"
