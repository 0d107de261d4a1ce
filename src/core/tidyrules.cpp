// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tidyrules.h"
#include "core/tidychars.h"

#include <algorithm>

namespace Tidy {

namespace {

// Where the run of spaces from `from` ends.
int endOfSpaces(const QString &text, int from)
{
    while (from < text.size() && text.at(from) == QLatin1Char(' '))
        ++from;
    return from;
}

// Whether parts of a line stand in Persian text: the nearest letter before a part is
// Arabic-script or, with no letter before it on the line, the nearest one after it. One pass over
// the line for all its parts, asked for in order.
class LetterScan
{
public:
    explicit LetterScan(const QString &text)
        : m_text(text)
    {
    }

    bool persian(int from, int to)
    {
        for (; m_scanned < from; ++m_scanned) {
            const QChar c = m_text.at(m_scanned);
            if (isArabicLetter(c))
                m_last = 1;
            else if (isOtherLetter(c))
                m_last = -1;
        }
        if (m_last != 0)
            return m_last > 0;
        // No letter before it: the line's first letter comes after it.
        if (m_first == Unknown) {
            m_first = 0;
            for (int i = to; i < m_text.size() && m_first == 0; ++i)
                m_first = isArabicLetter(m_text.at(i)) ? 1 : isOtherLetter(m_text.at(i)) ? -1 : 0;
        }
        return m_first > 0;
    }

private:
    static constexpr int Unknown = 2;
    const QString &m_text;
    int m_scanned = 0;
    int m_last = 0;
    int m_first = Unknown;
};

bool joinsNext(QChar letter)
{
    const QChar::JoiningType type = letter.joiningType();
    return type == QChar::Joining_Dual || type == QChar::Joining_Causing || type == QChar::Joining_Left;
}

bool isYeh(ushort c)
{
    return c == 0x06CC || c == 0x064A || c == 0x0649;
}

ushort persianLetter(ushort c)
{
    if (c == 0x064A || c == 0x0649)
        return 0x06CC;
    if (c == 0x0643)
        return 0x06A9;
    return c;
}

const QString &zwnj()
{
    static const QString text{QChar(Zwnj)};
    return text;
}

const QString &space()
{
    static const QString text(QLatin1Char(' '));
    return text;
}

const QString &nothing()
{
    static const QString text;
    return text;
}

// Builds a rule's result from its replacements, made in order, and carries the positions
// tracked in the text over to it.
class Editor
{
public:
    Editor(QString &text, QVector<int> &tracked)
        : m_text(text)
        , m_tracked(tracked)
    {
    }

    void replace(int from, int to, const QString &with, bool counts = true)
    {
        if (!m_edited) {
            m_out.reserve(m_text.size() + 16);
            m_edited = true;
        }
        m_out.append(m_text.midRef(m_copied, from - m_copied));
        m_out.append(with);
        if (!m_tracked.isEmpty())
            m_moves.append({from, to, int(with.size())});
        m_copied = to;
        if (counts)
            ++m_changes;
    }

    int finish()
    {
        if (!m_edited)
            return 0;
        m_out.append(m_text.midRef(m_copied));
        for (int &position : m_tracked)
            position = mapped(position);
        m_text = m_out;
        return m_changes;
    }

private:
    struct Move {
        int from;
        int to;
        int length;
    };

    // Before a replacement a position stays, inside one it goes to its place in the new text
    // (at most its end), after one it moves with the text.
    int mapped(int position) const
    {
        int delta = 0;
        for (const Move &move : m_moves) {
            if (position < move.from || (position == move.from && move.to > move.from))
                break;
            if (position < move.to)
                return move.from + delta + std::min(position - move.from, move.length);
            delta += move.length - (move.to - move.from);
        }
        return position + delta;
    }

    QString &m_text;
    QVector<int> &m_tracked;
    QString m_out;
    QVector<Move> m_moves;
    int m_copied = 0;
    int m_changes = 0;
    bool m_edited = false;
};

bool isNumberSeparator(ushort c)
{
    return c == ',' || c == 0x066B || c == 0x066C || c == '/' || c == ':' || c == '-';
}

int persianMarks(QString &text, QVector<int> &tracked)
{
    Editor edit(text, tracked);
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const ushort u = text.at(i).unicode();
        if (u != ',' && u != ';' && u != '?')
            continue;
        // A thousands separator.
        if (u == ',' && i > 0 && i + 1 < size && isDigit(text.at(i - 1)) && isDigit(text.at(i + 1)))
            continue;
        // Marks next to each other go together: "چرا?!" or ",;" after a Persian word.
        const auto latinMark = [](ushort c) { return c == ',' || c == ';' || c == '?'; };
        int before = i - 1;
        while (before >= 0 && (text.at(before) == QLatin1Char(' ') || latinMark(text.at(before).unicode())))
            --before;
        int after = i + 1;
        while (after < size && latinMark(text.at(after).unicode()))
            ++after;
        if (persianEndsAt(text, before) || persianStartsAt(text, after)) {
            const ushort mark = u == ',' ? ArabicComma : u == ';' ? ArabicSemicolon : ArabicQuestionMark;
            edit.replace(i, i + 1, QString(QChar(mark)));
        }
    }
    return edit.finish();
}

bool takesNoSpaceBefore(ushort c)
{
    return c == '.' || isArabicPunctuation(c) || c == '!' || c == ':' || c == HorizontalEllipsis || c == ')'
        || c == ']' || c == ClosingGuillemet;
}

bool takesNoSpaceAfter(ushort c)
{
    return c == '(' || c == '[' || c == OpeningGuillemet;
}

int spaceAroundMarks(QString &text, QVector<int> &tracked)
{
    Editor edit(text, tracked);
    const int size = text.size();
    for (int i = text.indexOf(QLatin1Char(' ')); i >= 0; i = text.indexOf(QLatin1Char(' '), i)) {
        int end = endOfSpaces(text, i);
        // Neither the indent at a line's start nor the spaces at its end (the spaces rule's).
        if (i > 0 && end < size) {
            const ushort before = text.at(i - 1).unicode();
            const ushort after = text.at(end).unicode();
            const bool beforeMark = takesNoSpaceBefore(after)
                && (isArabicPunctuation(after) || persianEndsAt(text, i - 1));
            const bool afterMark = takesNoSpaceAfter(before) && persianStartsAt(text, end);
            if (beforeMark || afterMark)
                edit.replace(i, end, nothing());
        }
        i = end;
    }
    return edit.finish();
}

bool takesSpaceAfter(ushort c)
{
    return c == '.' || isArabicPunctuation(c) || c == '!' || c == ':' || c == HorizontalEllipsis;
}

int spaceAfterMarks(QString &text, QVector<int> &tracked)
{
    Editor edit(text, tracked);
    const int size = text.size();
    for (int i = 0; i + 1 < size; ++i) {
        const ushort mark = text.at(i).unicode();
        if (!takesSpaceAfter(mark))
            continue;
        const QChar next = text.at(i + 1);
        if (!isArabicLetter(next) && !isOtherLetter(next))
            continue;
        if (isArabicPunctuation(mark) || isArabicLetter(next) || persianEndsAt(text, i - 1))
            edit.replace(i + 1, i + 1, space());
    }
    return edit.finish();
}

// The end of the suffix word at `at`, or -1. Arabic Yeh and Alef Maksura count as Yeh.
int suffixEnd(const QString &text, int at)
{
    static const char16_t *const suffixes[] = {u"هایی", u"های", u"ها", u"ترین", u"تری"};
    for (const char16_t *suffix : suffixes) {
        int i = at;
        for (const char16_t *c = suffix; *c; ++c, ++i) {
            if (i >= text.size())
                break;
            const ushort u = text.at(i).unicode();
            if (!(u == *c || (isYeh(*c) && isYeh(u))))
                break;
            if (!c[1]) {
                const int end = i + 1;
                if (end == text.size() || !isWordChar(text.at(end)))
                    return end;
            }
        }
    }
    return -1;
}

int tidyNonJoiners(QString &text, QVector<int> &tracked)
{
    Editor edit(text, tracked);
    const int size = text.size();
    for (int i = text.indexOf(QChar(Zwnj)); i >= 0; i = text.indexOf(QChar(Zwnj), i)) {
        int end = i;
        while (end < size && text.at(end).unicode() == Zwnj)
            ++end;
        // Other scripts use the non-joiner too; only one in Persian text is looked at.
        int left = i - 1;
        while (left >= 0 && text.at(left) == QLatin1Char(' '))
            --left;
        int right = end;
        while (right < size && text.at(right) == QLatin1Char(' '))
            ++right;
        const auto arabic = [](QChar c) { return isArabicLetter(c) || isArabicMark(c) || c.unicode() == Tatweel; };
        if ((left >= 0 && arabic(text.at(left))) || (right < size && arabic(text.at(right)))) {
            int letter = i - 1;
            while (letter >= 0 && isArabicMark(text.at(letter)))
                --letter;
            const bool joinedBefore = letter >= 0
                && (text.at(letter).unicode() == Tatweel || (isArabicLetter(text.at(letter)) && joinsNext(text.at(letter))));
            const bool letterAfter = end < size && isArabicLetter(text.at(end));
            if (!joinedBefore || !letterAfter)
                edit.replace(i, end, nothing());
            else if (end - i > 1)
                edit.replace(i, end, zwnj());
        }
        i = end;
    }
    return edit.finish();
}

int tidySpaces(QString &text, QVector<int> &tracked)
{
    Editor edit(text, tracked);
    const int size = text.size();
    for (int i = text.indexOf(QLatin1Char(' ')); i >= 0; i = text.indexOf(QLatin1Char(' '), i)) {
        int end = endOfSpaces(text, i);
        // A line's indent stays; so do the columns of text in other scripts.
        if (i > 0 && end == size)
            edit.replace(i, end, nothing());
        else if (i > 0 && end - i > 1 && (persianEndsAt(text, i - 1) || persianStartsAt(text, end)))
            edit.replace(i, end, space());
        i = end;
    }
    return edit.finish();
}

}

int fixLetters(QString &text, QVector<int> &tracked)
{
    // Yeh and Kaf keep the length: changed in place. Presentation forms are rare, and a
    // ligature becomes several letters: those go through an editor afterwards.
    int changes = 0;
    bool forms = false;
    const int size = text.size();
    QChar *data = nullptr;
    for (int i = 0; i < size; ++i) {
        const ushort u = text.constData()[i].unicode();
        if (u < 0x0643)
            continue;
        if (persianLetter(u) != u) {
            if (!data)
                data = text.data();
            data[i] = QChar(persianLetter(u));
            ++changes;
        } else if (u >= 0xFB50 && u <= 0xFEFF && (u <= 0xFDFF || u >= 0xFE70)) {
            forms = true;
        }
    }
    if (!forms)
        return changes;
    Editor edit(text, tracked);
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (u < 0xFB50 || (u > 0xFDFF && u < 0xFE70) || c.decompositionTag() == QChar::NoDecomposition)
            continue;
        QString letters = c.decomposition();
        // The spacing forms of the vowel signs are a space and the sign: no letters to recover.
        if (letters.contains(QLatin1Char(' ')))
            continue;
        for (QChar &letter : letters)
            letter = QChar(persianLetter(letter.unicode()));
        edit.replace(i, i + 1, letters);
    }
    return changes + edit.finish();
}

int removeKashida(QString &text, QVector<int> &tracked)
{
    Editor edit(text, tracked);
    const int size = text.size();
    for (int i = text.indexOf(QChar(Tatweel)); i >= 0 && i < size; i = text.indexOf(QChar(Tatweel), i)) {
        int end = i;
        while (end < size && text.at(end).unicode() == Tatweel)
            ++end;
        int before = i - 1;
        while (before >= 0 && isArabicMark(text.at(before)))
            --before;
        // A tatweel that carries a mark, or stands alone to show a suffix ("ـها"), stays.
        if (before >= 0 && isArabicLetter(text.at(before)) && end < size && isArabicLetter(text.at(end)))
            edit.replace(i, end, nothing());
        i = end;
    }
    return edit.finish();
}

int persianDigits(QString &text, QVector<int> &tracked)
{
    Editor edit(text, tracked);
    LetterScan letters(text);
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        if (!isDigit(text.at(i)))
            continue;
        int end = i + 1;
        while (end < size) {
            if (isDigit(text.at(end)))
                ++end;
            else if (isNumberSeparator(text.at(end).unicode()) && end + 1 < size && isDigit(text.at(end + 1)))
                end += 2;
            else
                break;
        }
        // Digits that are part of a Latin word ("Qt5", "mp3", "x86_64") stay.
        const auto latin = [](QChar c) { return isOtherLetter(c) || c.unicode() == '_'; };
        const bool inWord = (i > 0 && latin(text.at(i - 1))) || (end < size && latin(text.at(end)));
        if (!inWord && letters.persian(i, end)) {
            QString number = text.mid(i, end - i);
            for (QChar &c : number) {
                const int value = digitValue(c.unicode());
                if (value >= 0)
                    c = QChar(ushort(0x06F0 + value));
            }
            if (number != text.midRef(i, end - i))
                edit.replace(i, end, number);
        }
        i = end - 1;
    }
    return edit.finish();
}

int joinEllipsis(QString &text, QVector<int> &tracked)
{
    Editor edit(text, tracked);
    LetterScan letters(text);
    const int size = text.size();
    for (int i = text.indexOf(QLatin1Char('.')); i >= 0; i = text.indexOf(QLatin1Char('.'), i)) {
        int end = i;
        while (end < size && text.at(end) == QLatin1Char('.'))
            ++end;
        if (end - i == 3 && letters.persian(i, end))
            edit.replace(i, end, QString(QChar(HorizontalEllipsis)));
        i = end;
    }
    return edit.finish();
}

int fixPunctuation(QString &text, QVector<int> &tracked)
{
    return persianMarks(text, tracked) + spaceAroundMarks(text, tracked) + spaceAfterMarks(text, tracked);
}

int persianQuotes(QString &text, QVector<int> &tracked)
{
    QVector<int> quotes;
    for (int i = text.indexOf(QLatin1Char('"')); i >= 0; i = text.indexOf(QLatin1Char('"'), i + 1))
        quotes.append(i);
    Editor edit(text, tracked);
    for (int q = 0; q + 1 < quotes.size(); q += 2) {
        const int open = quotes.at(q);
        const int close = quotes.at(q + 1);
        bool persian = false;
        for (int i = open + 1; i < close && !persian; ++i)
            persian = isArabicLetter(text.at(i));
        if (!persian)
            continue;
        int start = open + 1;
        while (text.at(start) == QLatin1Char(' '))
            ++start;
        int end = close;
        while (text.at(end - 1) == QLatin1Char(' '))
            --end;
        edit.replace(open, start, QString(QChar(OpeningGuillemet)));
        edit.replace(end, close + 1, QString(QChar(ClosingGuillemet)), false);
    }
    return edit.finish();
}

int joinPrefixes(QString &text, QVector<int> &tracked)
{
    constexpr ushort Noon = 0x0646;
    constexpr ushort Meem = 0x0645;
    Editor edit(text, tracked);
    const int size = text.size();
    for (int m = text.indexOf(QChar(Meem)); m >= 0; m = text.indexOf(QChar(Meem), m + 1)) {
        const int meem = m;
        const int i = m > 0 && text.at(m - 1).unicode() == Noon ? m - 1 : m;
        if (i > 0 && isWordChar(text.at(i - 1)))
            continue;
        const int yeh = meem + 1;
        if (yeh + 1 >= size || !isYeh(text.at(yeh).unicode()) || text.at(yeh + 1) != QLatin1Char(' '))
            continue;
        int end = endOfSpaces(text, yeh + 1);
        if (end < size && isArabicLetter(text.at(end)))
            edit.replace(yeh + 1, end, zwnj());
        m = end - 1;
    }
    return edit.finish();
}

int joinSuffixes(QString &text, QVector<int> &tracked)
{
    Editor edit(text, tracked);
    const int size = text.size();
    for (int i = text.indexOf(QLatin1Char(' ')); i >= 0; i = text.indexOf(QLatin1Char(' '), i)) {
        int end = endOfSpaces(text, i);
        // Every suffix starts with Heh or Teh.
        const bool suffix = end < size && (text.at(end).unicode() == 0x0647 || text.at(end).unicode() == 0x062A);
        int letter = i - 1;
        while (suffix && letter >= 0 && isArabicMark(text.at(letter)))
            --letter;
        if (suffix && letter >= 0 && isArabicLetter(text.at(letter)) && suffixEnd(text, end) > 0)
            // After a letter that does not join the next (ا د ذ ر ز ژ و), a non-joiner would change
            // nothing: the suffix is written on.
            edit.replace(i, end, joinsNext(text.at(letter)) ? zwnj() : nothing());
        i = end;
    }
    return edit.finish();
}

int fixSpaces(QString &text, QVector<int> &tracked)
{
    return tidyNonJoiners(text, tracked) + tidySpaces(text, tracked);
}

}
