// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FILESTAMP_H
#define FILESTAMP_H

#include <QDateTime>
#include <QString>

// What a file looked like on disk when it was last read or written.
struct FileStamp {
    QDateTime modified; // invalid when the file does not exist
    qint64 size = -1;

    static FileStamp of(const QString &path);
    bool exists() const { return modified.isValid(); }
    // Times compare to the millisecond.
    bool sameTime(const FileStamp &other) const;
};

#endif
