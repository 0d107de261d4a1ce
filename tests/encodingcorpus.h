// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ENCODINGCORPUS_H
#define ENCODINGCORPUS_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The sample texts of tests/data/encodings, each encoded in every code page listed for its language.
struct CorpusSample {
    QString language;     // as in languages.txt: "fa", "zh-hant"
    QString length;       // one of corpusLengths()
    QByteArray encoding;  // the true encoding, a Qt codec name
    QString text;
    QByteArray bytes;
};

// "short" (a line with few letters beyond ASCII), "line", "paragraph" and "page".
QStringList corpusLengths();

// Reads languages.txt and the texts in dir. Fails with *error set when a file is missing or an
// encoding cannot hold its text: a sample that lost characters would test nothing.
QVector<CorpusSample> loadEncodingCorpus(const QString &dir, QString *error);

#endif
