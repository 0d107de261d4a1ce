// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journalformat.h"

#include <QDataStream>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>
#include <zlib.h>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "journal texts are stored as the host's UTF-16");

namespace JournalFormat {

namespace {

constexpr quint32 RecordMark = 0x524A5654; // "TVJR"
constexpr int HeadSize = 24;
// Texts longer than a QString can hold are no document's.
constexpr qint64 MaxTextLength = std::numeric_limits<int>::max() / 2;

QDataStream &versioned(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_5_15);
    stream.setByteOrder(QDataStream::LittleEndian);
    return stream;
}

QByteArray record(RecordType type, const QByteArray &payload)
{
    QByteArray bytes = recordHead(type, payload.size(), crc(payload.constData(), payload.size()));
    bytes += payload;
    bytes += QByteArray(padding(payload.size()), '\0');
    return bytes;
}

struct Record {
    RecordType type;
    const char *payload;
    qint64 length;
    bool payloadIntact;
};

enum class Read { Whole, Torn, Bad };

// One record at `at`: Whole (perhaps with a payload whose checksum fails, when its head is
// sound and its length fits), Torn where the bytes end before the record does, Bad where the
// head itself is not sound.
Read readRecord(const QByteArray &bytes, qint64 at, Record *out, qint64 *next)
{
    if (bytes.size() - at < HeadSize)
        return Read::Torn;
    const auto *head = reinterpret_cast<const uchar *>(bytes.constData() + at);
    if (qFromLittleEndian<quint32>(head) != RecordMark
        || qFromLittleEndian<quint32>(head + 20) != crc(head, 20))
        return Read::Bad;
    const quint64 length = qFromLittleEndian<quint64>(head + 8);
    if (length > quint64(bytes.size() - at - HeadSize))
        return Read::Torn;
    out->type = RecordType(head[4]);
    out->payload = bytes.constData() + at + HeadSize;
    out->length = qint64(length);
    out->payloadIntact = qFromLittleEndian<quint32>(head + 16) == crc(out->payload, out->length);
    *next = qMin<qint64>(bytes.size(), at + HeadSize + out->length + padding(length));
    return Read::Whole;
}

// Whether a sound record starts anywhere after `from`: then what stopped the replay was damage,
// not the torn end that a kill leaves.
bool soundRecordAfter(const QByteArray &bytes, qint64 from)
{
    // Records start at multiples of four.
    for (qint64 at = (from + 3) & ~qint64(3); at + HeadSize <= bytes.size(); at += 4) {
        Record r;
        qint64 next;
        if (qFromLittleEndian<quint32>(bytes.constData() + at) == RecordMark
            && readRecord(bytes, at, &r, &next) == Read::Whole && r.payloadIntact)
            return true;
    }
    return false;
}

bool readHeader(const Record &r, quint32 *version, qint64 *created)
{
    QDataStream stream(QByteArray::fromRawData(r.payload, int(r.length)));
    qint64 pid = 0;
    versioned(stream) >> *version >> pid >> *created;
    return r.type == HeaderRecord && r.payloadIntact && stream.status() == QDataStream::Ok;
}

bool readFile(const Record &r, FileState *file)
{
    QDataStream stream(QByteArray::fromRawData(r.payload, int(r.length)));
    versioned(stream);
    quint8 fields = 0;
    QString path;
    qint32 mib = 0;
    bool hasStamp = false;
    stream >> fields >> path >> mib >> hasStamp;
    FileState read;
    if (hasStamp) {
        FileStamp stamp;
        stream >> stamp.size >> stamp.modifiedNs >> stamp.changedNs >> stamp.inode >> stamp.device
            >> stamp.takenNs >> stamp.contentHash;
        read.stamp = stamp;
    }
    if (stream.status() != QDataStream::Ok || fields < 1)
        return false;
    read.path = path;
    read.sourceMib = mib;
    *file = read;
    return true;
}

// The text as a list of pieces of the journal's bytes, so that an edit costs no copy of the
// text; it is put together once at the end.
class PieceText
{
public:
    PieceText(const QChar *data, qint64 length)
        : m_length(length)
    {
        if (length > 0)
            m_pieces.push_back({data, length});
    }

    bool replace(qint64 from, qint64 removed, const QChar *data, qint64 length)
    {
        if (from < 0 || removed < 0 || from + removed > m_length || m_length - removed + length > MaxTextLength)
            return false;
        const size_t first = splitAt(from);
        if (removed > 0) {
            const size_t end = splitAt(from + removed);
            m_pieces.erase(m_pieces.begin() + first, m_pieces.begin() + end);
        }
        if (length > 0)
            m_pieces.insert(m_pieces.begin() + first, {data, length});
        m_length += length - removed;
        m_hint = first;
        m_hintStart = from;
        return true;
    }

    QString text() const
    {
        QString text(int(m_length), Qt::Uninitialized);
        QChar *out = text.data();
        for (const Piece &p : m_pieces) {
            std::memcpy(out, p.data, size_t(p.length) * sizeof(QChar));
            out += p.length;
        }
        // Inserted text comes as the document gave it, with its own paragraph separators.
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }

private:
    struct Piece {
        const QChar *data;
        qint64 length;
    };

    // The index of the piece that starts at `at`, splitting the one around it; the number of
    // pieces when `at` is the end. The walk starts at the last edit, as edits come in runs.
    size_t splitAt(qint64 at)
    {
        size_t i = m_hint;
        qint64 start = m_hintStart;
        while (i > 0 && start > at) {
            --i;
            start -= m_pieces[i].length;
        }
        while (i < m_pieces.size() && start + m_pieces[i].length <= at) {
            start += m_pieces[i].length;
            ++i;
        }
        if (i < m_pieces.size() && start < at) {
            Piece &around = m_pieces[i];
            const Piece tail{around.data + (at - start), around.length - (at - start)};
            around.length = at - start;
            m_pieces.insert(m_pieces.begin() + i + 1, tail);
            start = at;
            ++i;
        }
        m_hint = i;
        m_hintStart = start;
        return i;
    }

    std::vector<Piece> m_pieces;
    qint64 m_length = 0;
    size_t m_hint = 0;
    qint64 m_hintStart = 0;
};

}

QByteArray mark()
{
    return QByteArrayLiteral("TAVLOJNL");
}

quint32 crc(const void *data, qint64 length, quint32 previous)
{
    return quint32(crc32_z(previous, static_cast<const Bytef *>(data), size_t(length)));
}

QByteArray recordHead(RecordType type, quint64 payloadLength, quint32 payloadCrc)
{
    QByteArray head(HeadSize, '\0');
    auto *h = reinterpret_cast<uchar *>(head.data());
    qToLittleEndian<quint32>(RecordMark, h);
    h[4] = type;
    qToLittleEndian<quint64>(payloadLength, h + 8);
    qToLittleEndian<quint32>(payloadCrc, h + 16);
    qToLittleEndian<quint32>(crc(h, 20), h + 20);
    return head;
}

int padding(quint64 payloadLength)
{
    return int((4 - payloadLength % 4) % 4);
}

QByteArray headerRecord(qint64 pid, qint64 createdMs)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    versioned(stream) << Version << pid << createdMs;
    return record(HeaderRecord, payload);
}

QByteArray fileRecord(const FileState &file)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    // The path is kept whole: the process that recovers it may start in another folder.
    const QString path = file.isUntitled() ? QString() : QFileInfo(file.path).absoluteFilePath();
    versioned(stream) << quint8(1) << path << qint32(file.sourceMib) << bool(file.stamp);
    if (file.stamp) {
        const FileStamp &stamp = *file.stamp;
        stream << stamp.size << stamp.modifiedNs << stamp.changedNs << stamp.inode << stamp.device
               << stamp.takenNs << stamp.contentHash;
    }
    return record(FileRecord, payload);
}

QString documentText(const QString &text)
{
    auto special = [](QChar c) {
        return c == QLatin1Char('\r') || c == QChar::ParagraphSeparator || c.unicode() == 0xFDD0
            || c.unicode() == 0xFDD1;
    };
    const QChar *begin = text.constData();
    const QChar *end = begin + text.size();
    const QChar *at = std::find_if(begin, end, special);
    if (at == end)
        return text;
    QString out;
    out.reserve(text.size());
    const QChar *copied = begin;
    while (at != end) {
        out.append(copied, int(at - copied));
        out.append(QLatin1Char('\n'));
        const bool crlf = *at == QLatin1Char('\r') && at + 1 != end && at[1] == QLatin1Char('\n');
        copied = at + (crlf ? 2 : 1);
        at = std::find_if(copied, end, special);
    }
    out.append(copied, int(end - copied));
    return out;
}

qint64 createdMs(const QByteArray &head)
{
    Record r;
    qint64 next;
    quint32 version = 0;
    qint64 created = 0;
    if (!head.startsWith(mark()) || readRecord(head, mark().size(), &r, &next) != Read::Whole
        || !readHeader(r, &version, &created))
        return 0;
    return created;
}

Replayed replay(const QByteArray &bytes)
{
    Replayed result;
    if (!bytes.startsWith(mark()))
        return result;
    std::unique_ptr<PieceText> text;
    bool damaged = false;
    bool first = true;
    qint64 at = mark().size();
    while (at < bytes.size()) {
        Record r;
        qint64 next = at;
        const Read read = readRecord(bytes, at, &r, &next);
        if (read == Read::Torn)
            break;
        if (read == Read::Bad || (!r.payloadIntact && (first || r.type != BaseRecord))) {
            damaged = soundRecordAfter(bytes, at + 1);
            if (first)
                return result;
            break;
        }
        if (first) {
            // Without a sound header there is no telling which format the rest is in.
            first = false;
            quint32 version = 0;
            if (!readHeader(r, &version, &result.createdMs) || version != Version)
                return result;
        } else if (r.type == FileRecord) {
            if (!readFile(r, &result.file))
                damaged = true;
        } else if (r.type == BaseRecord && !text) {
            // A base whose checksum fails is still the best there is: most of it is right.
            damaged = damaged || !r.payloadIntact;
            text = std::make_unique<PieceText>(reinterpret_cast<const QChar *>(r.payload), r.length / 2);
        } else if (r.type == EditRecord && text && r.length >= 8) {
            const auto *p = reinterpret_cast<const uchar *>(r.payload);
            if (!text->replace(qFromLittleEndian<qint32>(p), qFromLittleEndian<qint32>(p + 4),
                               reinterpret_cast<const QChar *>(r.payload + 8), (r.length - 8) / 2)) {
                damaged = true;
                break;
            }
        } else {
            damaged = true;
            break;
        }
        at = next;
    }
    if (!text)
        return result;
    result.text = text->text();
    result.status = damaged ? Replayed::Damaged : Replayed::Ok;
    return result;
}

}
