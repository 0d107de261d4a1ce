// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PERSIANTIDY_H
#define PERSIANTIDY_H

#include <QFlags>
#include <QString>
#include <QVector>
#include <atomic>

// The fixes Persian writers otherwise make by hand, one flag per rule, applied in this order.
// They touch Persian (Arabic-script) text only: Latin words, numbers with a decimal point, URLs,
// e-mail addresses, file names and paths, and text between backticks are left as they are.
enum class TidyRule : unsigned {
    Letters = 0x001,     // Arabic Yeh, Alef Maksura and Kaf as Persian; presentation forms as letters
    Kashida = 0x002,     // tatweel between letters removed
    Digits = 0x004,      // numbers in Persian text in Persian digits
    Ellipsis = 0x008,    // three dots as one character
    Punctuation = 0x010, // Persian comma, semicolon and question mark; the spaces around marks
    Quotes = 0x020,      // straight double quotes around Persian text as guillemets
    Prefixes = 0x040,    // می and نمی joined to the verb with a zero width non-joiner
    Suffixes = 0x080,    // ها، های، هایی، ترین، تری joined to their word
    Spaces = 0x100,      // one space between words, none at a line's end; zero width non-joiners
};
Q_DECLARE_FLAGS(TidyRules, TidyRule)
Q_DECLARE_OPERATORS_FOR_FLAGS(TidyRules)

constexpr int TidyRuleCount = 9;
// The rule at `index` in the order of application, and the name it is stored under
// ("letters", "kashida", ...).
TidyRule tidyRule(int index);
const char *tidyRuleName(int index);
TidyRules allTidyRules();

struct TidyReport {
    // A change as it was and as it becomes, with some words around it.
    struct Line {
        int line = 0; // counted from 0 at the start of the text
        QString before;
        QString after;
        bool rightToLeft = false; // the whole line's direction, which a cut may not show
    };
    static constexpr int MaxLines = 50;

    int changes[TidyRuleCount] = {};
    // The first MaxLines changes.
    QVector<Line> lines;

    int count(TidyRule rule) const;
    int total() const;
};

struct TidyOutcome {
    // Replace text[start, start + length) by `text`. One edit per changed line, in order,
    // never across a line's end, so the text keeps its lines.
    struct Edit {
        int start = 0;
        int length = 0;
        QString text;
    };
    QVector<Edit> edits;
    TidyReport report;
    // The positions asked for, where they are in the tidied text.
    QVector<int> positions;
    bool cancelled = false;
};

// Tidies text[from, to). The rest of the text is read (a line's part outside the range is kept
// as it is, as if protected), never changed. `positions` (offsets into text) are mapped to the
// tidied text. Setting *stop makes it return early with `cancelled` set.
TidyOutcome tidyRange(const QString &text, int from, int to, TidyRules rules,
                      const QVector<int> &positions = {}, const std::atomic<bool> *stop = nullptr);

QString tidyPersian(const QString &text, TidyRules rules, TidyReport *report = nullptr);

#endif
