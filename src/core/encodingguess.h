// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ENCODINGGUESS_H
#define ENCODINGGUESS_H

#include <QByteArray>
#include <QList>

// The code pages a file was most likely written in, best first, as MIB numbers of the codec
// registry. Only codecs that decode the bytes cleanly and read as text of some script are
// offered; codecs that turn the bytes into the same text are offered once, under the
// better-known name. Empty when no codec reads the bytes.
QList<int> suggestEncodings(const QByteArray &bytes);

// The same, from the clean MIB numbers the caller already has (CodecScan::cleanMibs), so a
// large file is not scanned twice.
QList<int> suggestEncodings(const QByteArray &bytes, const QList<int> &cleanMibs);

// What the statistical detector alone names for the bytes, as a MIB number of the registry;
// 0 when it names nothing the registry has.
int detectedEncoding(const QByteArray &bytes);

#endif
