// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SAFESAVE_H
#define SAFESAVE_H

#include <QByteArray>
#include <QString>

// The outcome of writing a file.
struct SaveResult {
    enum Status {
        Ok,
        NotRegular, // the path names a device, a FIFO or a folder
        Failed,     // the file keeps its old content; `reason` says why
    };
    Status status = Failed;
    QString reason; // the system's own words
};

// Writes a file so that it either holds all of the new bytes or keeps its old content.
//
// The bytes go to a temporary file in the same folder, which replaces the target only once
// every byte was written and flushed. Kept: the target's permission bits, and a symbolic link
// (its target is written, the link stays). Not kept: the owner and group when another user owns
// the file, extended attributes, and hard links (the path gets a new inode). Where the folder
// cannot take a temporary file but the file itself is writable, the file is rewritten in place.
// A target that exists but is not a regular file (a device, a FIFO, a folder) is refused.
namespace SafeSave {

SaveResult write(const QString &path, const QByteArray &bytes);

}

#endif
