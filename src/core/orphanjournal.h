// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ORPHANJOURNAL_H
#define ORPHANJOURNAL_H

#include "core/journalformat.h"

#include <QString>
#include <vector>

// A recovery journal whose process is gone, found at start-up and locked by this process while
// it holds it, so that another Tavlo starting at the same time never offers it too. Dropping it
// unlocks it and leaves it for the next start.
class OrphanJournal
{
public:
    OrphanJournal() = default;
    ~OrphanJournal();
    OrphanJournal(OrphanJournal &&other) noexcept;
    OrphanJournal &operator=(OrphanJournal &&other) noexcept;
    OrphanJournal(const OrphanJournal &) = delete;
    OrphanJournal &operator=(const OrphanJournal &) = delete;

    // The journals in the folder whose process is gone, oldest first. Unfinished ones (a
    // process killed while it wrote the snapshot, before any edit was kept) are removed on the
    // way, once they are a minute old.
    static std::vector<OrphanJournal> claim(const QString &folder);

    bool isNull() const { return m_fd < 0; }
    QString path() const { return m_path; }
    qint64 createdMs() const { return m_created; }

    JournalFormat::Replayed replay() const;
    // Copies the journal's bytes into `folder`; the copy's path, or empty with the reason.
    QString keepCopy(const QString &folder, QString *reason) const;
    // Deletes the journal and unlocks it.
    void remove();

private:
    int m_fd = -1;
    QString m_path;
    qint64 m_created = 0;
};

#endif
