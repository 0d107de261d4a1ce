// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIDYRULES_H
#define TIDYRULES_H

#include <QString>
#include <QVector>

// The rules of Tidy Persian Text, each over one line with its protected spans replaced by
// placeholders. Each returns the number of changes it made and carries the tracked offsets over
// to the changed line.
namespace Tidy {

int fixLetters(QString &text, QVector<int> &tracked);
int removeKashida(QString &text, QVector<int> &tracked);
int persianDigits(QString &text, QVector<int> &tracked);
int joinEllipsis(QString &text, QVector<int> &tracked);
int fixPunctuation(QString &text, QVector<int> &tracked);
int persianQuotes(QString &text, QVector<int> &tracked);
int joinPrefixes(QString &text, QVector<int> &tracked);
int joinSuffixes(QString &text, QVector<int> &tracked);
int fixSpaces(QString &text, QVector<int> &tracked);

}

#endif
