// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codecscan.h"

#include <QHash>
#include <QSet>
#include <QSysInfo>
#include <QTextCodec>
#include <QThread>
#include <QThreadPool>
#include <atomic>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int ChunkSize = 64 * 1024;

// How a codec's reading is checked.
enum class Method {
    Table,      // one character per byte: its 256-entry table
    Reported,   // UTF-8: the decoder reports every fault itself
    Utf16,      // well-formed when no surrogate is left unpaired
    Utf32,      // every four bytes one character, checked on the bytes
    Characters, // stateful: one text has many encodings, so each character must encode back to itself
    Bytes,      // the text encodes back to the very bytes
};

Method methodFor(QTextCodec *codec, bool singleByte)
{
    if (singleByte)
        return Method::Table;
    const QByteArray name = codec->name();
    if (name == "UTF-8")
        return Method::Reported;
    if (name.startsWith("UTF-16"))
        return Method::Utf16;
    if (name.startsWith("UTF-32"))
        return Method::Utf32;
    if (name.startsWith("ISO-2022") || name == "HZ-GB-2312" || name == "UTF-7" || name == "SCSU"
        || name == "BOCU-1")
        return Method::Characters;
    return Method::Bytes;
}

// C1 controls: no text holds them, and ICU fills a code page's holes with them (windows-1252
// reads the byte 0x81 as U+0081).
bool isC1(uint c)
{
    return c >= 0x80 && c < 0xA0;
}

struct ByteTable {
    QString chars; // empty: not a single-byte codec
    QVector<bool> clean;
};

ByteTable computeTable(QTextCodec *codec)
{
    char all[256];
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    QTextCodec::ConverterState wholeState;
    const QString whole = codec->toUnicode(all, 256, &wholeState);
    if (whole.size() != 256 || wholeState.remainingChars != 0)
        return {};
    QVector<bool> clean(256);
    for (int i = 0; i < 256; ++i) {
        QTextCodec::ConverterState state;
        const QString one = codec->toUnicode(all + i, 1, &state);
        if (one.size() != 1 || one.at(0) != whole.at(i) || state.remainingChars != 0)
            return {};
        const ushort c = one.at(0).unicode();
        if (state.invalidChars != 0 || c == 0xFFFD || (c == 0x1A && i != 0x1A) || isC1(c)
            || QChar::isSurrogate(c))
            continue;
        QTextCodec::ConverterState back(QTextCodec::IgnoreHeader);
        const QByteArray encoded = codec->fromUnicode(one.constData(), 1, &back);
        clean[i] = back.invalidChars == 0 && encoded.size() == 1 && uchar(encoded.at(0)) == i;
    }
    return {whole, clean};
}

// Worked out once per codec: the registry's codecs live as long as the program.
ByteTable tableOf(QTextCodec *codec)
{
    static std::mutex mutex;
    static QHash<QTextCodec *, ByteTable> tables;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        const auto it = tables.constFind(codec);
        if (it != tables.constEnd())
            return it.value();
    }
    const ByteTable table = computeTable(codec);
    const std::lock_guard<std::mutex> lock(mutex);
    tables.insert(codec, table);
    return table;
}

// Faults a decoded text shows by itself. The text never ends inside a surrogate pair: the
// decoder below holds a trailing high surrogate back for the next piece.
bool textIsClean(const QString &text)
{
    const ushort *c = text.utf16();
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        if (QChar::isHighSurrogate(c[i])) {
            if (i + 1 == size || !QChar::isLowSurrogate(c[i + 1]))
                return false;
            ++i;
        } else if (QChar::isLowSurrogate(c[i]) || isC1(c[i])) {
            return false;
        }
    }
    return true;
}

// Four bytes per character, each a Unicode scalar value and none a C1 control. UTF-32 without
// a byte-order mark is read in the machine's order.
bool wellFormedUtf32(QTextCodec *codec, const QByteArray &data, const std::atomic<bool> *stop)
{
    if (data.size() % 4 != 0)
        return false;
    const uchar *bytes = reinterpret_cast<const uchar *>(data.constData());
    const QByteArray name = codec->name();
    bool bigEndian = QSysInfo::ByteOrder == QSysInfo::BigEndian;
    if (name.endsWith("BE"))
        bigEndian = true;
    else if (name.endsWith("LE"))
        bigEndian = false;
    else if (data.startsWith(QByteArray("\0\0\xfe\xff", 4)))
        bigEndian = true;
    else if (data.startsWith(QByteArray("\xff\xfe\0\0", 4)))
        bigEndian = false;
    for (int i = 0; i < data.size(); i += 4) {
        const uint c = bigEndian ? uint(bytes[i]) << 24 | bytes[i + 1] << 16 | bytes[i + 2] << 8 | bytes[i + 3]
                                 : uint(bytes[i + 3]) << 24 | bytes[i + 2] << 16 | bytes[i + 1] << 8 | bytes[i];
        if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000) || isC1(c))
            return false;
        if (stop && i % ChunkSize == 0 && *stop)
            return false;
    }
    return true;
}

// Whether each character encodes to something that decodes back to it. The line feed after
// them makes an encoder close an open shift or base64 run, which it does only before the next
// character.
bool charactersEncodeBack(QTextCodec *codec, QString characters)
{
    characters += QLatin1Char('\n');
    QTextCodec::ConverterState out(QTextCodec::IgnoreHeader);
    const QByteArray encoded = codec->fromUnicode(characters.constData(), characters.size(), &out);
    QTextCodec::ConverterState in;
    return out.invalidChars == 0 && codec->toUnicode(encoded.constData(), encoded.size(), &in) == characters;
}

// A character of a stateful codec's text that no real text of that codec holds.
bool isStatefulSubstitute(uint c, bool holdsSub)
{
    return c == 0xFFFD || (c == 0x1A && !holdsSub);
}

// Decodes data piece by piece; a piece never ends inside a surrogate pair.
class Pieces
{
public:
    Pieces(QTextCodec *codec, const QByteArray &data)
        : m_codec(codec)
        , m_data(data)
    {
    }

    bool next(QString *piece)
    {
        if (m_offset >= m_data.size())
            return false;
        const int length = qMin(ChunkSize, m_data.size() - m_offset);
        *piece = m_held + m_codec->toUnicode(m_data.constData() + m_offset, length, &m_state);
        m_offset += length;
        m_held.clear();
        if (!piece->isEmpty() && QChar::isHighSurrogate(piece->back().unicode())) {
            m_held = piece->back();
            piece->chop(1);
        }
        return true;
    }

    // After the last piece: nothing unfinished, and the decoder reported nothing.
    bool endedCleanly() const
    {
        return m_held.isEmpty() && m_state.invalidChars == 0 && m_state.remainingChars == 0;
    }

private:
    QTextCodec *m_codec;
    const QByteArray &m_data;
    QTextCodec::ConverterState m_state;
    QString m_held;
    int m_offset = 0;
};

bool scanCharacters(QTextCodec *codec, const QByteArray &data, const std::atomic<bool> *stop)
{
    const bool holdsSub = data.contains('\x1a');
    QVector<bool> seen(0x10000);
    QSet<uint> seenBeyond;
    Pieces pieces(codec, data);
    QString piece;
    while (pieces.next(&piece)) {
        if (!textIsClean(piece) || (stop && *stop))
            return false;
        for (int i = 0; i < piece.size(); ++i) {
            uint c = piece.at(i).unicode();
            if (QChar::isHighSurrogate(c)) {
                c = QChar::surrogateToUcs4(ushort(c), piece.at(++i).unicode());
                seenBeyond.insert(c);
                continue;
            }
            if (isStatefulSubstitute(c, holdsSub))
                return false;
            seen[int(c)] = true;
        }
    }
    if (!pieces.endedCleanly())
        return false;
    QString characters;
    for (int c = 0; c < 0x10000; ++c)
        if (seen.at(c))
            characters += QChar(c);
    for (uint c : qAsConst(seenBeyond))
        characters += QString::fromUcs4(&c, 1);
    return charactersEncodeBack(codec, characters);
}

bool scanBytes(QTextCodec *codec, const QByteArray &data, const std::atomic<bool> *stop)
{
    QTextCodec::ConverterState out(QTextCodec::IgnoreHeader);
    int matched = 0;
    Pieces pieces(codec, data);
    QString piece;
    while (pieces.next(&piece)) {
        if (!textIsClean(piece) || (stop && *stop))
            return false;
        const QByteArray back = codec->fromUnicode(piece.constData(), piece.size(), &out);
        if (out.invalidChars != 0 || back.size() > data.size() - matched
            || std::memcmp(back.constData(), data.constData() + matched, size_t(back.size())) != 0)
            return false;
        matched += back.size();
    }
    return pieces.endedCleanly() && matched == data.size();
}

bool scanDecoded(QTextCodec *codec, const QByteArray &data, const std::atomic<bool> *stop)
{
    Pieces pieces(codec, data);
    QString piece;
    while (pieces.next(&piece))
        if (!textIsClean(piece) || (stop && *stop))
            return false;
    return pieces.endedCleanly();
}

// The chunked scan of a codec that is not single-byte.
bool scanInChunks(QTextCodec *codec, Method method, const QByteArray &data, const std::atomic<bool> *stop)
{
    switch (method) {
    case Method::Utf32:
        return wellFormedUtf32(codec, data, stop);
    case Method::Characters:
        return scanCharacters(codec, data, stop);
    case Method::Bytes:
        return scanBytes(codec, data, stop);
    case Method::Reported:
    case Method::Utf16:
    case Method::Table:
        break;
    }
    return scanDecoded(codec, data, stop);
}

// The same judgement the plain way: the whole buffer decoded, checked and encoded at once.
bool decodesCleanlyWhole(QTextCodec *codec, const QByteArray &data)
{
    const ByteTable table = tableOf(codec);
    const Method method = methodFor(codec, !table.chars.isEmpty());
    QTextCodec::ConverterState state;
    const QString text = codec->toUnicode(data.constData(), data.size(), &state);
    if (state.invalidChars != 0 || state.remainingChars != 0 || !textIsClean(text))
        return false;
    const auto encodesBack = [&] {
        QTextCodec::ConverterState out(QTextCodec::IgnoreHeader);
        return codec->fromUnicode(text.constData(), text.size(), &out) == data && out.invalidChars == 0;
    };
    switch (method) {
    case Method::Table:
        for (int i = 0; i < text.size(); ++i) {
            const ushort c = text.at(i).unicode();
            if (c == 0xFFFD || (c == 0x1A && data.at(i) != '\x1a'))
                return false;
        }
        return encodesBack();
    case Method::Reported:
    case Method::Utf16:
        return true;
    case Method::Utf32:
        return wellFormedUtf32(codec, data, nullptr);
    case Method::Characters: {
        const bool holdsSub = data.contains('\x1a');
        for (const QChar c : text)
            if (isStatefulSubstitute(c.unicode(), holdsSub))
                return false;
        return charactersEncodeBack(codec, text);
    }
    case Method::Bytes:
        return encodesBack();
    }
    return false;
}

}

namespace CodecScan {

QString singleByteChars(QTextCodec *codec, QVector<bool> *clean)
{
    ByteTable table = tableOf(codec);
    if (clean && !table.chars.isEmpty())
        *clean = table.clean;
    return table.chars;
}

QString decode(QTextCodec *codec, const QByteArray &data, bool *reported)
{
    QTextCodec::ConverterState state;
    const QString text = codec->toUnicode(data.constData(), data.size(), &state);
    if (reported)
        *reported = state.invalidChars == 0 && state.remainingChars == 0;
    return text;
}

bool decodesCleanly(QTextCodec *codec, const QByteArray &data)
{
    return decodesCleanlyWhole(codec, data);
}

QList<int> cleanMibsReference(const QByteArray &data)
{
    QList<int> result;
    for (int mib : QTextCodec::availableMibs()) {
        QTextCodec *codec = QTextCodec::codecForMib(mib);
        if (codec && decodesCleanlyWhole(codec, data))
            result.append(mib);
    }
    return result;
}

QList<int> cleanMibs(const QByteArray &data, const std::atomic<bool> *stop)
{
    struct Candidate {
        int mib;
        QTextCodec *codec;
        bool clean;
    };
    bool present[256] = {};
    for (char c : data)
        present[uchar(c)] = true;

    // Look the codecs up here: the registry is built lazily and is best filled from one thread.
    QVector<Candidate> candidates;
    for (int mib : QTextCodec::availableMibs())
        if (QTextCodec *codec = QTextCodec::codecForMib(mib))
            candidates.append({mib, codec, false});
    auto scan = [&](Candidate &c) {
        const ByteTable table = tableOf(c.codec);
        if (table.chars.isEmpty()) {
            c.clean = scanInChunks(c.codec, methodFor(c.codec, false), data, stop);
            return;
        }
        c.clean = true;
        for (int i = 0; i < 256 && c.clean; ++i)
            c.clean = !present[i] || table.clean.at(i);
    };
    // Every thread takes the next codec from a shared counter; the calling thread works too.
    std::atomic<int> next{0};
    auto worker = [&] {
        for (int i = next++; i < candidates.size() && !(stop && *stop); i = next++)
            scan(candidates[i]);
    };
    const int threads = qMin(QThread::idealThreadCount(), QThreadPool::globalInstance()->maxThreadCount());
    std::vector<std::thread> helpers;
    for (int i = 1; i < threads; ++i)
        helpers.emplace_back(worker);
    worker();
    for (std::thread &helper : helpers)
        helper.join();
    QList<int> result;
    for (const Candidate &c : qAsConst(candidates))
        if (c.clean)
            result.append(c.mib);
    return result;
}

}
