// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FOLDING_H
#define FOLDING_H

#include <QString>

// The form in which find and replace compare texts: line breaks made alike, letter case
// dropped unless matchCase, and the Arabic-script letters that Persian and Arabic writers use
// interchangeably (Yeh / Farsi Yeh, Kaf / Keheh, the Alef and Hamza forms, Teh Marbuta / Heh)
// brought to one representative each unless matchLetters.
//
// Every UTF-16 unit (and every surrogate pair) maps to as many units, so an offset into the
// folded text is an offset into the original.
QString foldText(const QString &text, bool matchCase, bool matchLetters);

// Whether offset lies between the two halves of a surrogate pair of text, where no match may
// start or end. Folding keeps every pair where it was, so the folded text answers for the
// original.
bool insideSurrogatePair(const QString &text, int offset);

// The same into *out, reusing its memory: writing a fresh multi-megabyte buffer costs several
// times more than the folding itself, so the document's cache is folded in place.
void foldTextInto(const QString &text, QString *out, bool matchCase, bool matchLetters);

// The same folding done the long way, one whole-string pass per rule and the toolkit's full
// lower-casing. It differs from foldText() for the few characters whose lower case is longer
// (U+0130), and after a lone high surrogate, where QString::toLower() leaves the next unit as it
// is. It serves as the yardstick for tests and benchmarks.
QString foldTextByPasses(const QString &text, bool matchCase, bool matchLetters);

#endif
