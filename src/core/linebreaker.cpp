// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/linebreaker.h"

#include <QTextBoundaryFinder>

namespace {

const ushort zwnj = 0x200C;

inline bool endsLine(ushort u)
{
    return u == '\n' || u == '\r' || u == 0x2029;
}

// Where the line starting at `start` must break to be at most `limit` long: the index the next
// line starts at, and whether a line feed replaces the character before it (a space) or is
// inserted there (after a ZWNJ or at a grapheme boundary).
int breakPoint(const QString &text, int start, int lineEnd, int limit, bool *replaces)
{
    const QChar *data = text.constData();
    for (int i = start + limit; i > start; --i) {
        // A mark after a space or ZWNJ belongs to it; breaking there would strand the mark.
        if (i + 1 < lineEnd && data[i + 1].isMark())
            continue;
        if (data[i].unicode() == ' ') {
            *replaces = true;
            return i + 1;
        }
        if (data[i].unicode() == zwnj && i < start + limit) {
            *replaces = false;
            return i + 1;
        }
    }
    *replaces = false;
    // Only the characters around the limit decide its boundaries; a finder over the whole text
    // would read all of it for every break.
    const int length = qMin(limit + 16, lineEnd - start);
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, data + start, length);
    graphemes.setPosition(limit);
    int boundary = graphemes.isAtBoundary() ? limit : graphemes.toPreviousBoundary();
    if (boundary <= 0) {
        // A single cluster longer than the limit stays whole.
        graphemes.setPosition(limit);
        boundary = graphemes.toNextBoundary();
        if (boundary < 0)
            boundary = length;
    }
    boundary += start;
    return boundary;
}

}

int LineBreaker::longestLineLength(const QString &text)
{
    const ushort *p = text.utf16();
    const ushort *const end = p + text.size();
    const ushort *lineStart = p;
    int longest = 0;
    for (; p != end; ++p) {
        if (*p <= '\r' || *p == 0x2029) {
            if (endsLine(*p)) {
                longest = qMax(longest, int(p - lineStart));
                lineStart = p + 1;
            }
        }
    }
    return qMax(longest, int(end - lineStart));
}

double LineBreaker::keyCostMs(QStringView line, bool wrapped)
{
    // Microseconds a character: every character, an Arabic-script letter more, a combining
    // mark and a change of direction much more. Fitted to the measurements above.
    double micros = 0;
    int direction = 0;
    for (const QChar c : line) {
        micros += 2.0;
        const ushort u = c.unicode();
        if (u < 0x80) {
            if ((u | 0x20) >= 'a' && (u | 0x20) <= 'z') {
                if (direction < 0)
                    micros += 24;
                direction = 1;
            }
            continue;
        }
        if (c.isMark()) {
            micros += 5.8;
            continue;
        }
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
            micros += 0.6;
            if (direction > 0)
                micros += 24;
            direction = -1;
            break;
        case QChar::DirL:
            if (direction < 0)
                micros += 24;
            direction = 1;
            break;
        default:
            break;
        }
    }
    return micros / 1000 * (wrapped ? 0.35 : 1.0);
}

bool LineBreaker::mustBreak(const QString &text, bool wrapped, double *costliest)
{
    const ushort *data = text.utf16();
    const int size = text.size();
    double worst = 0;
    bool must = false;
    int lineStart = 0;
    for (int i = 0; i <= size; ++i) {
        if (i < size && !endsLine(data[i]))
            continue;
        const int length = i - lineStart;
        if (length > softLimit) {
            const double cost = keyCostMs(QStringView(text).mid(lineStart, length), wrapped);
            worst = qMax(worst, cost);
            must = must || length > hardLimit || cost > maxKeyMs;
        }
        lineStart = i + 1;
    }
    if (costliest)
        *costliest = worst;
    return must;
}

int LineBreaker::breakLongLines(QString *text, int limit)
{
    if (limit <= 0 || longestLineLength(*text) <= limit)
        return 0;
    const QString source = *text;
    QString result;
    result.reserve(source.size() + source.size() / limit + 16);
    int breaks = 0;
    int lineStart = 0;
    for (int i = 0; i <= source.size(); ++i) {
        if (i < source.size() && !endsLine(source.at(i).unicode()))
            continue;
        int start = lineStart;
        while (i - start > limit) {
            bool replaces = false;
            const int next = breakPoint(source, start, i, limit, &replaces);
            result.append(source.constData() + start, next - start - (replaces ? 1 : 0));
            result.append(QLatin1Char('\n'));
            ++breaks;
            start = next;
        }
        result.append(source.constData() + start, qMin(i + 1, source.size()) - start);
        lineStart = i + 1;
    }
    *text = result;
    return breaks;
}
