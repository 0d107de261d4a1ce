// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tidyprotection.h"

#include <algorithm>

namespace Tidy {

namespace {

bool isSchemeChar(ushort c)
{
    return isAsciiAlnum(c) || c == '+' || c == '.' || c == '-';
}

bool isTrailingPunctuation(ushort c)
{
    return c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?' || c == '\'' || c == '"'
        || c == OpeningGuillemet || c == ClosingGuillemet || isArabicPunctuation(c) || c == HorizontalEllipsis;
}

// The end of a URL or path without the punctuation of the sentence it ends, and without a
// closing bracket it does not open.
int trimmedEnd(const QString &text, int start, int end)
{
    while (end > start) {
        const ushort c = text.at(end - 1).unicode();
        if (isTrailingPunctuation(c))
            --end;
        else if (c == ')' && !text.midRef(start, end - start).contains(QLatin1Char('(')))
            --end;
        else if (c == ']' && !text.midRef(start, end - start).contains(QLatin1Char('[')))
            --end;
        else
            break;
    }
    return end;
}

// The parts of one word (text between white space) that the rules leave alone: a URL, an
// e-mail address, a path or file name, a number with a decimal point.
void protectWord(const QString &text, int start, int end, QVector<Span> &spans)
{
    if (start >= end)
        return;
    // Numbers with a decimal point, wherever they stand in the word.
    for (int i = start; i < end; ++i) {
        if (!isDigit(text.at(i)))
            continue;
        int to = i;
        bool decimal = false;
        for (;;) {
            while (to < end && isDigit(text.at(to)))
                ++to;
            if (to + 1 < end && text.at(to) == QLatin1Char('.') && isDigit(text.at(to + 1))) {
                decimal = true;
                ++to;
            } else {
                break;
            }
        }
        if (decimal)
            spans.append({i, to});
        i = to;
    }

    const QStringRef word = text.midRef(start, end - start);
    const int scheme = word.indexOf(QLatin1String("://"));
    if (scheme > 0) {
        int from = start + scheme;
        while (from > start && isSchemeChar(text.at(from - 1).unicode()))
            --from;
        while (from < start + scheme && !isAsciiLetter(text.at(from).unicode()))
            ++from;
        if (from < start + scheme) {
            spans.append({from, trimmedEnd(text, from, end)});
            protectWord(text, start, from, spans);
            return;
        }
    }
    for (int www = word.indexOf(QLatin1String("www."), 0, Qt::CaseInsensitive); www >= 0;
         www = word.indexOf(QLatin1String("www."), www + 1, Qt::CaseInsensitive)) {
        if (www == 0 || !isAsciiAlnum(word.at(www - 1).unicode())) {
            spans.append({start + www, trimmedEnd(text, start + www, end)});
            protectWord(text, start, start + www, spans);
            return;
        }
    }
    const int at = word.indexOf(QLatin1Char('@'));
    if (at > 0) {
        const auto local = [](ushort c) { return isAsciiAlnum(c) || c == '.' || c == '_' || c == '%' || c == '+' || c == '-'; };
        const auto domain = [](ushort c) { return isAsciiAlnum(c) || c == '.' || c == '-'; };
        int from = start + at;
        while (from > start && local(text.at(from - 1).unicode()))
            --from;
        int to = start + at + 1;
        while (to < end && domain(text.at(to).unicode()))
            ++to;
        while (to > start + at + 1 && text.at(to - 1) == QLatin1Char('.'))
            --to;
        const QStringRef host = text.midRef(start + at + 1, to - start - at - 1);
        if (from < start + at && host.indexOf(QLatin1Char('.')) > 0) {
            spans.append({from, to});
            protectWord(text, start, from, spans);
            protectWord(text, to, end, spans);
            return;
        }
    }

    // The word without the brackets, quotes and punctuation of its sentence.
    int first = start;
    while (first < end && isOpening(text.at(first).unicode()))
        ++first;
    const int last = trimmedEnd(text, first, end);
    if (first >= last)
        return;
    const QStringRef core = text.midRef(first, last - first);
    bool latin = false;
    for (QChar c : core)
        latin = latin || isAsciiLetter(c.unicode());
    // A path has a Latin letter somewhere: "و/یا" and dates like 1403/05/12 are Persian text.
    if (latin && (core.contains(QLatin1Char('/')) || core.contains(QLatin1Char('\\')))) {
        spans.append({first, last});
        return;
    }
    // File names: an extension of up to five Latin letters and digits after a name.
    for (int dot = first + core.indexOf(QLatin1Char('.')); dot >= first;
         dot = first + core.indexOf(QLatin1Char('.'), dot + 1 - first)) {
        int extensionEnd = dot + 1;
        while (extensionEnd < last && isAsciiAlnum(text.at(extensionEnd).unicode()))
            ++extensionEnd;
        const int extension = extensionEnd - dot - 1;
        if (extension < 1 || extension > 5 || !isAsciiLetter(text.at(dot + 1).unicode())
            || (extensionEnd < last && text.at(extensionEnd) == QLatin1Char('_')))
            continue;
        int name = dot;
        while (name > first) {
            const QChar c = text.at(name - 1);
            if (!(c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_') || c == QLatin1Char('-')
                  || c == QLatin1Char('.') || c.unicode() == Zwnj))
                break;
            --name;
        }
        if (name < dot && text.at(dot - 1) != QLatin1Char('.'))
            spans.append({name, extensionEnd});
    }
}

// Words end at white space, and at the marks of Persian sentences and the Latin ones that become
// them, so that what the rules do to those and the spaces around them does not change what is
// protected.
bool breaksWord(ushort c)
{
    return isWhite(c) || isArabicPunctuation(c) || c == ',' || c == ';' || c == '?' || c == OpeningGuillemet
        || c == ClosingGuillemet;
}

}

QVector<Span> backtickSpans(const QString &text)
{
    QVector<Span> spans;
    int open = -1;
    int openLength = 0;
    for (int i = text.indexOf(QLatin1Char('`')); i >= 0; i = text.indexOf(QLatin1Char('`'), i)) {
        int end = i;
        while (end < text.size() && text.at(end) == QLatin1Char('`'))
            ++end;
        const int length = end - i;
        if (open >= 0 && openLength < 3) {
            for (int k = open + openLength; k < i && open >= 0; ++k)
                if (isLineEnd(text.at(k).unicode()))
                    open = -1;
        }
        if (open < 0) {
            open = i;
            openLength = length;
        } else if (length == openLength) {
            spans.append({open, end});
            open = -1;
        }
        i = end;
    }
    return spans;
}

bool marksProtectable(ushort c)
{
    return c == '.' || c == ':' || c == '@' || c == '/' || c == '\\';
}

LineWork lineWork(const QString &text, int start, int end, int partStart, int partEnd, const QVector<Span> &ticks,
                  int tick, bool protectable, bool placeholders)
{
    LineWork line;
    line.start = start;
    line.end = end;
    QVector<Span> spans;
    if (start < partStart)
        spans.append({start, partStart});
    if (partEnd < end)
        spans.append({partEnd, end});
    for (int t = tick; t < ticks.size() && ticks.at(t).start < end; ++t)
        spans.append({std::max(ticks.at(t).start, start), std::min(ticks.at(t).end, end)});
    const QChar *data = text.constData();
    if (protectable) {
        for (int i = start; i < end; ++i) {
            if (!marksProtectable(data[i].unicode()))
                continue;
            int wordStart = i;
            while (wordStart > start && !breaksWord(data[wordStart - 1].unicode()))
                --wordStart;
            int wordEnd = i + 1;
            while (wordEnd < end && !breaksWord(data[wordEnd].unicode()))
                ++wordEnd;
            protectWord(text, wordStart, wordEnd, spans);
            i = wordEnd;
        }
    }
    if (placeholders) {
        for (int i = start; i < end; ++i)
            if (isPlaceholder(data[i].unicode()))
                spans.append({i, i + 1});
    }
    std::sort(spans.begin(), spans.end(), [](const Span &a, const Span &b) { return a.start < b.start; });
    for (const Span &span : qAsConst(spans)) {
        if (span.start >= span.end)
            continue;
        if (!line.spans.isEmpty() && span.start <= line.spans.last().end)
            line.spans.last().end = std::max(line.spans.last().end, span.end);
        else
            line.spans.append(span);
    }

    if (line.spans.isEmpty()) {
        // A view of the text: a rule that changes the line makes its own copy.
        line.work = QString::fromRawData(data + start, end - start);
        return line;
    }
    line.work.reserve(end - start);
    int at = start;
    for (const Span &span : qAsConst(line.spans)) {
        line.work.append(text.midRef(at, span.start - at));
        const bool partedBefore = span.end == partStart && breaksWord(data[partStart - 1].unicode());
        const bool partedAfter = span.start == partEnd && breaksWord(data[partEnd].unicode());
        line.work.append(QChar(partedBefore || partedAfter ? ContextBreak : Placeholder));
        at = span.end;
    }
    line.work.append(text.midRef(at, end - at));
    return line;
}

QString restoredLine(const QString &text, const LineWork &line, QVector<int> &tracked, const QVector<int> &inside)
{
    if (line.spans.isEmpty())
        return line.work;
    QString tidied;
    tidied.reserve(line.work.size() + (line.end - line.start));
    QVector<int> mapped = tracked;
    int copied = 0;
    int k = 0;
    for (int i = 0; i < line.work.size() && k < line.spans.size(); ++i) {
        if (!isPlaceholder(line.work.at(i).unicode()))
            continue;
        const Span &span = line.spans.at(k++);
        tidied.append(line.work.midRef(copied, i - copied));
        for (int t = 0; t < tracked.size(); ++t) {
            if (tracked.at(t) == i)
                mapped[t] = tidied.size() + inside.at(t);
            else if (tracked.at(t) > i)
                mapped[t] += span.end - span.start - 1;
        }
        tidied.append(text.midRef(span.start, span.end - span.start));
        copied = i + 1;
    }
    tidied.append(line.work.midRef(copied));
    tracked = mapped;
    return tidied;
}

}
