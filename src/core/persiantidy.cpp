// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/persiantidy.h"
#include "core/tidyprotection.h"
#include "core/tidyrules.h"

#include <algorithm>

using namespace Tidy;

namespace {

struct Rule {
    TidyRule rule;
    const char *name;
    int (*apply)(QString &text, QVector<int> &tracked);
};

// The rules in the order they apply.
const Rule Rules[TidyRuleCount] = {
    {TidyRule::Letters, "letters", Tidy::fixLetters},
    {TidyRule::Kashida, "kashida", Tidy::removeKashida},
    {TidyRule::Digits, "digits", Tidy::persianDigits},
    {TidyRule::Ellipsis, "ellipsis", Tidy::joinEllipsis},
    {TidyRule::Punctuation, "punctuation", Tidy::fixPunctuation},
    {TidyRule::Quotes, "quotes", Tidy::persianQuotes},
    {TidyRule::Prefixes, "prefixes", Tidy::joinPrefixes},
    {TidyRule::Suffixes, "suffixes", Tidy::joinSuffixes},
    {TidyRule::Spaces, "spaces", Tidy::fixSpaces},
};

// One rule's change can make work for one before it (a non-joiner dropped leaves a space before
// a full stop): the rules run again until nothing changes, so a second tidy finds nothing to do.
// Only the spacing rules, from punctuation on, make work for earlier ones; after the letters,
// kashida, digits and ellipsis alone, one round is enough.
void tidyLine(QString &line, QVector<int> &tracked, TidyRules rules, int *changes)
{
    constexpr int FirstSpacingRule = 4;
    static_assert(TidyRule::Punctuation == TidyRule(1u << FirstSpacingRule), "the punctuation rule starts the spacing rules");
    for (int round = 0; round < 8; ++round) {
        bool again = false;
        for (int r = 0; r < TidyRuleCount; ++r) {
            if (!rules.testFlag(Rules[r].rule))
                continue;
            const int count = Rules[r].apply(line, tracked);
            changes[r] += count;
            again = again || (count > 0 && r >= FirstSpacingRule);
        }
        if (!again)
            return;
    }
}

// Whether a from i and b from j agree for n characters, or to their ends.
bool agree(const QString &a, int i, const QString &b, int j, int n)
{
    if (i + n > a.size() || j + n > b.size())
        return a.size() - i == b.size() - j && a.midRef(i) == b.midRef(j);
    return a.midRef(i, n) == b.midRef(j, n);
}

struct Hunk {
    int before;
    int beforeEnd;
    int after;
    int afterEnd;
};

// Where a line changed: both versions are walked together and, where they differ, the nearest
// place where they agree again for a few characters ends the change. The rules change a line in
// small steps, each far shorter than the window looked through.
QVector<Hunk> hunksOf(const QString &a, const QString &b)
{
    constexpr int Window = 16;
    constexpr int Anchor = 3;
    QVector<Hunk> hunks;
    int i = 0;
    int j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a.at(i) == b.at(j)) {
            ++i;
            ++j;
            continue;
        }
        int skipA = a.size() - i;
        int skipB = b.size() - j;
        bool found = false;
        for (int total = 1; total <= 2 * Window && !found; ++total) {
            for (int k = std::max(0, total - Window); k <= std::min(total, Window) && !found; ++k) {
                if (agree(a, i + k, b, j + total - k, Anchor)) {
                    skipA = k;
                    skipB = total - k;
                    found = true;
                }
            }
        }
        hunks.append({i, i + skipA, j, j + skipB});
        i += skipA;
        j += skipB;
    }
    return hunks;
}

// The changes of a line for the preview, each with a few words around it; changes close
// together share one excerpt.
void addExcerpts(TidyReport &report, int line, const QString &before, const QString &after)
{
    constexpr int Context = 14;
    const QVector<Hunk> hunks = hunksOf(before, after);
    const bool rightToLeft = before.isRightToLeft();
    for (int h = 0; h < hunks.size() && report.lines.size() < TidyReport::MaxLines;) {
        Hunk part = hunks.at(h++);
        while (h < hunks.size() && hunks.at(h).before - part.beforeEnd <= Context) {
            part.beforeEnd = hunks.at(h).beforeEnd;
            part.afterEnd = hunks.at(h).afterEnd;
            ++h;
        }
        // From a word's start to a word's end where there is one near.
        int start = std::max(0, part.before - Context);
        const int space = before.indexOf(QLatin1Char(' '), start);
        if (start > 0 && space >= 0 && space < part.before)
            start = space + 1;
        if (start > 0 && before.at(start).isLowSurrogate())
            --start;
        int end = std::min(int(before.size()), part.beforeEnd + Context);
        const int lastSpace = before.lastIndexOf(QLatin1Char(' '), end - 1);
        if (end < before.size() && lastSpace > part.beforeEnd)
            end = lastSpace;
        if (end < before.size() && end > 0 && before.at(end - 1).isHighSurrogate())
            ++end;
        const int lead = part.before - start;
        const int trail = end - part.beforeEnd;
        report.lines.append({line, before.mid(start, end - start),
                             after.mid(part.after - lead, part.afterEnd - part.after + lead + trail), rightToLeft});
    }
}

}

TidyRule tidyRule(int index)
{
    return Rules[index].rule;
}

const char *tidyRuleName(int index)
{
    return Rules[index].name;
}

TidyRules allTidyRules()
{
    TidyRules rules;
    for (const Rule &rule : Rules)
        rules |= rule.rule;
    return rules;
}

int TidyReport::count(TidyRule rule) const
{
    for (int r = 0; r < TidyRuleCount; ++r)
        if (Rules[r].rule == rule)
            return changes[r];
    return 0;
}

int TidyReport::total() const
{
    int sum = 0;
    for (int count : changes)
        sum += count;
    return sum;
}

TidyOutcome tidyRange(const QString &text, int from, int to, TidyRules rules, const QVector<int> &positions,
                      const std::atomic<bool> *stop)
{
    TidyOutcome outcome;
    const int size = text.size();
    from = qBound(0, from, size);
    to = qBound(from, to, size);
    outcome.positions = positions;
    QVector<bool> mapped(positions.size(), false);

    const QVector<Span> ticks = backtickSpans(text);
    const QChar *data = text.constData();
    int tick = 0;
    int shift = 0; // how much longer the tidied text is up to here
    int line = 0;
    for (int lineStart = 0; lineStart <= to; ++line) {
        if (stop && (line & 255) == 0 && stop->load(std::memory_order_relaxed)) {
            outcome.cancelled = true;
            return outcome;
        }
        int lineEnd = lineStart;
        bool arabic = false; // in the range
        bool protectable = false;
        bool placeholders = false;
        for (; lineEnd < size; ++lineEnd) {
            const ushort u = data[lineEnd].unicode();
            if (u < 0x0600 || u == 0x2028 || u == 0x2029) {
                if (isLineEnd(u))
                    break;
                protectable = protectable || marksProtectable(u);
            } else if (isPlaceholder(u)) {
                placeholders = true;
            } else if (!arabic && inArabicBlocks(u) && lineEnd >= from && lineEnd < to) {
                arabic = true;
            }
        }
        while (tick < ticks.size() && ticks.at(tick).end <= lineStart)
            ++tick;
        const int partStart = std::max(lineStart, from);
        const int partEnd = std::min(lineEnd, to);
        if (arabic) {
            LineWork work = lineWork(text, lineStart, lineEnd, partStart, partEnd, ticks, tick, protectable, placeholders);
            QVector<int> tracked;
            QVector<int> inside;
            QVector<int> trackedIndex;
            for (int p = 0; p < positions.size(); ++p) {
                if (positions.at(p) < partStart || positions.at(p) > partEnd)
                    continue;
                int into = 0;
                tracked.append(work.toWork(positions.at(p), &into));
                inside.append(into);
                trackedIndex.append(p);
            }
            int changes[TidyRuleCount] = {};
            tidyLine(work.work, tracked, rules, changes);
            int changed = 0;
            for (int r = 0; r < TidyRuleCount; ++r) {
                outcome.report.changes[r] += changes[r];
                changed += changes[r];
            }
            const QString tidied = changed ? restoredLine(text, work, tracked, inside) : QString();
            if (changed && tidied != text.midRef(lineStart, lineEnd - lineStart)) {
                const int headLength = partStart - lineStart;
                const int tailLength = lineEnd - partEnd;
                TidyOutcome::Edit edit;
                edit.start = partStart;
                edit.length = partEnd - partStart;
                edit.text = tidied.mid(headLength, tidied.size() - headLength - tailLength);
                for (int t = 0; t < tracked.size(); ++t) {
                    outcome.positions[trackedIndex.at(t)] = lineStart + shift + tracked.at(t);
                    mapped[trackedIndex.at(t)] = true;
                }
                if (outcome.report.lines.size() < TidyReport::MaxLines)
                    addExcerpts(outcome.report, line, text.mid(partStart, edit.length), edit.text);
                shift += edit.text.size() - edit.length;
                outcome.edits.append(edit);
            }
        }
        if (lineEnd >= size)
            break;
        lineStart = lineEnd + 1;
    }

    // Positions on lines that did not change move with the text before them.
    for (int p = 0; p < positions.size(); ++p) {
        if (mapped.at(p))
            continue;
        int delta = 0;
        for (const TidyOutcome::Edit &edit : qAsConst(outcome.edits)) {
            if (edit.start >= positions.at(p))
                break;
            delta += edit.text.size() - edit.length;
        }
        outcome.positions[p] = positions.at(p) + delta;
    }
    return outcome;
}

QString tidyPersian(const QString &text, TidyRules rules, TidyReport *report)
{
    const TidyOutcome outcome = tidyRange(text, 0, text.size(), rules);
    if (report)
        *report = outcome.report;
    if (outcome.edits.isEmpty())
        return text;
    QString result;
    result.reserve(text.size() + text.size() / 16);
    int at = 0;
    for (const TidyOutcome::Edit &edit : outcome.edits) {
        result.append(text.midRef(at, edit.start - at));
        result.append(edit.text);
        at = edit.start + edit.length;
    }
    result.append(text.midRef(at));
    return result;
}
