// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef JOURNALFORMAT_H
#define JOURNALFORMAT_H

#include "core/filestate.h"

#include <QByteArray>
#include <QString>

// The bytes of a recovery journal. A journal starts with an 8-byte mark and goes on in records:
// the header (format version, process, creation time), the file state (path, source MIB,
// stamp), the base text the edits apply to, and then edits (offset, removed length, inserted
// text) and later file states, appended as they happen. Each record carries its payload's
// length and checksum, and a checksum of its own head, so that a record torn by a kill or a
// power cut is told apart from damage in the middle. Numbers are little-endian and texts UTF-16;
// an edit's payload is its offset and removed length (32 bits each) and then the inserted text.
// Offsets count characters as the editor's document does: one for each paragraph break.
namespace JournalFormat {

constexpr quint32 Version = 1;

enum RecordType : quint8 {
    HeaderRecord = 'H',
    FileRecord = 'F',
    BaseRecord = 'B',
    EditRecord = 'E',
};

QByteArray mark();
QByteArray headerRecord(qint64 pid, qint64 createdMs);
QByteArray fileRecord(const FileState &file);
// The head of a record of this payload, whose checksum `payloadCrc` the caller took; the
// payload follows it, and then padding() zero bytes.
QByteArray recordHead(RecordType type, quint64 payloadLength, quint32 payloadCrc);
int padding(quint64 payloadLength);

quint32 crc(const void *data, qint64 length, quint32 previous = 0);

// The text as the editor's document holds it: each CR LF, CR, paragraph separator and frame
// mark becomes one line feed, the one character the document makes of it. Returns the text
// itself, with no copy, when there is nothing to change.
QString documentText(const QString &text);

struct Replayed {
    enum Status {
        Ok,         // every record read back; a torn last record is dropped, as a kill leaves it
        Damaged,    // a record in the middle is bad: the text is what could be rebuilt
        Unreadable, // not a journal, or one of a version this program does not know
    };
    Status status = Unreadable;
    FileState file;
    QString text; // paragraph breaks as line feeds
    qint64 createdMs = 0;
};

Replayed replay(const QByteArray &bytes);
// The creation time from the header alone; 0 when there is none.
qint64 createdMs(const QByteArray &head);

}

#endif
