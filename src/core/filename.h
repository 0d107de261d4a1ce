// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FILENAME_H
#define FILENAME_H

#include <QByteArray>
#include <QString>

// Qt 5 names files by strings, decoded from the bytes the system gives. Bytes that are not valid
// in the locale's encoding (UTF-8), say a Latin-1 "caf\xe9.txt", decode to U+FFFD and encode back
// to other bytes: a file opened or saved under the decoded name is another file, or none.
namespace FileName {

bool decodesExactly(const QByteArray &bytes);

// Whether a decoded path may stand for another file than the one its string encodes to: one of
// its parts holds U+FFFD and its folder holds a name of other bytes that decodes to the same.
bool isAmbiguous(const QString &path);

}

#endif
