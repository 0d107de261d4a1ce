// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scriptconversion.h"

namespace {

constexpr ushort ArabicYeh = 0x064A;
constexpr ushort AlefMaksura = 0x0649;
constexpr ushort FarsiYeh = 0x06CC;
constexpr ushort ArabicKaf = 0x0643;
constexpr ushort Keheh = 0x06A9;
constexpr ushort ArabicIndicZero = 0x0660;
constexpr ushort PersianZero = 0x06F0;

int digitValue(ushort c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= ArabicIndicZero && c <= ArabicIndicZero + 9)
        return c - ArabicIndicZero;
    if (c >= PersianZero && c <= PersianZero + 9)
        return c - PersianZero;
    return -1;
}

ushort digitZero(ScriptConversion conversion)
{
    switch (conversion) {
    case ScriptConversion::PersianDigits:
        return PersianZero;
    case ScriptConversion::ArabicIndicDigits:
        return ArabicIndicZero;
    default:
        return '0';
    }
}

bool isParagraphBreak(ushort c)
{
    return c == '\n' || c == '\r' || c == QChar::ParagraphSeparator;
}

}

bool convertsDigits(ScriptConversion conversion)
{
    return conversion != ScriptConversion::PersianLetters && conversion != ScriptConversion::ArabicLetters;
}

bool endsWord(const QString &text, int at)
{
    const int size = text.size();
    for (int i = at + 1; i < size; ++i) {
        uint c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < size && text.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(ushort(c), text.at(i + 1).unicode());
        if (QChar::isMark(c))
            continue;
        return !(QChar::isLetter(c) || c == 0x200C || c == 0x200D);
    }
    return true;
}

ConversionResult convertScript(QString *text, int from, int to, ScriptConversion conversion,
                               bool finalYehAsAlefMaksura)
{
    ConversionResult result;
    from = qBound(0, from, text->size());
    to = qBound(from, to, text->size());
    if (from == to)
        return result;

    const bool digits = convertsDigits(conversion);
    const ushort zero = digitZero(conversion);
    const bool toPersian = conversion == ScriptConversion::PersianLetters;
    ushort *data = reinterpret_cast<ushort *>(text->data());
    int paragraphStart = from;
    int changedBefore = 0;
    const auto closeParagraph = [&](int end) {
        if (result.changed != changedBefore)
            result.paragraphs.append({paragraphStart, end - paragraphStart});
        changedBefore = result.changed;
    };

    for (int i = from; i < to; ++i) {
        const ushort c = data[i];
        ushort mapped = c;
        if (digits) {
            const int value = digitValue(c);
            if (value >= 0)
                mapped = ushort(zero + value);
        } else if (toPersian) {
            if (c == ArabicYeh || c == AlefMaksura)
                mapped = FarsiYeh;
            else if (c == ArabicKaf)
                mapped = Keheh;
        } else if (c == FarsiYeh) {
            mapped = finalYehAsAlefMaksura && endsWord(*text, i) ? AlefMaksura : ArabicYeh;
        } else if (c == Keheh) {
            mapped = ArabicKaf;
        }
        if (mapped != c) {
            data[i] = mapped;
            ++result.changed;
        } else if (isParagraphBreak(c)) {
            closeParagraph(i);
            paragraphStart = i + 1;
        }
    }
    closeParagraph(to);
    return result;
}
