// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SAFESAVE_H
#define SAFESAVE_H

#include "core/filestamp.h"

#include <QByteArray>
#include <QString>

// The outcome of writing a file.
struct SaveResult {
    enum Status {
        Ok,
        NotRegular, // the path names a device, a FIFO or a folder
        Failed,     // the file keeps its old content; `reason` says why
        Damaged,    // written in place, failed, and the old content could not be put back:
                    // it is kept at `keptCopy`
        NoKeptCopy, // to be written in place, but the folder `keptCopy` could not take a copy
                    // of the old content first; the file is untouched, `reason` says why
    };
    Status status = Failed;
    QString reason;   // the system's own words
    QString keptCopy; // with Damaged: where the old content is; with NoKeptCopy: the folder
    FileStamp stamp;  // with Ok, from writeDocument(): the file as written
};

// Writes a file so that it either holds all of the new bytes or keeps its old content.
//
// An ordinary file of the user's own is replaced atomically: the bytes go to a temporary file in
// the same folder, which replaces the target only once every byte was written and flushed, and
// gets the target's mode bits and every extended attribute that can be read (its ACL among
// them) exactly. A file with other names (hard links), or one whose owner or group is not the
// saving user, is written in place instead, so that it keeps its inode, its links, its owner and
// its group; so is a file whose folder cannot take a temporary file, and one with an attribute
// the new file cannot be given (a security.* one that needs privileges). Writing in place keeps a
// copy of the old bytes in the user's cache first (a KeptCopy, which the next start puts back
// when a kill cut the write short), checks the free space, and puts the old bytes
// back when any step fails.
//
// A symbolic link is followed to its target, and the link stays; a loop of links is refused, and
// so is another user's link in a sticky folder that anyone may write (/tmp), as the kernel's
// fs.protected_symlinks refuses it. A target that exists but is not a regular file (a device, a
// FIFO, a folder) is refused.
namespace SafeSave {

SaveResult write(const QString &path, const QByteArray &bytes);

// Where in-place writes keep the old bytes until they are done.
QString keptCopiesFolder();

}

#endif
