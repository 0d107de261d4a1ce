// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FILESTAMP_H
#define FILESTAMP_H

#include <QByteArray>
#include <QString>

// What a file looked like on disk when it was last read, written or checked.
struct FileStamp {
    qint64 size = -1; // -1 when the file does not exist
    qint64 modifiedNs = 0;
    qint64 changedNs = 0; // the status change time, which no program can set back
    quint64 inode = 0;
    quint64 device = 0;
    qint64 takenNs = 0;
    // A hash of the content, kept where a file system of coarse times (whole seconds, or two)
    // could let a write of the same size leave every field above alike: while the stamp was
    // taken within 2 s of the modification time.
    QByteArray contentHash;

    static FileStamp of(const QString &path);
    // Keeps a hash of the bytes just read from or written to the file, where one is due.
    void recordContent(const QByteArray &content);
    bool exists() const { return size >= 0; }

    // Whether the file at `path` is still as recorded; *now receives its stamp, which keeps the
    // hash for as long as one is due.
    bool matchesFile(const QString &path, FileStamp *now) const;
};

#endif
