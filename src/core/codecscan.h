// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CODECSCAN_H
#define CODECSCAN_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <QVector>

class QTextCodec;

// Which codecs of the registry decode a byte buffer without a single error.
namespace CodecScan {

// The decoder reported no malformed sequence and no unfinished sequence at the end.
bool decodesCleanly(QTextCodec *codec, const QByteArray &data);

// Decodes all of data with a fresh converter state; *clean tells whether it decoded cleanly.
QString decode(QTextCodec *codec, const QByteArray &data, bool *clean = nullptr);

// For a codec that turns every byte into one character of its own, the same wherever the byte
// stands: the character of each of the 256 byte values, and in *accepted which of them it takes.
// Empty for any other codec.
QString singleByteChars(QTextCodec *codec, QVector<bool> *accepted = nullptr);

// The MIB numbers, in the registry's order, of the codecs that decode data cleanly: the plain
// loop, one whole-buffer decode per codec.
QList<int> cleanMibsReference(const QByteArray &data);

// The same list, decoded in chunks (no full-size text per codec, and a codec is dropped at its
// first error) and spread over the processor's cores. Setting *stop ends it early, with a list
// that means nothing.
QList<int> cleanMibs(const QByteArray &data, const std::atomic<bool> *stop = nullptr);

}

#endif
