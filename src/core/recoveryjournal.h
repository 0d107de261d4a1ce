// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECOVERYJOURNAL_H
#define RECOVERYJOURNAL_H

#include "core/filestate.h"
#include "core/orphanjournal.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

// The journal of one document's unsaved changes, from which the text comes back after a kill or
// a power cut: a snapshot of the text the changes apply to, written once when the journal
// starts, and then the edits themselves, appended.
//
// Everything that touches the disk runs on a thread of the journal's own, in the order it was
// asked for, so the caller's thread only ever copies a reference to a text. Edits wait in memory
// until flush(), which has them written and synced. The file is locked while this object holds
// it, and it appears under its final name only once its snapshot is on the disk: another
// process offers only journals that are whole and whose owner is gone.
class RecoveryJournal : public QObject
{
    Q_OBJECT

public:
    explicit RecoveryJournal(QObject *parent = nullptr);
    // Writes what was asked for and closes the file, which stays unless discarded.
    ~RecoveryJournal() override;

    // The journals' folder under the user's data location, and the one for damaged journals.
    static QString folder();
    static QString damagedFolder();
    // Creates a folder of journals, private to the user; false, with the system's reason, when
    // nothing can be written there.
    static bool prepareFolder(const QString &folder, QString *reason);

    // A new journal of `base`, the text of the document as it came from `file` (or as it was
    // recovered). The journals in `replaced` are removed once this one is safe on the disk.
    void start(const FileState &file, const QString &base, std::vector<OrphanJournal> replaced = {});
    bool isStarted() const { return m_started; }
    void setFile(const FileState &file);
    // An edit of the document: at `from`, `removed` characters gave way to `inserted`.
    void record(int from, int removed, const QString &inserted);
    void flush();
    // Removes the journal: its changes were saved or given up.
    void discard();
    // Blocks until everything asked for so far is done.
    void waitForWriter();

signals:
    // From the writer's thread: the journal could not be written, for this reason. Nothing more
    // is written to it; the next start() tries again.
    void failed(const QString &reason);

private:
    class Writer;
    struct Pending;

    std::unique_ptr<Writer> m_writer;
    std::vector<Pending> m_pending;
    bool m_started = false;
};

#endif
