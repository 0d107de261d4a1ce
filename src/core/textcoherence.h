// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TEXTCOHERENCE_H
#define TEXTCOHERENCE_H

#include <QByteArray>
#include <QString>

// How coherently a text reads as words of one script, from 1 down towards 0: symbols inside
// words, letters of two scripts in one word, broken letter case, marks with no letter to sit on,
// control characters and substitutes, and letters the languages of the script seldom use all
// lower it. A text that gives nothing to judge reads 1. The measure of which code page read a
// file right: a wrong one makes letters of one script into symbols or into another script.
//
// Only words holding a character decoded from a byte beyond ASCII are judged: the rest reads
// alike in every code page. bytes, when given, is what a single-byte codec decoded into text,
// one byte per character, which also catches a code page that turns such bytes into ASCII.
double textCoherence(const QString &text, const QByteArray *bytes = nullptr);

#endif
