// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journalformat.h"
#include "core/orphanjournal.h"
#include "core/recoveryjournal.h"
#include "core/safesave.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/recovery/journalkeeper.h"
#include "testutil.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <csignal>
#include <cstdio>
#include <memory>
#include <random>

namespace {

const QString Persian = QStringLiteral("سلام دنیا، پرونده‌ای به زبان فارسی\n");
// How long a write and sync may take on a busy shared disk.
constexpr int DiskMs = 30000;

// The edits of a scripted typist, the same for the child that types them and for the test
// that checks what came back.
struct ScriptedEdit {
    int from;
    int removed;
    QString inserted;
};

ScriptedEdit nextEdit(std::mt19937 &random, int length)
{
    static const char *const words[] = {"کتاب", "می‌نویسد", "متن", "text", "۲۰۲۴", "ویرایشگر"};
    const int kind = int(random() % 100);
    const int at = int(random() % uint(length + 1));
    if (kind < 60)
        return {at, 0, QString::fromUtf8(words[random() % 6]) + QLatin1Char(' ')};
    if (kind < 72)
        return {at, 0, QStringLiteral("\n")};
    if (kind < 95 && length > 0) {
        const int from = int(random() % uint(length));
        return {from, 1 + int(random() % uint(qMin(5, length - from))), QString()};
    }
    return {at, 0, QStringLiteral("\u200C\u00A0")};
}

qint64 monotonicMs()
{
    QElapsedTimer clock;
    clock.start();
    return clock.msecsSinceReference();
}

// The child: a Tavlo window typing a script, printing when each edit is made. It saves the file
// when told to, after a pause.
int typist(const QStringList &args)
{
    const unsigned seed = args.value(2).toUInt();
    const bool pauses = args.value(3) == QLatin1String("pauses");
    const bool save = args.value(3) == QLatin1String("save");
    const QString file = args.value(4);
    isolateTestEnvironment();
    MainWindow window;
    window.startUp(file.isEmpty() ? QStringList{QStringLiteral("tavlo")} : QStringList{QStringLiteral("tavlo"), file});
    window.show();
    QTextDocument *document = editorOf(window)->document();
    std::mt19937 script(seed), pace(seed + 1);
    int done = 0;
    std::printf("ready\n");
    std::fflush(stdout);
    std::function<void()> step = [&] {
        ScriptedEdit e = nextEdit(script, document->characterCount() - 1);
        if (save && done == 15)
            e = {0, qMin(300000, document->characterCount() - 1), QString()};
        QTextCursor cursor(document);
        cursor.setPosition(e.from);
        cursor.setPosition(e.from + e.removed, QTextCursor::KeepAnchor);
        cursor.insertText(e.inserted);
        std::printf("edit %d %lld\n", ++done, monotonicMs());
        std::fflush(stdout);
        if (save && done == 16) {
            QTimer::singleShot(1500, &window, [&window] {
                window.findChild<QAction *>(QStringLiteral("actionSave"))->trigger();
            });
            return;
        }
        const bool pause = pauses && pace() % 10 == 0;
        QTimer::singleShot(int(pause ? 1500 + pace() % 2000 : 10 + pace() % 240), &window, step);
    };
    QTimer::singleShot(0, &window, step);
    return QApplication::exec();
}

QStringList journalsLeft()
{
    return QDir(RecoveryJournal::folder()).entryList({QStringLiteral("*.journal"), QStringLiteral("*.part")}, QDir::Files);
}

QString documentText(MainWindow &window)
{
    return editorOf(window)->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// The text the newest journal holds, read without its lock.
QString journalText()
{
    const QStringList names = QDir(RecoveryJournal::folder()).entryList({QStringLiteral("*.journal")}, QDir::Files, QDir::Name);
    if (names.isEmpty())
        return QStringLiteral("<no journal>");
    return JournalFormat::replay(readFile(RecoveryJournal::folder() + QLatin1Char('/') + names.last())).text;
}

// A journal left by a process that is gone.
void leaveJournal(const FileState &file, const QString &base, const QString &inserted)
{
    RecoveryJournal journal;
    journal.start(file, base);
    journal.record(base.size(), 0, inserted);
    journal.flush();
    journal.waitForWriter();
    // Orphans are offered by age, to the millisecond.
    QTest::qWait(3);
}

class Typist
{
public:
    Typist(unsigned seed, const QString &mode, const QString &file)
    {
        m_process.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--typist"), QString::number(seed), mode, file});
    }
    ~Typist()
    {
        kill();
    }
    bool waitForReady()
    {
        QElapsedTimer waited;
        waited.start();
        while (!m_process.canReadLine() && waited.elapsed() < 30000)
            m_process.waitForReadyRead(100);
        return m_process.readLine() == "ready\n";
    }
    void kill()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_process.processId()), SIGKILL);
        m_killedAt = monotonicMs();
        m_process.waitForFinished();
    }
    qint64 killedAt() const { return m_killedAt; }
    // When each edit was made, in order.
    QList<qint64> editTimes()
    {
        QList<qint64> times;
        for (const QByteArray &line : m_process.readAllStandardOutput().split('\n'))
            if (line.startsWith("edit "))
                times << line.split(' ').value(2).toLongLong();
        return times;
    }

private:
    QProcess m_process;
    qint64 m_killedAt = 0;
};

}

class tst_Recovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void documentTextIsWhatTheDocumentHolds_data();
    void documentTextIsWhatTheDocumentHolds();
    void journalFollowsTheDocument_data();
    void journalFollowsTheDocument();
    void journalGoesWithTheChanges_data();
    void journalGoesWithTheChanges();
    void startUpOffersWhatWasLeft_data();
    void startUpOffersWhatWasLeft();
    void fileChangedSinceIsShownAndSaveAsks();
    void killedTypistLosesNothing_data();
    void killedTypistLosesNothing();
    void liveJournalOfAnotherProcessIsNotOffered();
    void killDuringAnInPlaceSaveBringsBothBack();
    void readOnlyDataFolderWarnsOnce();

private:
    QTemporaryDir m_dir;
};

void tst_Recovery::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
}

void tst_Recovery::init()
{
    clearSettings();
    QDir(RecoveryJournal::folder()).removeRecursively();
    QDir(SafeSave::keptCopiesFolder()).removeRecursively();
}

void tst_Recovery::documentTextIsWhatTheDocumentHolds_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("cr lf") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("lone cr") << QStringLiteral("a\rb\r");
    QTest::newRow("cr then cr lf") << QStringLiteral("\r\r\n\n");
    QTest::newRow("paragraph separator and frame marks") << QStringLiteral("a\u2029b\uFDD0c\uFDD1");
    QTest::newRow("line separator, no-break space and zwnj kept") << QStringLiteral("a\u2028b\u00A0c\u200Cd");
}

void tst_Recovery::documentTextIsWhatTheDocumentHolds()
{
    QFETCH(QString, text);
    // The offsets of the edits are the document's: the snapshot must count as it does.
    QTextDocument document;
    document.setPlainText(text);
    QCOMPARE(JournalFormat::documentText(text), document.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void tst_Recovery::journalFollowsTheDocument_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("untitled") << "untitled";
    QTest::newRow("a small file") << "small";
    QTest::newRow("a file over 20 MB, built off the GUI thread") << "large";
    QTest::newRow("a file whose long lines were broken at open") << "broken";
}

void tst_Recovery::journalFollowsTheDocument()
{
    QFETCH(QString, kind);
    QByteArray bytes = Persian.toUtf8();
    if (kind == QLatin1String("large"))
        bytes = bytes.repeated((21 << 20) / bytes.size());
    else if (kind == QLatin1String("broken"))
        bytes = QByteArray(30000, 'a') + "\r\n" + bytes;
    const QString path = writeFile(m_dir.filePath(kind + QStringLiteral(".txt")), bytes);
    MainWindow w;
    ModalBot bot;
    if (kind == QLatin1String("broken"))
        bot.answer(QMessageBox::Yes);
    // The progress dialogs of a large open.
    for (int i = 0; kind == QLatin1String("large") && i < 2; ++i)
        bot.act([](QWidget *) {});
    w.startUp(kind == QLatin1String("untitled") ? QStringList{QStringLiteral("tavlo")} : QStringList{QStringLiteral("tavlo"), path});
    QTextEdit *edit = editorOf(w);
    if (kind == QLatin1String("broken"))
        QTRY_COMPARE_WITH_TIMEOUT(journalText(), documentText(w), DiskMs);
    else
        QVERIFY(journalsLeft().isEmpty());

    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("پایان\n"));
    cursor.setPosition(2);
    cursor.insertText(QStringLiteral("\u200C\u00A0"));
    cursor.setPosition(0);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    edit->undo();
    edit->undo();
    QTRY_COMPARE_WITH_TIMEOUT(journalText(), documentText(w), DiskMs);
    QVERIFY(!bot.sawUnexpected());
}

void tst_Recovery::journalGoesWithTheChanges_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("kept");
    QTest::newRow("save") << "actionSave" << false;
    QTest::newRow("reload") << "actionReload" << false;
    QTest::newRow("new") << "actionNew" << false;
    QTest::newRow("clean exit") << "actionExit" << false;
    QTest::newRow("cancel at the exit question keeps it") << "cancelExit" << true;
    QTest::newRow("an open that fails keeps it") << "failedOpen" << true;
}

void tst_Recovery::journalGoesWithTheChanges()
{
    QFETCH(QString, action);
    QFETCH(bool, kept);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("goes.txt")), Persian.toUtf8());
    const QString other = writeFile(m_dir.filePath(QStringLiteral("other.txt")), "other");
    MainWindow w;
    w.startUp({QStringLiteral("tavlo"), path});
    editorOf(w)->textCursor().insertText(QStringLiteral("نو"));
    QTRY_COMPARE_WITH_TIMEOUT(journalsLeft().size(), 1, DiskMs);

    ModalBot bot;
    if (action == QLatin1String("cancelExit")) {
        bot.answer(QMessageBox::Cancel);
        w.close();
    } else if (action == QLatin1String("failedOpen")) {
        QVERIFY(QFile::remove(other));
        bot.answer(QMessageBox::Ok);
        w.loadFile(other);
    } else {
        if (action != QLatin1String("actionSave"))
            bot.answer(QMessageBox::Ok);
        w.findChild<QAction *>(action)->trigger();
    }
    if (kept) {
        QTest::qWait(JournalKeeper::QuietMs);
        QCOMPARE(journalsLeft().size(), 1);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(journalsLeft().isEmpty(), DiskMs);
        // Nothing is offered the next time.
        MainWindow next;
        next.startUp({QStringLiteral("tavlo")});
    }
    QVERIFY(!bot.sawUnexpected());
}

void tst_Recovery::startUpOffersWhatWasLeft_data()
{
    QTest::addColumn<QStringList>("journals"); // oldest first: file, untitled, damaged, unreadable, emptied
    QTest::addColumn<QList<int>>("answers");   // one for each box, in order; 0 for Escape
    QTest::addColumn<int>("recovered");        // the journal the window shows; -1 for none
    QTest::addColumn<int>("keptDamaged");
    using B = QMessageBox;
    QTest::newRow("yes brings the text back, not the command-line file")
        << QStringList{"file"} << QList<int>{B::Yes} << 0 << 0;
    QTest::newRow("no removes it, and the command-line file opens") << QStringList{"file"} << QList<int>{B::No} << -1 << 0;
    QTest::newRow("escape means no") << QStringList{"file"} << QList<int>{0} << -1 << 0;
    QTest::newRow("an untitled document") << QStringList{"untitled"} << QList<int>{B::Yes} << 0 << 0;
    QTest::newRow("oldest first, each in turn") << QStringList{"file", "untitled"} << QList<int>{B::No, B::Yes} << 1 << 0;
    QTest::newRow("after a yes the rest wait for the next start")
        << QStringList{"untitled", "file"} << QList<int>{B::Yes} << 0 << 0;
    QTest::newRow("a damaged journal is offered, its bytes kept")
        << QStringList{"damaged"} << QList<int>{B::Yes} << 0 << 1;
    QTest::newRow("an unreadable journal is told of, its bytes kept")
        << QStringList{"unreadable"} << QList<int>{B::Ok} << -1 << 1;
    QTest::newRow("an emptied untitled document is dropped unasked") << QStringList{"emptied"} << QList<int>{} << -1 << 0;
}

void tst_Recovery::startUpOffersWhatWasLeft()
{
    QFETCH(QStringList, journals);
    QFETCH(QList<int>, answers);
    QFETCH(int, recovered);
    QFETCH(int, keptDamaged);
    const QByteArray onDisk = (Persian + Persian).toUtf8();
    const QString path = writeFile(m_dir.filePath(QStringLiteral("kept.txt")), onDisk);
    const QString commandLine = writeFile(m_dir.filePath(QStringLiteral("command-line.txt")), "command line");
    const FileState file{path, 2256, FileStamp::of(path)};
    QStringList texts, boxTexts;
    for (const QString &kind : journals) {
        const bool untitled = kind != QLatin1String("file") && kind != QLatin1String("damaged");
        const FileState state = untitled ? FileState() : file;
        if (kind == QLatin1String("emptied")) {
            RecoveryJournal journal;
            journal.start(FileState(), QString());
            journal.record(0, 0, QStringLiteral("x"));
            journal.record(0, 1, QString());
        } else {
            leaveJournal(state, Persian, kind);
        }
        texts << Persian + kind;
        boxTexts << (untitled ? QStringLiteral("Tavlo was closed without saving the changes to an untitled document. Recover them?")
                              : QStringLiteral("Tavlo was closed without saving the changes to '%1'. Recover them?").arg(isolated(path)));
    }
    const QString damagedFolder = RecoveryJournal::damagedFolder();
    const QString journalPath = RecoveryJournal::folder() + QLatin1Char('/') + journalsLeft().value(0);
    if (journals.contains(QStringLiteral("damaged"))) {
        // The edit's record is bad, and a sound one follows it.
        QByteArray bytes = readFile(journalPath);
        bytes[bytes.size() - 4] = 'Z';
        writeFile(journalPath, bytes + JournalFormat::fileRecord(file));
        texts[0] = Persian;
        boxTexts[0] += QStringLiteral("\n\nPart of what Tavlo kept could not be read back: the text is what could be "
                                      "rebuilt. The journal's bytes are kept in '%1'.")
                           .arg(isolated(damagedFolder + QLatin1Char('/') + QFileInfo(journalPath).fileName()));
    } else if (journals.contains(QStringLiteral("unreadable"))) {
        writeFile(journalPath, "TAVLOJNL and then nothing sound");
        boxTexts[0] = QStringLiteral("A recovery journal could not be read. Its bytes are kept in '%1'.")
                          .arg(isolated(damagedFolder + QLatin1Char('/') + QFileInfo(journalPath).fileName()));
    }

    {
        ModalBot bot;
        for (int answer : answers) {
            if (answer == 0)
                bot.escape();
            else
                bot.answer(QMessageBox::StandardButton(answer));
        }
        MainWindow w;
        w.startUp({QStringLiteral("tavlo"), commandLine});
        QCOMPARE(bot.seen.size(), answers.size());
        for (int i = 0; i < bot.seen.size(); ++i) {
            QCOMPARE(bot.seen[i].title, QStringLiteral("Recover"));
            QCOMPARE(bot.seen[i].text, boxTexts[i]);
            QCOMPARE(bot.seen[i].format, Qt::PlainText);
        }
        QCOMPARE(QDir(damagedFolder).entryList(QDir::Files).size(), keptDamaged);
        if (recovered < 0) {
            QCOMPARE(w.currentFile(), commandLine);
            QVERIFY(!w.isModified());
        } else {
            const bool untitled = boxTexts[recovered].contains(QLatin1String("untitled"));
            QCOMPARE(documentText(w), texts[recovered]);
            QVERIFY(w.isModified());
            QCOMPARE(w.windowTitle(), untitled ? QStringLiteral("*Untitled - Tavlo") : QStringLiteral("*") + isolated(QStringLiteral("kept.txt")) + QStringLiteral(" - Tavlo"));
            QCOMPARE(w.currentFile(), untitled ? QString() : path);
            QCOMPARE(w.sourceEncoding(), untitled ? 106 : 2256);
            QCOMPARE(readFile(path), onDisk);
            // The window's own journal takes over: the old one goes once the new one is safe.
            QTRY_VERIFY_WITH_TIMEOUT(journalsLeft().size() == journals.size() - answers.size() + 1 && journalText() == texts[recovered], DiskMs);
            bot.answer(QMessageBox::Ok);
        }
        w.close();
        QVERIFY(!bot.sawUnexpected());
    }
    // Whatever was answered is not asked again; what was not answered is.
    ModalBot bot;
    MainWindow next;
    const int waiting = recovered >= 0 ? journals.size() - answers.size() : 0;
    for (int i = 0; i < waiting; ++i)
        bot.answer(QMessageBox::No);
    next.startUp({QStringLiteral("tavlo")});
    QCOMPARE(bot.seen.size(), waiting);
    QVERIFY(journalsLeft().isEmpty());
}

void tst_Recovery::fileChangedSinceIsShownAndSaveAsks()
{
    const QString path = writeFile(m_dir.filePath(QStringLiteral("changed.txt")), Persian.toUtf8());
    leaveJournal({path, 106, FileStamp::of(path)}, Persian, QStringLiteral("mine"));
    writeFile(path, "another program wrote this, at another size");
    ModalBot bot;
    bot.answer(QMessageBox::Yes);
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    QCOMPARE(documentText(w), Persian + QStringLiteral("mine"));
    // Coming back to the window does not offer to reload over the recovered text.
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activation);
    QCOMPARE(bot.seen.size(), 1);
    bot.answer(QMessageBox::Yes);
    w.findChild<QAction *>(QStringLiteral("actionSave"))->trigger();
    QCOMPARE(bot.seen.size(), 2);
    QVERIFY(bot.seen[1].text.startsWith(QStringLiteral("'%1' was changed by another program").arg(isolated(path))));
    QCOMPARE(readFile(path), (Persian + QStringLiteral("mine")).toUtf8());
    QTRY_VERIFY_WITH_TIMEOUT(journalsLeft().isEmpty(), DiskMs);
    QVERIFY(!bot.sawUnexpected());
}

void tst_Recovery::killedTypistLosesNothing_data()
{
    QTest::addColumn<uint>("seed");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("untitled");
    QTest::addColumn<int>("killAfter");
    QTest::newRow("at the first edits") << 11u << "steady" << false << 150;
    QTest::newRow("while typing") << 12u << "steady" << false << 2500;
    QTest::newRow("in or after a pause") << 13u << "pauses" << false << 6500;
    QTest::newRow("after 9 s of continuous typing") << 14u << "steady" << false << 9000;
    QTest::newRow("an untitled document") << 15u << "pauses" << true << 4000;
}

void tst_Recovery::killedTypistLosesNothing()
{
    QFETCH(uint, seed);
    QFETCH(QString, mode);
    QFETCH(bool, untitled);
    QFETCH(int, killAfter);
    const QString path = untitled ? QString() : writeFile(m_dir.filePath(QStringLiteral("typed.txt")), (Persian + Persian).toUtf8());
    Typist typist(seed, mode, path);
    QVERIFY(typist.waitForReady());
    QTest::qWait(killAfter);
    typist.kill();
    const QList<qint64> times = typist.editTimes();

    QString recovered = untitled ? QString() : Persian + Persian;
    std::vector<OrphanJournal> orphans = OrphanJournal::claim(RecoveryJournal::folder());
    QVERIFY(orphans.size() <= 1);
    if (!orphans.empty()) {
        const JournalFormat::Replayed replayed = orphans[0].replay();
        QCOMPARE(int(replayed.status), int(JournalFormat::Replayed::Ok));
        QCOMPARE(replayed.file.path, path);
        recovered = replayed.text;
        orphans[0].remove();
    }
    // The text after each number of edits; every edit that rested 3 s before the kill is in.
    std::mt19937 script(seed);
    QString text = untitled ? QString() : Persian + Persian;
    int required = 0;
    while (required < times.size() && times[required] <= typist.killedAt() - 3000)
        ++required;
    int matched = -1;
    for (int k = 0; k <= times.size() + 1 && matched < 0; ++k) {
        if (k >= required && text == recovered)
            matched = k;
        const ScriptedEdit e = nextEdit(script, text.size());
        text.replace(e.from, e.removed, e.inserted);
    }
    QVERIFY2(matched >= 0, qPrintable(QStringLiteral("%1 edits made, %2 rested 3 s; the journal gave none of the texts from there on")
                                          .arg(times.size()).arg(required)));
}

void tst_Recovery::liveJournalOfAnotherProcessIsNotOffered()
{
    Typist typist(21, QStringLiteral("steady"), QString());
    QVERIFY(typist.waitForReady());
    // Its journal holds typed text.
    QTRY_VERIFY_WITH_TIMEOUT(!journalText().isEmpty() && journalText() != QLatin1String("<no journal>"), DiskMs);
    {
        ModalBot bot;
        MainWindow w;
        w.startUp({QStringLiteral("tavlo")});
        QVERIFY(bot.seen.isEmpty());
    }
    typist.kill();
    ModalBot bot;
    bot.answer(QMessageBox::No);
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    QCOMPARE(bot.seen.size(), 1);
    QVERIFY(journalsLeft().isEmpty());
}

void tst_Recovery::killDuringAnInPlaceSaveBringsBothBack()
{
    // A second name makes the save write in place; the old bytes go to a kept copy first.
    const QByteArray old = Persian.toUtf8().repeated((8 << 20) / Persian.toUtf8().size());
    const QString path = writeFile(m_dir.filePath(QStringLiteral("linked.txt")), old);
    const QString second = m_dir.filePath(QStringLiteral("second-name.txt"));
    QFile::remove(second);
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(second).constData()), 0);
    struct stat before;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    Typist typist(31, QStringLiteral("save"), path);
    QVERIFY(typist.waitForReady());
    // Killed as soon as the write over the file has begun, while its kept copy names it.
    const QDir kept(SafeSave::keptCopiesFolder());
    auto writing = [&] {
        struct stat now;
        return ::stat(QFile::encodeName(path).constData(), &now) == 0 && now.st_mtim.tv_nsec != before.st_mtim.tv_nsec
            && !kept.entryList({QStringLiteral("*.target")}, QDir::Files).isEmpty();
    };
    QElapsedTimer waited;
    waited.start();
    while (!writing() && waited.elapsed() < 60000)
        ::usleep(100);
    typist.kill();
    QVERIFY(waited.elapsed() < 60000);
    QVERIFY(readFile(path) != old);
    const int edits = typist.editTimes().size();
    QCOMPARE(edits, 16);
    std::mt19937 script(31);
    QString typed = QString::fromUtf8(old);
    for (int k = 0; k < edits; ++k) {
        ScriptedEdit e = nextEdit(script, typed.size());
        if (k == 15)
            e = {0, qMin(300000, typed.size()), QString()};
        typed.replace(e.from, e.removed, e.inserted);
    }

    ModalBot bot;
    bot.answer(QMessageBox::Yes);
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen[0].text, QStringLiteral("Tavlo was closed without saving the changes to '%1'. Recover them?").arg(isolated(path)));
    QCOMPARE(readFile(path), old);
    QCOMPARE(readFile(second), old);
    QCOMPARE(documentText(w), typed);
    QCOMPARE(w.windowTitle(), QStringLiteral("*") + isolated(QStringLiteral("linked.txt")) + QStringLiteral(" - Tavlo"));
    // Nothing is left behind.
    QVERIFY(kept.entryList(QDir::Files).isEmpty());
    bot.answer(QMessageBox::Ok);
    w.close();
    QTRY_VERIFY_WITH_TIMEOUT(journalsLeft().isEmpty(), DiskMs);
}

void tst_Recovery::readOnlyDataFolderWarnsOnce()
{
    QTemporaryDir data;
    const QString folder = data.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(folder));
    std::unique_ptr<SmallDisk> disk;
    if (::geteuid() == 0) {
        disk = std::make_unique<SmallDisk>(folder);
        if (!disk->mounted() || !disk->remountReadOnly())
            QSKIP("mounting a read-only tmpfs is refused here");
    } else {
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0500), 0);
    }
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
    const QString path = writeFile(m_dir.filePath(QStringLiteral("works.txt")), Persian.toUtf8());
    {
        ModalBot bot;
        bot.answer(QMessageBox::Ok);
        MainWindow w;
        w.startUp({QStringLiteral("tavlo"), path});
        QCOMPARE(bot.seen.size(), 1);
        QCOMPARE(bot.seen[0].icon, QMessageBox::Warning);
        QVERIFY(bot.seen[0].text.startsWith(QStringLiteral("Recovery is off: Tavlo cannot keep its recovery journal in '%1'.").arg(isolated(RecoveryJournal::folder()))));
        // The editor still works, and says nothing more about it.
        editorOf(w)->textCursor().insertText(QStringLiteral("نو"));
        QTest::qWait(JournalKeeper::QuietMs + 500);
        QCOMPARE(w.windowTitle(), QStringLiteral("*") + isolated(QStringLiteral("works.txt")) + QStringLiteral(" - Tavlo"));
        QVERIFY(w.findChild<QAction *>(QStringLiteral("actionSave"))->isEnabled());
        QMetaObject::invokeMethod(w.findChild<QAction *>(QStringLiteral("actionSave")), "trigger");
        QCOMPARE(readFile(path), (QStringLiteral("نو") + Persian).toUtf8());
        QCOMPARE(bot.seen.size(), 1);
        QVERIFY(!bot.sawUnexpected());
    }
    qputenv("XDG_DATA_HOME", before);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--typist") == 0) {
        Q_INIT_RESOURCE(resources);
        return typist(QCoreApplication::arguments());
    }
    QTEST_DISABLE_KEYPAD_NAVIGATION
    tst_Recovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
