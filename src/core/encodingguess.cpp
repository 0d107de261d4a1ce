// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/encodingguess.h"
#include "core/codecscan.h"
#include "core/textcoherence.h"

#include <QCryptographicHash>
#include <QHash>
#include <QTextCodec>
#include <QVector>
#include <uchardet/uchardet.h>
#include <algorithm>

namespace {

// Text enough to judge a file by. The detector reads no more either: on a file of many
// megabytes it would otherwise take longer than scanning every codec.
constexpr int SampleSize = 16 * 1024;

// Codecs people saved text files in, best known first. Of several codecs that read a file
// alike, the first here is the one offered; the order also breaks ties.
const char *const Common[] = {
    "UTF-8", "windows-1252", "windows-1256", "windows-1251", "windows-1250", "windows-1253",
    "windows-1254", "windows-1255", "windows-1257", "windows-1258", "ISO-8859-1", "ISO-8859-15",
    "ISO-8859-6", "ISO-8859-5", "ISO-8859-2", "ISO-8859-7", "ISO-8859-9", "ISO-8859-8",
    "ISO-8859-13", "KOI8-R", "KOI8-U", "Shift_JIS", "EUC-JP", "GBK", "GB18030", "Big5",
    "windows-949", "TIS-620", "UTF-16", "UTF-16LE", "UTF-16BE", "US-ASCII"};
// Used too, by fewer people or for fewer years.
const char *const Regional[] = {
    "ISO-8859-3", "ISO-8859-4", "ISO-8859-10", "ISO-8859-14", "Big5-HKSCS", "IBM866", "IBM850",
    "IBM437", "IBM852", "IBM855", "IBM857", "IBM862", "IBM864", "IBM775", "IBM869", "IBM00858",
    "IBM860", "IBM861", "IBM863", "IBM865", "macintosh", "ISO-2022-JP", "ISO-2022-KR",
    "ISO-2022-CN", "HZ-GB-2312", "UTF-32", "UTF-32LE", "UTF-32BE", "UTF-7"};
// The rest (mainframe code pages, compression schemes, rare national sets) start behind, so a
// short text they happen to turn into letters does not push the usual code page down.
constexpr double RegionalPenalty = 0.1;
constexpr double RarePenalty = 0.25;

// The detector's names that Qt knows under another one.
const char *const DetectorAliases[][2] = {{"UHC", "windows-949"}, {"ISO-8859-11", "TIS-620"}};

struct RegistryCodec {
    QTextCodec *codec = nullptr;
    int mib = 0;  // the number it is offered under
    int rank = 0;
    double penalty = RarePenalty;
    QString byteChars; // single-byte codecs: the character of each byte value
};

// What the guess needs of each codec of the registry, worked out once.
class Registry
{
public:
    static const Registry &instance()
    {
        static const Registry registry;
        return registry;
    }

    const RegistryCodec *find(int mib) const
    {
        const auto it = m_codecs.constFind(mib);
        return it == m_codecs.constEnd() ? nullptr : &it.value();
    }

    // The registry's entry for a codec opened by name: the detector's names can open a codec
    // the registry holds under another object (EUC-KR opens an unlisted windows-949).
    const RegistryCodec *entryFor(QTextCodec *codec) const
    {
        if (!codec)
            return nullptr;
        if (const RegistryCodec *known = find(codec->mibEnum()))
            if (known->codec == codec)
                return known;
        for (auto it = m_codecs.constBegin(); it != m_codecs.constEnd(); ++it)
            if (it.value().codec == codec || it.value().codec->name() == codec->name())
                return &it.value();
        return nullptr;
    }

private:
    Registry()
    {
        QHash<QByteArray, int> ranks;
        int rank = 0;
        for (const char *name : Common)
            ranks.insert(name, rank++);
        for (const char *name : Regional)
            ranks.insert(name, rank++);
        const int commonCount = int(sizeof(Common) / sizeof(Common[0]));
        for (int mib : QTextCodec::availableMibs()) {
            RegistryCodec entry;
            entry.codec = QTextCodec::codecForMib(mib);
            if (!entry.codec)
                continue;
            entry.rank = ranks.value(entry.codec->name(), rank);
            if (entry.rank < commonCount)
                entry.penalty = 0;
            else if (entry.rank < rank)
                entry.penalty = RegionalPenalty;
            entry.byteChars = CodecScan::singleByteChars(entry.codec);
            m_codecs.insert(mib, entry);
        }
        // A codec listed under several numbers is offered under its own one, as the dialog does.
        for (auto it = m_codecs.begin(); it != m_codecs.end(); ++it) {
            const int own = it.value().codec->mibEnum();
            const auto ownEntry = m_codecs.constFind(own);
            if (ownEntry != m_codecs.constEnd() && ownEntry.value().codec == it.value().codec) {
                it.value().mib = own;
                continue;
            }
            it.value().mib = it.key();
            for (auto other = m_codecs.constBegin(); other != m_codecs.constEnd(); ++other)
                if (other.value().codec == it.value().codec)
                    it.value().mib = qMin(it.value().mib, other.key());
        }
    }

    QHash<int, RegistryCodec> m_codecs;
};

// The head of the file, cut at a line break so no character is split. When the head is nearly
// all ASCII (a long header, code with comments further down), lines with other bytes are added
// from the rest of the file: only they tell the codecs apart.
QByteArray sampleOf(const QByteArray &bytes)
{
    if (bytes.size() <= SampleSize)
        return bytes;
    QByteArray sample = bytes.left(SampleSize);
    const int lastBreak = sample.lastIndexOf('\n');
    if (lastBreak > SampleSize / 2)
        sample.truncate(lastBreak + 1);
    const auto high = [](const char *begin, const char *end) {
        return int(std::count_if(begin, end, [](char c) { return uchar(c) >= 0x80; }));
    };
    constexpr int Enough = 1024;
    if (high(sample.cbegin(), sample.cend()) >= Enough)
        return sample;
    // Keep a quarter of the head, up to a line break so no added line is glued to it.
    const int keep = sample.lastIndexOf('\n', SampleSize / 4 - 1) + 1;
    sample.truncate(keep);
    int from = keep;
    while (from < bytes.size() && sample.size() < SampleSize) {
        int end = bytes.indexOf('\n', from);
        end = end < 0 ? bytes.size() : end + 1;
        if (end - from <= SampleSize - sample.size()
            && high(bytes.constData() + from, bytes.constData() + end) > 0)
            sample.append(bytes.constData() + from, end - from);
        from = end;
    }
    return sample;
}

QTextCodec *detect(const QByteArray &sample)
{
    uchardet_t detector = uchardet_new();
    if (uchardet_handle_data(detector, sample.constData(), size_t(sample.size())) == 0)
        uchardet_data_end(detector);
    QByteArray name = uchardet_get_charset(detector);
    uchardet_delete(detector);
    if (name.isEmpty())
        return nullptr;
    for (const auto &alias : DetectorAliases)
        if (name == alias[0])
            name = alias[1];
    const RegistryCodec *entry = Registry::instance().entryFor(QTextCodec::codecForName(name));
    return entry ? entry->codec : nullptr;
}

// The detector's answer goes first unless another codec reads clearly better. Its lead breaks
// the ties between code pages that read a text almost alike (windows-1254 and ISO-8859-2 for
// Turkish, windows-1250 and ISO-8859-2 for Czech), and grows with the bytes beyond ASCII it had
// to count; on a line or a file name it is often wrong, and the reading decides.
constexpr double DetectorLead = 0.02;
constexpr double DetectorLeadPerPage = 0.1;
constexpr int PageOfBytes = 1000;
// Codecs reading much worse than the best are not suggested, unless the detector named them.
constexpr double MinShareOfBest = 0.5;
constexpr double MinScore = 0.25;

struct Candidate {
    const RegistryCodec *info = nullptr;
    QString sample; // the sample decoded
    double score = 0;
    double rankScore = 0; // with the detector's lead
    bool detected = false;
    QByteArray digest;    // of the whole text, once needed to tell candidates apart
    bool substituted = false;
};

bool isSubstitute(ushort c, int byte)
{
    return c == 0xFFFD || (c >= 0xE000 && c <= 0xF8FF) || (c == 0x1A && byte != 0x1A);
}

bool isUnicodeCodec(QTextCodec *codec)
{
    return codec->name().startsWith("UTF-");
}

// A digest of the whole text a codec makes of the bytes, decoded in chunks so no full-size
// copy is made; *substituted tells whether the decoder put in U+FFFD.
QByteArray textDigest(QTextCodec *codec, const QByteArray &bytes, bool *substituted)
{
    constexpr int Chunk = 256 * 1024;
    QTextCodec::ConverterState state;
    QCryptographicHash hash(QCryptographicHash::Md5);
    *substituted = false;
    for (int offset = 0; offset < bytes.size(); offset += Chunk) {
        const QString part = codec->toUnicode(bytes.constData() + offset,
                                              qMin(Chunk, bytes.size() - offset), &state);
        hash.addData(reinterpret_cast<const char *>(part.constData()), part.size() * int(sizeof(QChar)));
        *substituted = *substituted || part.contains(QChar(0xFFFD));
    }
    return hash.result();
}

// The candidate's reading of the sample, or false when the codec has to substitute for some
// of the bytes: Qt's ICU codecs report no errors, so a byte a code page lacks comes out as
// U+FFFD or a private-use character, which makes the codec as unfit as a reported error.
bool decodeSample(Candidate *candidate, const QByteArray &sample, const bool (&present)[256])
{
    const RegistryCodec &info = *candidate->info;
    if (info.byteChars.isEmpty()) {
        QTextCodec::ConverterState state;
        candidate->sample = info.codec->toUnicode(sample.constData(), sample.size(), &state);
        return isUnicodeCodec(info.codec) || !candidate->sample.contains(QChar(0xFFFD));
    }
    for (int b = 0; b < 256; ++b)
        if (present[b] && isSubstitute(info.byteChars.at(b).unicode(), b))
            return false;
    candidate->sample.resize(sample.size());
    QChar *out = candidate->sample.data();
    for (char c : sample)
        *out++ = info.byteChars.at(uchar(c));
    return true;
}

}

QList<int> suggestEncodings(const QByteArray &bytes)
{
    return suggestEncodings(bytes, CodecScan::cleanMibs(bytes));
}

int detectedEncoding(const QByteArray &bytes)
{
    const RegistryCodec *entry = Registry::instance().entryFor(detect(sampleOf(bytes)));
    return entry ? entry->mib : 0;
}

QList<int> suggestEncodings(const QByteArray &bytes, const QList<int> &cleanMibs)
{
    const Registry &registry = Registry::instance();
    const QByteArray sample = sampleOf(bytes);
    const RegistryCodec *detected = registry.entryFor(detect(sample));
    bool present[256] = {};
    for (char c : bytes)
        present[uchar(c)] = true;
    const int beyondAscii = int(std::count_if(sample.cbegin(), sample.cend(),
                                              [](char c) { return uchar(c) >= 0x80; }));
    const double detectorLead =
        DetectorLead + DetectorLeadPerPage * qMin(1.0, double(beyondAscii) / PageOfBytes);

    QVector<Candidate> candidates;
    QVector<QTextCodec *> seen;
    for (int mib : cleanMibs) {
        Candidate candidate;
        candidate.info = registry.find(mib);
        if (!candidate.info || seen.contains(candidate.info->codec))
            continue;
        seen.append(candidate.info->codec);
        if (!decodeSample(&candidate, sample, present))
            continue;
        const QByteArray *source = candidate.info->byteChars.isEmpty() ? nullptr : &sample;
        candidate.score = textCoherence(candidate.sample, source) - candidate.info->penalty;
        candidate.detected = detected && candidate.info->codec == detected->codec;
        candidate.rankScore = candidate.score + (candidate.detected ? detectorLead : 0);
        candidates.append(candidate);
    }
    if (candidates.isEmpty())
        return {};

    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        if (a.rankScore != b.rankScore)
            return a.rankScore > b.rankScore;
        return a.info->rank < b.info->rank;
    });
    const double bestScore = std::max_element(candidates.cbegin(), candidates.cend(),
                                              [](const Candidate &a, const Candidate &b) {
                                                  return a.score < b.score;
                                              })->score;
    const double floor = qMax(MinScore, MinShareOfBest * bestScore);

    // Candidates that read the file alike are one suggestion, under the better-known name and
    // in the place of the better-read one. Texts that differ mostly differ in the sample already;
    // only when the sample is not the whole file do equal samples need the whole text compared.
    struct Suggestion {
        QVector<int> members; // indexes into candidates, best read first
    };
    QVector<Suggestion> suggestions;
    const bool sampleIsAll = sample.size() == bytes.size();
    const auto digest = [&bytes](Candidate &c) {
        if (c.digest.isEmpty())
            c.digest = textDigest(c.info->codec, bytes, &c.substituted);
    };
    for (int i = 0; i < candidates.size(); ++i) {
        Candidate &candidate = candidates[i];
        if (candidate.score < floor && !candidate.detected)
            continue;
        // The sample of a multi-byte codec said nothing of the rest of the file.
        if (!sampleIsAll && candidate.info->byteChars.isEmpty() && !isUnicodeCodec(candidate.info->codec)) {
            digest(candidate);
            if (candidate.substituted)
                continue;
        }
        bool merged = false;
        for (Suggestion &suggestion : suggestions) {
            Candidate &first = candidates[suggestion.members.first()];
            if (first.sample != candidate.sample)
                continue;
            if (!sampleIsAll) {
                digest(first);
                digest(candidate);
                if (first.digest != candidate.digest)
                    continue;
            }
            suggestion.members.append(i);
            merged = true;
            break;
        }
        if (!merged)
            suggestions.append(Suggestion{{i}});
    }

    QList<int> result;
    for (const Suggestion &suggestion : qAsConst(suggestions)) {
        const Candidate *best = &candidates[suggestion.members.first()];
        for (int member : suggestion.members)
            if (candidates[member].info->rank < best->info->rank)
                best = &candidates[member];
        result.append(best->info->mib);
    }
    return result;
}
