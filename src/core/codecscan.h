// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CODECSCAN_H
#define CODECSCAN_H

#include <QByteArray>
#include <QList>
#include <QString>

class QTextCodec;

// Which codecs of the registry decode a byte buffer without a single error.
namespace CodecScan {

// The decoder reported no malformed sequence and no unfinished sequence at the end.
bool decodesCleanly(QTextCodec *codec, const QByteArray &data);

// Decodes all of data with a fresh converter state; *clean tells whether it decoded cleanly.
QString decode(QTextCodec *codec, const QByteArray &data, bool *clean = nullptr);

// The MIB numbers, in the registry's order, of the codecs that decode data cleanly: the plain
// loop, one whole-buffer decode per codec.
QList<int> cleanMibsReference(const QByteArray &data);

// The same list, decoded in chunks (no full-size text per codec, and a codec is dropped at its
// first error) and spread over the processor's cores.
QList<int> cleanMibs(const QByteArray &data);

}

#endif
