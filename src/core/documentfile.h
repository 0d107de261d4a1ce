// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DOCUMENTFILE_H
#define DOCUMENTFILE_H

#include "core/filestamp.h"
#include "core/safesave.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// The IANA MIB number of UTF-8: the encoding of every saved file and of new documents.
constexpr int Utf8Mib = 106;

// The largest file Tavlo opens, in bytes. Up to this size the editor stays responsive once the
// text is shown (Ctrl+End and typing answer within 100 ms); reading and laying out more would
// take longer than a user waits and memory several times the file's size.
constexpr qint64 MaxDocumentBytes = qint64(256) << 20;

// The most lines Tavlo opens. Each line is a paragraph of QTextDocument, which takes about 150
// bytes and 3 microseconds to build, one at a time and on one thread: 10 million short lines
// need 1.8 GB and 35 s, 16 million 2.8 GB and 65 s, and at some 30 million its table of
// paragraphs outgrows what it can allocate and Qt crashes.
constexpr qint64 MaxDocumentLines = 10000000;

// Reports how far a long read has come (bytes done of total); returning false stops it.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// The outcome of reading a file to be edited. The caller turns it into what the user sees.
struct LoadResult {
    enum Status {
        Ok,          // read whole; `text` holds it when `utf8`, else `bytes` await a codec
        NotFound,    // nothing exists at the path
        NotRegular,  // a folder, a device, a FIFO: nothing that can be read to its end
        CannotOpen,  // no permission, or the system refused
        TooLarge,    // more than a text can hold, or more memory than there is
        TooManyLines, // more lines than MaxDocumentLines; the caller counts them once decoded
        ReadError,   // the system reported an error while reading
        ShortRead,   // fewer bytes than the file said it holds
        Cancelled,   // the progress callback asked to stop
    };
    Status status = CannotOpen;
    QByteArray bytes;   // as read
    QString text;       // decoded, when the bytes are UTF-8
    bool utf8 = false;
    QString reason;     // the system's own words, when it gave any
    qint64 expected = 0; // the size the file reported
    FileStamp stamp;    // the file as it was read
};

// Reads the whole file and tests its bytes as UTF-8 (a byte-order mark is dropped).
LoadResult readDocument(const QString &path, const Progress &progress = Progress());

// Reads a device to its end. `expected` is the size it reports (0 when it reports none, as files
// under /proc do); fewer bytes than that, or an error on the way, fail the read.
LoadResult readDevice(QIODevice *device, qint64 expected, const Progress &progress = Progress());

// Decodes bytes with the codec of this MIB number into *text; false when memory runs out. A
// byte-order mark that a UTF-16 or UTF-32 decoder keeps is dropped: it is no part of the text
// and would come back as a UTF-8 mark at the next save.
bool decodeDocument(const QByteArray &bytes, int mib, QString *text);

// Spells a document's characters as its plain text does (QTextDocument::toPlainText): paragraph
// and line separators become line feeds, a no-break space a space.
void spellAsPlainText(QString *text);

// Writes the text as UTF-8 without a byte-order mark, so that the file either holds all of it or
// keeps its old content. The text is the document's raw text: its paragraph separators (U+2029)
// become line feeds, and every other character is written as it is.
SaveResult writeDocument(const QString &path, QString text);

#endif
