// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIDYCHARS_H
#define TIDYCHARS_H

#include <QString>

// The characters Tidy Persian Text tells apart, shared by its rules and what protects text from them.
namespace Tidy {

constexpr ushort Zwnj = 0x200C;
constexpr ushort Zwj = 0x200D;
constexpr ushort Tatweel = 0x0640;
constexpr ushort ArabicComma = 0x060C;
constexpr ushort ArabicSemicolon = 0x061B;
constexpr ushort ArabicQuestionMark = 0x061F;
constexpr ushort OpeningGuillemet = 0x00AB;
constexpr ushort ClosingGuillemet = 0x00BB;
constexpr ushort HorizontalEllipsis = 0x2026;
// Stands for a protected span while the rules run. No rule changes, moves or removes a
// private-use character, and the rules take it for a word of another script.
constexpr ushort Placeholder = 0xE000;
// The same for the part of a line outside the range tidied where white space or a mark parts it
// from the range: a word in the range may start or end there, and the rules take it for a mark.
constexpr ushort ContextBreak = 0xE001;

inline bool isPlaceholder(ushort c)
{
    return c == Placeholder || c == ContextBreak;
}

struct Span {
    int start;
    int end;
};

inline bool isLineEnd(ushort c)
{
    return c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029;
}

// QChar::isSpace() without its table lookup for the letters of most scripts, which it does
// for every character past ASCII.
inline bool isWhite(ushort c)
{
    if (c <= ' ')
        return c == ' ' || (c >= 0x09 && c <= 0x0D);
    if (c < 0x1680)
        return c == 0x85 || c == 0xA0;
    return QChar::isSpace(c);
}

inline bool inArabicBlocks(ushort c)
{
    return (c >= 0x0600 && c <= 0x06FF) || (c >= 0x0750 && c <= 0x077F) || (c >= 0x08A0 && c <= 0x08FF)
        || (c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF);
}

inline bool isArabicLetter(QChar c)
{
    const ushort u = c.unicode();
    return u >= 0x0620 && u != Tatweel && c.isLetter() && c.script() == QChar::Script_Arabic;
}

inline bool isArabicMark(QChar c)
{
    return inArabicBlocks(c.unicode()) && c.isMark();
}

inline int digitValue(ushort c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 0x0660 && c <= 0x0669)
        return c - 0x0660;
    if (c >= 0x06F0 && c <= 0x06F9)
        return c - 0x06F0;
    return -1;
}

inline bool isDigit(QChar c)
{
    return digitValue(c.unicode()) >= 0;
}

inline bool isAsciiLetter(ushort c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool isAsciiAlnum(ushort c)
{
    return isAsciiLetter(c) || (c >= '0' && c <= '9');
}

// A letter of a script other than Arabic, or a protected span.
inline bool isOtherLetter(QChar c)
{
    return c.unicode() == Placeholder || (c.isLetter() && c.unicode() != Tatweel && !isArabicLetter(c));
}

// Anything a word goes on with: a letter, a digit, a mark, a joiner or non-joiner.
inline bool isWordChar(QChar c)
{
    const ushort u = c.unicode();
    return c.isLetterOrNumber() || c.isMark() || u == Zwnj || u == Zwj || u == Placeholder || u == '_';
}

inline bool isArabicPunctuation(ushort c)
{
    return c == ArabicComma || c == ArabicSemicolon || c == ArabicQuestionMark;
}

// A character only Persian (Arabic-script) text has.
inline bool isPersian(QChar c)
{
    const ushort u = c.unicode();
    return isArabicLetter(c) || isArabicMark(c) || (u >= 0x0660 && u <= 0x0669) || (u >= 0x06F0 && u <= 0x06F9)
        || isArabicPunctuation(u) || u == Zwnj || u == Tatweel;
}

inline bool isClosing(ushort c)
{
    return c == ')' || c == ']' || c == ClosingGuillemet || c == '"' || c == '\'';
}

inline bool isOpening(ushort c)
{
    return c == '(' || c == '[' || c == OpeningGuillemet || c == '"' || c == '\'';
}

// Whether Persian text ends at `at`, closing brackets and quotes after it included.
inline bool persianEndsAt(const QString &text, int at)
{
    while (at >= 0 && isClosing(text.at(at).unicode()))
        --at;
    return at >= 0 && isPersian(text.at(at));
}

// Whether Persian text starts at `at`, opening brackets and quotes before it included.
inline bool persianStartsAt(const QString &text, int at)
{
    while (at < text.size() && isOpening(text.at(at).unicode()))
        ++at;
    return at < text.size() && isPersian(text.at(at));
}

}

#endif
