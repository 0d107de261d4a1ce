// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery journal at 100 MB: what it costs a keystroke and the GUI thread, and how long
// bringing the text back takes beside opening the file.
#include "benchutil.h"
#include "core/documentfile.h"
#include "core/orphanjournal.h"
#include "core/recoveryjournal.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/recovery/journalkeeper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cstdio>
#include <memory>
#include <random>

namespace {

constexpr int Megabytes = 100;

struct Typed {
    double perKey;
    double stall;
    qint64 safeAfter = -1; // when the journal was on the disk, in ms from the first key
};

bool journalOnDisk()
{
    return !QDir(RecoveryJournal::folder()).entryList({QStringLiteral("*.journal")}, QDir::Files).isEmpty();
}

// Loads the file and types at its end: a key every 50 ms for 3 s, while the journal writes its
// snapshot and its flushes come and go (the longest stall), and then the keys of perKey().
Typed typeAtTheEnd(const QString &path, bool journal)
{
    MainWindow window;
    window.resize(900, 700);
    window.show();
    QApplication::processEvents();
    window.loadFile(path);
    auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    if (!journal)
        QObject::disconnect(edit->document(), &QTextDocument::contentsChange, window.findChild<JournalKeeper *>(), nullptr);
    edit->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    Typed typed;
    StallProbe probe;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000 || (journal && typed.safeAfter < 0 && clock.elapsed() < 20000)) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x0633)));
        QApplication::sendEvent(edit, &key);
        const qint64 next = clock.elapsed() + 50;
        while (clock.elapsed() < next)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (journal && typed.safeAfter < 0 && journalOnDisk())
            typed.safeAfter = clock.elapsed();
    }
    typed.stall = probe.longestMs();
    typed.perKey = perKey(edit, true);
    // Not a clean exit: the window's journal goes with it all the same.
    return typed;
}

void benchTypingWithJournal(const QString &path)
{
    const char *name = "typing at the end of 100 MB with the journal on";
    if (!selected(name))
        return;
    constexpr int Rounds = 3;
    Typed on[Rounds], off[Rounds];
    double oursKey = 1e9, baselineKey = 1e9, oursStall = 0, baselineStall = 0;
    for (int round = 0; round < Rounds; ++round) {
        on[round] = typeAtTheEnd(path, true);
        off[round] = typeAtTheEnd(path, false);
        oursKey = qMin(oursKey, on[round].perKey);
        baselineKey = qMin(baselineKey, off[round].perKey);
        oursStall = qMax(oursStall, on[round].stall);
        baselineStall = qMax(baselineStall, off[round].stall);
    }
    report(name, oursKey, baselineKey, oursStall);
    std::printf("  (longest stall with the journal off: %.1f ms; the journal with its 100 MB snapshot on the "
                "disk %lld, %lld and %lld ms after the first key)\n",
                baselineStall, on[0].safeAfter, on[1].safeAfter, on[2].safeAfter);
    std::fflush(stdout);
}

// A journal of 10,000 edits at places all over the text, left as a killed process leaves it;
// the length of the text it holds.
qint64 leaveJournal(const QString &path, const QString &text)
{
    RecoveryJournal journal;
    journal.start({path, Utf8Mib, FileStamp::of(path)}, text);
    std::mt19937 random(7);
    qint64 length = text.size();
    for (int i = 0; i < 10000; ++i) {
        const int at = int(random() % quint32(length));
        if (i % 3 == 2) {
            const int removed = int(qMin<qint64>(1 + random() % 5, length - at));
            journal.record(at, removed, QString());
            length -= removed;
        } else {
            const QString inserted = i % 10 == 0 ? QStringLiteral("\u2029") : QStringLiteral("کتاب ");
            journal.record(at, 0, inserted);
            length += inserted.size();
        }
        if (i % 100 == 99)
            journal.flush();
    }
    journal.flush();
    journal.waitForWriter();
    return length;
}

void benchReplay(const QString &path)
{
    const char *name = "journal replay of 10,000 edits on 100 MB";
    if (!selected(name))
        return;
    const LoadResult read = readDocument(path);
    const qint64 expected = leaveJournal(path, read.text);
    const QString folder = RecoveryJournal::folder();
    int length = 0;
    const auto times = timeAlternating(
        [&] {
            std::vector<OrphanJournal> orphans = OrphanJournal::claim(folder);
            length = orphans.empty() ? -1 : orphans[0].replay().text.size();
        },
        [&] { readDocument(path); }, 3);
    if (length != expected)
        std::printf("  (the replayed text has %d characters)\n", length);
    report(name, times.first, times.second);

    // The whole way into the window, the document built behind a progress dialog either way.
    MainWindow recovering;
    QTimer yes;
    QObject::connect(&yes, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
    });
    yes.start(5);
    const double recovered = timeIt([&] { recovering.startUp({QStringLiteral("tavlo")}); }, 1);
    yes.stop();
    MainWindow opening;
    const double opened = timeIt([&] { opening.loadFile(path); }, 1);
    std::printf("  (into the window: recovered in %.1f ms, opened in %.1f ms; the replay's share %.1f ms)\n", recovered,
                opened, times.first);
    std::fflush(stdout);
}

void benchJournal(const QTemporaryDir &dir)
{
    if (!selected("typing at the end of 100 MB with the journal on") && !selected("journal replay of 10,000 edits on 100 MB"))
        return;
    const QString path = dir.filePath(QStringLiteral("journal.txt"));
    writePersianFile(path, Megabytes * 1024 * 1024);
    benchTypingWithJournal(path);
    benchReplay(path);
    QFile::remove(path);
    QDir(RecoveryJournal::folder()).removeRecursively();
}

const BenchCases cases(60, benchJournal);

}
