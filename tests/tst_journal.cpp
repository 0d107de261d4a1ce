// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journalformat.h"
#include "core/keptcopy.h"
#include "core/orphanjournal.h"
#include "core/recoveryjournal.h"
#include "core/safesave.h"
#include "fileutil.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <csignal>

namespace {

struct Edit {
    int from;
    int removed;
    QString inserted;
};

// The journal as a dead process leaves it: written, closed, unlocked.
void leaveJournal(const FileState &file, const QString &base, const QList<Edit> &edits, int fileStateAfter = -1)
{
    RecoveryJournal journal;
    journal.start(file, base);
    for (int i = 0; i < edits.size(); ++i) {
        journal.record(edits[i].from, edits[i].removed, edits[i].inserted);
        if (i == fileStateAfter) {
            FileState renamed = file;
            renamed.path = file.path + QStringLiteral(".renamed");
            journal.setFile(renamed);
        }
    }
    journal.flush();
    journal.waitForWriter();
}

QStringList journalsLeft()
{
    return QDir(RecoveryJournal::folder()).entryList({QStringLiteral("*.journal"), QStringLiteral("*.part")}, QDir::Files);
}

// Where each record starts, read from the records' own lengths.
QList<int> recordStarts(const QByteArray &bytes)
{
    QList<int> starts;
    for (int at = 8; at + 24 <= bytes.size();) {
        starts << at;
        const quint64 length = qFromLittleEndian<quint64>(bytes.constData() + at + 8);
        at += int(24 + length + (4 - length % 4) % 4);
    }
    return starts;
}

}

class tst_Journal : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void replayRebuildsTheText_data();
    void replayRebuildsTheText();
    void liveJournalIsPrivateLockedAndRemovable();
    void onlyJournalsOfDeadProcessesAreClaimed();
    void keptCopyOfADeadWriteIsPutBack_data();
    void keptCopyOfADeadWriteIsPutBack();
};

void tst_Journal::init()
{
    QDir(RecoveryJournal::folder()).removeRecursively();
    QDir(SafeSave::keptCopiesFolder()).removeRecursively();
}

void tst_Journal::replayRebuildsTheText_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("status");
    // How many of the edits the text holds; -1: all of them, over a snapshot with one character
    // changed.
    QTest::addColumn<int>("editsKept");
    QTest::newRow("intact") << "" << int(JournalFormat::Replayed::Ok) << 5;
    QTest::newRow("torn in the last record's text") << "cut 3" << int(JournalFormat::Replayed::Ok) << 4;
    QTest::newRow("torn in the last record's head") << "cut head" << int(JournalFormat::Replayed::Ok) << 4;
    QTest::newRow("zeros at the end, as a power cut leaves") << "zero last" << int(JournalFormat::Replayed::Ok) << 4;
    QTest::newRow("a bad record in the middle") << "flip edit" << int(JournalFormat::Replayed::Damaged) << 2;
    QTest::newRow("a bad byte in the snapshot") << "flip base" << int(JournalFormat::Replayed::Damaged) << -1;
    QTest::newRow("a version this program does not know") << "version" << int(JournalFormat::Replayed::Unreadable) << 0;
    QTest::newRow("not a journal") << "garbage" << int(JournalFormat::Replayed::Unreadable) << 0;
}

void tst_Journal::replayRebuildsTheText()
{
    QFETCH(QString, damage);
    QFETCH(int, status);
    QFETCH(int, editsKept);
    // The document counts a CR LF as one break, and gives its own breaks as U+2029.
    const QString base = QStringLiteral("سلام\r\nدنیا\rمتن");
    const QList<Edit> edits = {{0, 0, QStringLiteral("X")},
                               {3, 2, QString()},
                               {6, 0, QStringLiteral("a") + QChar(QChar::ParagraphSeparator) + QStringLiteral("b")},
                               {1, 1, QStringLiteral("\u200C\u00A0")},
                               {13, 0, QStringLiteral("!")}};
    QList<QString> expected = {JournalFormat::documentText(base)};
    for (const Edit &e : edits)
        expected << QString(expected.last()).replace(e.from, e.removed, QString(e.inserted).replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
    FileStamp stamp;
    stamp.size = 42;
    stamp.modifiedNs = 1234567000123;
    stamp.changedNs = 1234567000456;
    stamp.inode = 77;
    stamp.contentHash = QByteArrayLiteral("hash");
    const FileState file{QStringLiteral("/tmp/doc.txt"), 2256, stamp};
    leaveJournal(file, base, edits, 1);

    const QString path = RecoveryJournal::folder() + QLatin1Char('/') + journalsLeft().value(0);
    QByteArray bytes = readFile(path);
    const QList<int> starts = recordStarts(bytes);
    QCOMPARE(starts.size(), 9); // header, file, base, five edits and the file state after the second
    if (damage == QLatin1String("cut 3"))
        bytes.chop(3);
    else if (damage == QLatin1String("cut head"))
        bytes.truncate(starts.last() + 10);
    else if (damage == QLatin1String("zero last"))
        bytes.replace(starts.last(), bytes.size() - starts.last(), QByteArray(bytes.size() - starts.last(), '\0'));
    else if (damage == QLatin1String("flip edit"))
        bytes[starts[6] + 30] = char(bytes[starts[6] + 30] ^ 0x40);
    else if (damage == QLatin1String("flip base"))
        bytes[starts[2] + 24 + 2] = char(bytes[starts[2] + 24 + 2] ^ 0x01);
    else if (damage == QLatin1String("version"))
        bytes[starts[0] + 24] = char(2);
    else if (damage == QLatin1String("garbage"))
        bytes = "plain text, no journal";
    if (damage == QLatin1String("version")) {
        // A sound record of a newer format: its checksums agree.
        const QByteArray payload = bytes.mid(starts[0] + 24, 20);
        bytes.replace(starts[0], 24, JournalFormat::recordHead(JournalFormat::HeaderRecord, 20, JournalFormat::crc(payload.constData(), 20)));
    }
    writeFile(path, bytes);

    std::vector<OrphanJournal> orphans = OrphanJournal::claim(RecoveryJournal::folder());
    QCOMPARE(orphans.size(), size_t(1));
    const JournalFormat::Replayed replayed = orphans[0].replay();
    QCOMPARE(int(replayed.status), status);
    if (status == JournalFormat::Replayed::Unreadable)
        return;
    if (editsKept >= 0) {
        QCOMPARE(replayed.text, expected[editsKept]);
    } else {
        QCOMPARE(replayed.text.size(), expected.last().size());
        int differing = 0;
        for (int i = 0; i < replayed.text.size(); ++i)
            differing += replayed.text[i] != expected.last()[i];
        QCOMPARE(differing, 1);
    }
    // The file state recorded last counts; paths are kept whole.
    QCOMPARE(replayed.file.path, editsKept >= 2 || editsKept < 0 ? file.path + QStringLiteral(".renamed") : file.path);
    QCOMPARE(replayed.file.sourceMib, 2256);
    QVERIFY(replayed.file.stamp);
    QCOMPARE(replayed.file.stamp->modifiedNs, stamp.modifiedNs);
    QCOMPARE(replayed.file.stamp->changedNs, stamp.changedNs);
    QCOMPARE(replayed.file.stamp->inode, stamp.inode);
    QCOMPARE(replayed.file.stamp->contentHash, stamp.contentHash);
    QCOMPARE(replayed.file.stamp->size, 42);
}

void tst_Journal::liveJournalIsPrivateLockedAndRemovable()
{
    {
        RecoveryJournal journal;
        journal.start(FileState(), QStringLiteral("متن"));
        journal.record(0, 1, QStringLiteral("ن"));
        journal.flush();
        journal.waitForWriter();
        QCOMPARE(journalsLeft().size(), 1);
        const QString path = RecoveryJournal::folder() + QLatin1Char('/') + journalsLeft().value(0);
        struct stat file, folder;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &file), 0);
        QCOMPARE(::stat(QFile::encodeName(RecoveryJournal::folder()).constData(), &folder), 0);
        QCOMPARE(int(file.st_mode & 07777), 0600);
        QCOMPARE(int(folder.st_mode & 07777), 0700);
        // Locked while it lives: a Tavlo starting now does not offer it.
        QVERIFY(OrphanJournal::claim(RecoveryJournal::folder()).empty());
        QCOMPARE(JournalFormat::replay(readFile(path)).text, QStringLiteral("نتن"));
        journal.discard();
        journal.waitForWriter();
        QVERIFY(journalsLeft().isEmpty());
    }
    // A discard while the snapshot is still being written leaves nothing either.
    {
        RecoveryJournal journal;
        journal.start(FileState(), QString(8 << 20, QLatin1Char('x')));
        journal.discard();
    }
    QVERIFY(journalsLeft().isEmpty());
}

void tst_Journal::onlyJournalsOfDeadProcessesAreClaimed()
{
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        RecoveryJournal journal;
        journal.start(FileState(), QStringLiteral("the child's"));
        journal.flush();
        journal.waitForWriter();
        (void)::write(ready[1], "r", 1);
        for (;;)
            ::pause();
    }
    char byte;
    QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
    ::close(ready[0]);
    ::close(ready[1]);
    QTest::qWait(5);
    leaveJournal(FileState(), QStringLiteral("older"), {});
    QTest::qWait(5);
    leaveJournal(FileState(), QStringLiteral("newer"), {});

    // The living child's journal is never offered.
    {
        const std::vector<OrphanJournal> orphans = OrphanJournal::claim(RecoveryJournal::folder());
        QCOMPARE(orphans.size(), size_t(2));
        QCOMPARE(orphans[0].replay().text, QStringLiteral("older"));
        QCOMPARE(orphans[1].replay().text, QStringLiteral("newer"));
        // A second Tavlo starting meanwhile finds them taken.
        QVERIFY(OrphanJournal::claim(RecoveryJournal::folder()).empty());
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    std::vector<OrphanJournal> orphans = OrphanJournal::claim(RecoveryJournal::folder());
    QCOMPARE(orphans.size(), size_t(3));
    QCOMPARE(orphans[0].replay().text, QStringLiteral("the child's"));
    for (OrphanJournal &journal : orphans)
        journal.remove();
    QVERIFY(journalsLeft().isEmpty());
}

void tst_Journal::keptCopyOfADeadWriteIsPutBack_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("restored");
    QTest::addColumn<QByteArray>("fileAfter");
    QTest::addColumn<bool>("copyStays");
    QTest::newRow("a torn file is put back") << "dead" << 1 << QByteArray("the old bytes\n") << false;
    QTest::newRow("a running write is left alone") << "live" << 0 << QByteArray("new bytes, half") << true;
    QTest::newRow("a file replaced since is left alone") << "replaced" << 0 << QByteArray("another program's") << true;
    QTest::newRow("a copy left for the user stays") << "released" << 0 << QByteArray("new bytes, half") << true;
}

void tst_Journal::keptCopyOfADeadWriteIsPutBack()
{
    QFETCH(QString, kind);
    QFETCH(int, restored);
    QFETCH(QByteArray, fileAfter);
    QFETCH(bool, copyStays);
    QTemporaryDir dir;
    const QString target = writeFile(dir.filePath(QStringLiteral("doc.txt")), "the old bytes\n");
    const QString folder = SafeSave::keptCopiesFolder();
    QVERIFY(QDir().mkpath(folder));
    auto copy = std::make_unique<KeptCopy>();
    QString reason;
    QVERIFY2(copy->create(folder, target, readFile(target), &reason), qPrintable(reason));
    // The write in place stopped half way.
    writeFile(target, "new bytes, half");
    if (kind == QLatin1String("released"))
        copy->release();
    if (kind != QLatin1String("live"))
        copy.reset();
    if (kind == QLatin1String("replaced")) {
        writeFile(target + QStringLiteral(".new"), "another program's");
        QVERIFY(::rename(QFile::encodeName(target + QStringLiteral(".new")).constData(), QFile::encodeName(target).constData()) == 0);
    }

    QCOMPARE(KeptCopy::restoreOrphans(folder), restored);
    QCOMPARE(readFile(target), fileAfter);
    QStringList left = QDir(folder).entryList(QDir::Files);
    QCOMPARE(left.size(), copyStays ? (kind == QLatin1String("live") ? 2 : 1) : 0);
    if (copyStays)
        QCOMPARE(readFile(folder + QLatin1Char('/') + left.filter(QRegExp(QStringLiteral("^doc\\.txt\\.......$"))).value(0)),
                 QByteArray("the old bytes\n"));
}

QTEST_GUILESS_MAIN(tst_Journal)
#include "tst_journal.moc"
