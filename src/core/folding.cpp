// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/folding.h"

#include <QVector>
#include <array>

namespace {

struct LetterRule {
    ushort from;
    ushort to;
};

// Applied in this order by the whole-string passes; no target is the source of another rule,
// so a single pass through the same table gives the same result.
constexpr LetterRule Letters[] = {
    {0x064A, 0x06CC}, // Yeh -> Farsi Yeh
    {0x0626, 0x06CC}, // Yeh with Hamza above -> Farsi Yeh
    {0x0649, 0x06CC}, // Alef Maksura -> Farsi Yeh
    {0x0643, 0x06A9}, // Kaf -> Keheh
    {0x0623, 0x0627}, // Alef with Hamza above -> Alef
    {0x0625, 0x0627}, // Alef with Hamza below -> Alef
    {0x0622, 0x0627}, // Alef with Madda above -> Alef
    {0x0671, 0x0627}, // Alef Wasla -> Alef
    {0x0624, 0x0648}, // Waw with Hamza above -> Waw
    {0x0621, 0x0627}, // Hamza -> Alef
    {0x0629, 0x0647}, // Teh Marbuta -> Heh
};

// One table per combination of the two options, mapping every BMP unit (surrogates map to
// themselves and are handled as pairs).
using Table = QVector<ushort>;

Table buildTable(bool matchCase, bool matchLetters)
{
    Table table(0x10000);
    for (uint c = 0; c < 0x10000; ++c) {
        uint mapped = c;
        if (mapped == 0x2028 || mapped == 0x2029)
            mapped = 0x000A;
        if (!matchCase && !QChar::isSurrogate(mapped)) {
            // The dotted capital I lower-cases to two units in full; its simple lower case,
            // one unit like every other, is a plain i.
            const uint lower = mapped == 0x0130 ? 0x0069 : QChar::toLower(mapped);
            if (lower < 0x10000)
                mapped = lower;
        }
        if (!matchLetters)
            for (const LetterRule &rule : Letters)
                if (mapped == rule.from)
                    mapped = rule.to;
        table[int(c)] = ushort(mapped);
    }
    return table;
}

const Table &tableFor(bool matchCase, bool matchLetters)
{
    static const std::array<Table, 4> tables = {buildTable(false, false), buildTable(false, true),
                                                buildTable(true, false), buildTable(true, true)};
    return tables[(matchCase ? 2 : 0) + (matchLetters ? 1 : 0)];
}

}

QString foldText(const QString &text, bool matchCase, bool matchLetters)
{
    QString result;
    foldTextInto(text, &result, matchCase, matchLetters);
    return result;
}

bool insideSurrogatePair(const QString &text, int offset)
{
    return offset > 0 && offset < text.size() && text.at(offset - 1).isHighSurrogate()
        && text.at(offset).isLowSurrogate();
}

void foldTextInto(const QString &text, QString *folded, bool matchCase, bool matchLetters)
{
    const ushort *table = tableFor(matchCase, matchLetters).constData();
    const int size = text.size();
    if (folded->isSharedWith(text))
        folded->clear();
    folded->resize(size);
    const ushort *in = text.utf16();
    ushort *out = reinterpret_cast<ushort *>(folded->data());
    for (int i = 0; i < size; ++i) {
        const ushort c = in[i];
        if (Q_UNLIKELY(QChar::isHighSurrogate(c)) && !matchCase && i + 1 < size && QChar::isLowSurrogate(in[i + 1])) {
            const uint lower = QChar::toLower(QChar::surrogateToUcs4(c, in[i + 1]));
            if (QChar::requiresSurrogates(lower)) {
                out[i] = QChar::highSurrogate(lower);
                out[i + 1] = QChar::lowSurrogate(lower);
            } else {
                out[i] = c;
                out[i + 1] = in[i + 1];
            }
            ++i;
            continue;
        }
        out[i] = table[c];
    }
}

QString foldTextByPasses(const QString &text, bool matchCase, bool matchLetters)
{
    QString result = text;
    result.replace(QChar(0x2028), QChar(0x000A));
    result.replace(QChar(0x2029), QChar(0x000A));
    if (!matchCase)
        result = result.toLower();
    if (!matchLetters)
        for (const LetterRule &rule : Letters)
            result.replace(QChar(rule.from), QChar(rule.to));
    return result;
}
