// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codecscan.h"

#include <QTextCodec>
#include <QThread>
#include <QThreadPool>
#include <atomic>

namespace {

constexpr int ChunkSize = 64 * 1024;

bool decodesCleanlyInChunks(QTextCodec *codec, const QByteArray &data, const std::atomic<bool> *stop)
{
    QTextCodec::ConverterState state;
    const char *bytes = data.constData();
    const int size = data.size();
    for (int offset = 0; offset < size; offset += ChunkSize) {
        codec->toUnicode(bytes + offset, qMin(ChunkSize, size - offset), &state);
        // Errors only ever add up, so the first one settles it.
        if (state.invalidChars != 0 || (stop && *stop))
            return false;
    }
    if (size == 0)
        codec->toUnicode(bytes, 0, &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

}

namespace CodecScan {

QString singleByteChars(QTextCodec *codec, QVector<bool> *accepted)
{
    char all[256];
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    QTextCodec::ConverterState wholeState;
    const QString whole = codec->toUnicode(all, 256, &wholeState);
    if (whole.size() != 256 || wholeState.remainingChars != 0)
        return {};
    QVector<bool> takes(256);
    for (int i = 0; i < 256; ++i) {
        QTextCodec::ConverterState state;
        const QString one = codec->toUnicode(all + i, 1, &state);
        if (one.size() != 1 || one.at(0) != whole.at(i) || state.remainingChars != 0)
            return {};
        takes[i] = state.invalidChars == 0;
    }
    if (accepted)
        *accepted = takes;
    return whole;
}

QString decode(QTextCodec *codec, const QByteArray &data, bool *clean)
{
    QTextCodec::ConverterState state;
    const QString text = codec->toUnicode(data.constData(), data.size(), &state);
    if (clean)
        *clean = state.invalidChars == 0 && state.remainingChars == 0;
    return text;
}

bool decodesCleanly(QTextCodec *codec, const QByteArray &data)
{
    bool clean = false;
    decode(codec, data, &clean);
    return clean;
}

QList<int> cleanMibsReference(const QByteArray &data)
{
    QList<int> result;
    for (int mib : QTextCodec::availableMibs()) {
        QTextCodec *codec = QTextCodec::codecForMib(mib);
        if (codec && decodesCleanly(codec, data))
            result.append(mib);
    }
    return result;
}

QList<int> cleanMibs(const QByteArray &data, const std::atomic<bool> *stop)
{
    struct Candidate {
        int mib;
        QTextCodec *codec;
        bool clean;
    };
    bool present[256] = {};
    for (char c : data)
        present[uchar(c)] = true;

    // Look the codecs up here: the registry is built lazily and is best filled from one thread.
    QVector<Candidate> candidates;
    for (int mib : QTextCodec::availableMibs())
        if (QTextCodec *codec = QTextCodec::codecForMib(mib))
            candidates.append({mib, codec, false});
    auto scan = [&](Candidate &c) {
        QVector<bool> accepted;
        if (singleByteChars(c.codec, &accepted).isEmpty()) {
            c.clean = decodesCleanlyInChunks(c.codec, data, stop);
            return;
        }
        c.clean = true;
        for (int i = 0; i < 256 && c.clean; ++i)
            c.clean = !present[i] || accepted.at(i);
    };
    // Every core takes the next codec from a shared counter; the calling thread works too.
    std::atomic<int> next{0};
    auto worker = [&] {
        for (int i = next++; i < candidates.size() && !(stop && *stop); i = next++)
            scan(candidates[i]);
    };
    QThreadPool pool;
    const int helpers = qMax(0, QThread::idealThreadCount() - 1);
    for (int i = 0; i < helpers; ++i)
        pool.start(worker);
    worker();
    pool.waitForDone();
    QList<int> result;
    for (const Candidate &c : qAsConst(candidates))
        if (c.clean)
            result.append(c.mib);
    return result;
}

}
