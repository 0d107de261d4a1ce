// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Qt shapes a whole paragraph again on every key typed into it, so a very long line makes the
// editor slow and then unusable. These break such lines before they reach the editor.
namespace LineBreaker {

// Typing stays under about 30 ms a key in a line up to this long. Measured with PlainTextLayout
// in a 900x700 window, per key at the end of one line of Persian or Latin words, wrapped and
// unwrapped: 20,000 characters took 10-24 ms a key, 50,000 took 27-56 ms, 100,000 took 34-174 ms.
constexpr int softLimit = 20000;

// Past this many characters in a line the window freezes for more than 10 s, at open or on the
// first key. Same measurement, Persian: 2,000,000 characters opened in 2.7-2.9 s and took 2.0-3.1 s
// for the first key; 5,000,000 opened in 5.3-5.8 s and took 11.7-12.5 s for the first key.
constexpr int hardLimit = 4000000;

// A line in which a key would take longer than this is kept only broken.
constexpr double maxKeyMs = 200;

// About how long a key typed into this line takes to show, in milliseconds. Length alone does not
// say: Qt shapes each run of one direction and script apart, a letter with its combining marks as
// one cluster, and unwrapped draws every run of the line. Measured per key at the end of one line
// of 50,000 characters in a 900x700 window, unwrapped / wrapped: Latin words 36 / 17 ms, Persian
// words 64 / 25 ms, Persian with a vowel mark on each letter 130 / 30 ms, Persian and Latin words
// in turn 162 / 39 ms, the same with marks 155 / 37 ms. Longer lines cost more than their length
// says; the estimate stays above the measurement up to the point where it reaches maxKeyMs.
double keyCostMs(QStringView line, bool wrapped);

// Whether the text holds a line that may be kept only broken: one over hardLimit, or one past
// softLimit in which a key would take longer than maxKeyMs. *costliest gets the highest key time.
bool mustBreak(const QString &text, bool wrapped, double *costliest = nullptr);

// The length in UTF-16 units of the longest line, not counting its line break. Lines end where
// QTextDocument ends a block: at LF, CR, CR LF and U+2029.
int longestLineLength(const QString &text);

// The number of lines as a reader counts them: the line breaks, and a last line that has none.
// A CR LF is one break. QTextDocument, which makes a paragraph of every line and one more after
// a final break, also breaks at its frame marks U+FDD0 and U+FDD1, so they count too.
qint64 lineCount(const QString &text);

// Breaks every line longer than `limit` so that no line is: at the last space before the limit,
// which becomes a line feed, or after the last zero width non-joiner, where a line feed is
// inserted; failing both, at the last grapheme boundary, so a surrogate pair or a letter with its
// combining marks is never split. Returns the number of line feeds added or made.
int breakLongLines(QString *text, int limit);

}
