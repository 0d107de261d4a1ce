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
    // Microseconds a character, fitted to the measurements above: every character, an
    // Arabic-script letter a little more, a combining mark and a change of direction much more,
    // and far more again where the whole line is drawn.
    struct Weights {
        double character, arabic, mark, turn;
    };
    const Weights w = wrapped ? Weights{0.35, 0.16, 0.38, 2.1} : Weights{0.72, 0.6, 3.5, 13.4};
    double micros = 0;
    int direction = 0;
    const auto strong = [&](int next) {
        if (direction != 0 && direction != next)
            micros += w.turn;
        direction = next;
    };
    for (const QChar c : line) {
        micros += w.character;
        const ushort u = c.unicode();
        if (u < 0x80) {
            if ((u | 0x20) >= 'a' && (u | 0x20) <= 'z')
                strong(1);
        } else if (c.isMark()) {
            micros += w.mark;
        } else {
            switch (c.direction()) {
            case QChar::DirR:
            case QChar::DirAL:
                micros += w.arabic;
                strong(-1);
                break;
            case QChar::DirL:
                strong(1);
                break;
            default:
                break;
            }
        }
    }
    // Past some length each character costs more the longer the line: measured up to 800,000
    // characters, wrapped lines of Persian words took 1.8 times the sum above at 400,000, and
    // unwrapped ones 1.3 times at 150,000.
    const double growsFrom = wrapped ? 300000 : 150000;
    return micros / 1000 * qMax(1.0, line.size() / growsFrom);
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

qint64 LineBreaker::lineCount(const QString &text)
{
    const auto breaksParagraph = [](ushort u) { return endsLine(u) || u == 0xFDD0 || u == 0xFDD1; };
    const ushort *p = text.utf16();
    const ushort *const end = p + text.size();
    qint64 breaks = 0;
    for (; p != end; ++p) {
        if ((*p <= '\r' || *p >= 0x2029) && breaksParagraph(*p) && !(*p == '\r' && p + 1 != end && p[1] == '\n'))
            ++breaks;
    }
    const bool lastLineOpen = !text.isEmpty() && !breaksParagraph(text.back().unicode());
    return breaks + (lastLineOpen ? 1 : 0);
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
