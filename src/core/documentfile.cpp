// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/documentfile.h"
#include "core/codecscan.h"

#include <QFile>
#include <QFileInfo>
#include <QTextCodec>
#include <cerrno>
#include <cstring>
#include <new>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 ReadChunk = 1 << 20;

LoadResult failed(LoadResult::Status status, const QString &reason = QString())
{
    LoadResult result;
    result.status = status;
    result.reason = reason;
    return result;
}

}

LoadResult readDevice(QIODevice *device, qint64 expected, const Progress &progress)
{
    LoadResult result;
    result.expected = expected;
    QByteArray data;
    try {
        if (expected > 0)
            data.reserve(int(expected));
        qint64 total = 0;
        for (;;) {
            // A file that reports no size may still go on for ever.
            if (total > MaxDocumentBytes)
                return failed(LoadResult::TooLarge);
            if (progress && !progress(total, expected))
                return failed(LoadResult::Cancelled);
            data.resize(int(total + ReadChunk));
            const qint64 got = device->read(data.data() + total, ReadChunk);
            if (got < 0) {
                result = failed(LoadResult::ReadError, device->errorString());
                result.expected = expected;
                return result;
            }
            if (got == 0)
                break;
            total += got;
        }
        data.resize(int(total));
    } catch (const std::bad_alloc &) {
        return failed(LoadResult::TooLarge);
    }
    // A read that ended early must not pass for the whole file: a save would cut it short.
    if (data.size() < expected) {
        result.status = LoadResult::ShortRead;
        result.bytes = data;
        return result;
    }
    result.status = LoadResult::Ok;
    result.bytes = data;
    return result;
}

LoadResult readDocument(const QString &path, const Progress &progress)
{
    const QFileInfo info(path);
    if (!info.exists())
        return failed(LoadResult::NotFound);
    // A FIFO would block the read forever and a device may never end: only regular files open.
    if (!info.isFile())
        return failed(LoadResult::NotRegular);
    // Refused up front: Qt 5 would even read an empty array, without an error, from a file over
    // 2 GiB, and a save would write that over the file.
    if (info.size() > MaxDocumentBytes)
        return failed(LoadResult::TooLarge);

    QFile file;
    qint64 expected = info.size();
#ifdef Q_OS_UNIX
    // Non-blocking, so that a file with nothing to give yet (/proc/kmsg) is refused instead of
    // holding the window for ever; regular files read as usual.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failed(LoadResult::CannotOpen, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return failed(LoadResult::NotRegular);
    }
    file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
    expected = st.st_size;
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return failed(LoadResult::CannotOpen, file.errorString());
#endif
    const FileStamp stamp = FileStamp::of(path);
    LoadResult result = readDevice(&file, expected, progress);
    result.stamp = stamp;
    if (result.status != LoadResult::Ok)
        return result;
    // Stamped before the read: a write meanwhile shows as a change, never the other way round.
    result.stamp.recordContent(result.bytes);

    try {
        result.text = CodecScan::decode(QTextCodec::codecForName("UTF-8"), result.bytes, &result.utf8);
        if (!result.utf8)
            result.text.clear();
    } catch (const std::bad_alloc &) {
        return failed(LoadResult::TooLarge);
    }
    return result;
}

bool decodeDocument(const QByteArray &bytes, int mib, QString *text)
{
    QTextCodec *codec = QTextCodec::codecForMib(mib);
    if (!codec)
        return false;
    try {
        *text = CodecScan::decode(codec, bytes);
    } catch (const std::bad_alloc &) {
        return false;
    }
    if (text->startsWith(QChar(0xFEFF)))
        text->remove(0, 1);
    return true;
}

void spellAsPlainText(QString *text)
{
    for (QChar &c : *text) {
        const ushort u = c.unicode();
        if (u < 0xA0)
            continue;
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 || u == 0xFDD1)
            c = QLatin1Char('\n');
        else if (u == QChar::Nbsp)
            c = QLatin1Char(' ');
    }
}

SaveResult writeDocument(const QString &path, QString text)
{
    QByteArray bytes;
    try {
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        bytes = text.toUtf8();
    } catch (const std::bad_alloc &) {
        SaveResult result;
        result.reason = QString::fromLocal8Bit(std::strerror(ENOMEM));
        return result;
    }
    SaveResult result = SafeSave::write(path, bytes);
    if (result.status == SaveResult::Ok) {
        result.stamp = FileStamp::of(path);
        result.stamp.recordContent(bytes);
    }
    return result;
}
