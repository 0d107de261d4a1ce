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

    bool isUntitled() const { return path.isEmpty(); }
};

#endif
