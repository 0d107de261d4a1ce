// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MNEMONIC_H
#define MNEMONIC_H

#include <QString>

// The letter that "&" marks in a menu, button or label text, and the joins around it. Qt draws
// that letter as a shaping run of its own, so an Arabic-script letter that joins a neighbour
// is drawn cut off from it: «&بله» shows «ب له».
namespace Mnemonic {

// The text as it is shown, without its mark ("&&" shows as "&"); *marked, when given, gets the
// position in it of the marked letter, or -1 for a text without a mark.
QString shownText(const QString &text, int *marked = nullptr);

// Whether the letter at `at` of a shown text joins the letter before it, and the one after it.
// Marks between letters (harakat, shadda) are looked past, as shaping does.
bool joinsPrevious(const QString &shown, int at);
bool joinsNext(const QString &shown, int at);

}

#endif
