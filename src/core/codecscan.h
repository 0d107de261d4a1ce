// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CODECSCAN_H
#define CODECSCAN_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>
#include <QVector>

class QTextCodec;

// Which codecs of the registry decode a byte buffer cleanly. Qt's ICU codecs report no errors,
// so clean means more than a quiet decoder: the text holds no U+FFFD or U+001A that the bytes
// did not, no C1 control (what ICU puts in a code page's holes), no unpaired surrogate, and
// every character encodes back to the bytes it came from.
namespace CodecScan {

bool decodesCleanly(QTextCodec *codec, const QByteArray &data);

// Decodes all of data with a fresh converter state; *reported tells whether the decoder itself
// reported no malformed sequence and none unfinished at the end, which is all the UTF-8 test
// needs: Qt's UTF-8 decoder reports every fault.
QString decode(QTextCodec *codec, const QByteArray &data, bool *reported = nullptr);

// For a codec that turns every byte into one character of its own, the same wherever the byte
// stands: the character of each of the 256 byte values, and in *clean which of them decode
// cleanly. Empty for any other codec.
QString singleByteChars(QTextCodec *codec, QVector<bool> *clean = nullptr);

// The MIB numbers, in the registry's order, of the codecs that decode data cleanly: the plain
// loop, one whole-buffer decode and encode per codec.
QList<int> cleanMibsReference(const QByteArray &data);

// The same list, single-byte codecs judged by their 256-entry tables, the others decoded in
// chunks (no full-size text per codec, and a codec is dropped at its first fault), spread over
// the processor's cores but no more threads than the global thread pool allows. Setting *stop
// ends it early, with a list that means nothing.
QList<int> cleanMibs(const QByteArray &data, const std::atomic<bool> *stop = nullptr);

}

#endif
