// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SPELLRANKING_H
#define SPELLRANKING_H

#include <QString>
#include <QVector>

// The words one edit away from a misspelled one, each with what the edit costs: the slips that
// writers of the script make often cost least, so that their corrections come first.
namespace SpellRanking {

enum class Script { Persian, Arabic, Latin };

struct Candidate {
    QString word;
    double cost = 0;
};

// Every distinct string one insertion, deletion, substitution or transposition away over the
// script's alphabet, a zero width non-joiner put in (Persian), and the word split in two by a
// space; each once, at the cost of its cheapest edit.
//
// A substitution costs least between letters that sound alike or that the other language's
// keyboard writes in their place (Persian پ/ب, چ/ج, ژ/ز, گ/ک; Arabic ة/ه, ى/ي, the Hamza
// forms), a little more between letters that differ by their dots alone (ب/ت/ث/ن/ی, ج/ح/خ,
// ر/ز, س/ش, ف/ق, ...), then between neighbours on the keyboard (Persian ISIRI 9147, Arabic,
// QWERTY), and most between any other two letters. Two words run together cost more than any
// slip within one.
QVector<Candidate> oneEditAway(const QString &word, Script script);

// What a candidate that the dictionary offers but that lies further away costs, by its place in
// the dictionary's own list.
double fartherCost(int position);

// What putting `intended` where `typed` stands costs.
double substitutionCost(QChar typed, QChar intended, Script script);

}

#endif
