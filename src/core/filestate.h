// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FILESTATE_H
#define FILESTATE_H

#include "core/documentfile.h"
#include "core/filestamp.h"

#include <QString>
#include <optional>

// Where the document's text came from: the file, the encoding it was read in, and how the file
// looked then. An untitled document has no path and no stamp.
struct FileState {
    QString path;
    int sourceMib = Utf8Mib;
    // The file as last loaded, saved or checked; none while untitled, or after Save As chose a
    // path that was not written yet.
    std::optional<FileStamp> stamp;
    // The file changed on disk before the text was recovered from a journal: the stamp is the
    // file as it is now, so the activation check does not offer to reload over the recovered
    // text, but the next Save still asks before it writes over the change.
    bool changedBeforeRecovery = false;

    bool isUntitled() const { return path.isEmpty(); }
};

#endif
