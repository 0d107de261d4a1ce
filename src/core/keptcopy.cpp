// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/keptcopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char CompanionMark[] = "Tavlo kept copy 1\n";

QString companionOf(const QString &copy)
{
    return copy + QStringLiteral(".target");
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool writeAll(int fd, const char *data, qint64 length)
{
    while (length > 0) {
        const ssize_t put = ::write(fd, data, size_t(length));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = ENOSPC;
            return false;
        }
        data += put;
        length -= put;
    }
    return true;
}

bool readAll(int fd, QByteArray *bytes)
{
    struct stat st;
    if (::fstat(fd, &st) != 0 || st.st_size > qint64(std::numeric_limits<int>::max()))
        return false;
    bytes->resize(int(st.st_size));
    for (qint64 at = 0; at < bytes->size();) {
        const ssize_t got = ::pread(fd, bytes->data() + at, size_t(bytes->size() - at), off_t(at));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        at += got;
    }
    return true;
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The companion: the mark, the device and inode of the target, and its path.
QByteArray companion(const struct stat &target, const QString &path)
{
    return QByteArray(CompanionMark) + QByteArray::number(qulonglong(target.st_dev)) + ' '
        + QByteArray::number(qulonglong(target.st_ino)) + '\n' + QFile::encodeName(path);
}

bool readCompanion(const QByteArray &bytes, dev_t *device, ino_t *inode, QString *path)
{
    if (!bytes.startsWith(CompanionMark))
        return false;
    const int idLine = int(std::strlen(CompanionMark));
    const int end = bytes.indexOf('\n', idLine);
    const QList<QByteArray> ids = bytes.mid(idLine, end - idLine).split(' ');
    bool deviceOk = false, inodeOk = false;
    if (end < 0 || ids.size() != 2)
        return false;
    *device = dev_t(ids.at(0).toULongLong(&deviceOk));
    *inode = ino_t(ids.at(1).toULongLong(&inodeOk));
    *path = QFile::decodeName(bytes.mid(end + 1));
    return deviceOk && inodeOk && !path->isEmpty();
}

// The old bytes back in the file, on the disk; false when they could not all be written.
bool putBack(int target, const QByteArray &bytes)
{
    for (qint64 at = 0; at < bytes.size();) {
        const ssize_t put = ::pwrite(target, bytes.constData() + at, size_t(bytes.size() - at), off_t(at));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        at += put;
    }
    return ::ftruncate(target, off_t(bytes.size())) == 0 && ::fsync(target) == 0;
}

}

KeptCopy::~KeptCopy()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool KeptCopy::create(const QString &folder, const QString &target, const QByteArray &bytes, QString *reason)
{
    QByteArray name = QFile::encodeName(folder + QLatin1Char('/') + QFileInfo(target).fileName()) + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        *reason = systemError(errno);
        return false;
    }
    // Locked before anything names the target, so that no start-up takes it for a dead one.
    struct stat targetStat;
    const QString companionPath = companionOf(QFile::decodeName(name));
    const QByteArray companionTemp = QFile::encodeName(companionPath) + ".new";
    int error = 0;
    if (::flock(fd, LOCK_EX) != 0 || !writeAll(fd, bytes.constData(), bytes.size()) || ::fsync(fd) != 0
        || ::stat(QFile::encodeName(target).constData(), &targetStat) != 0) {
        error = errno;
    } else {
        const QByteArray text = companion(targetStat, target);
        const int side = ::open(companionTemp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (side < 0 || !writeAll(side, text.constData(), text.size()) || ::fsync(side) != 0
            || ::rename(companionTemp.constData(), QFile::encodeName(companionPath).constData()) != 0)
            error = errno ? errno : EIO;
        if (side >= 0)
            ::close(side);
    }
    if (error != 0) {
        ::unlink(companionTemp.constData());
        ::unlink(name.constData());
        ::close(fd);
        *reason = systemError(error);
        return false;
    }
    syncFolder(folder);
    m_fd = fd;
    m_path = QFile::decodeName(name);
    return true;
}

void KeptCopy::remove()
{
    if (m_fd < 0)
        return;
    // The companion goes first: a copy without one is never put back.
    ::unlink(QFile::encodeName(companionOf(m_path)).constData());
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}

void KeptCopy::release()
{
    if (m_fd < 0)
        return;
    ::unlink(QFile::encodeName(companionOf(m_path)).constData());
    ::close(m_fd);
    m_fd = -1;
}

int KeptCopy::restoreOrphans(const QString &folder)
{
    int restored = 0;
    // A companion still unfinished: the process died before the write began, and the file is
    // whole. Its copy is of no more use.
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.target.new")}, QDir::Files)) {
        const QString copyPath = folder + QLatin1Char('/') + name.chopped(11);
        const int copy = ::open(QFile::encodeName(copyPath).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (copy >= 0 && ::flock(copy, LOCK_EX | LOCK_NB) == 0) {
            QFile::remove(folder + QLatin1Char('/') + name);
            QFile::remove(copyPath);
        }
        if (copy >= 0)
            ::close(copy);
    }
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.target")}, QDir::Files)) {
        const QString companionPath = folder + QLatin1Char('/') + name;
        const QString copyPath = companionPath.chopped(7);
        const QByteArray copyName = QFile::encodeName(copyPath);
        const int copy = ::open(copyName.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (copy < 0)
            continue;
        struct stat held, named;
        QByteArray side, old;
        dev_t device = 0;
        ino_t inode = 0;
        QString targetPath;
        QFile sideFile(companionPath);
        // A copy still locked belongs to a write that runs; one removed meanwhile is done.
        if (::flock(copy, LOCK_EX | LOCK_NB) != 0 || ::fstat(copy, &held) != 0
            || ::stat(copyName.constData(), &named) != 0 || held.st_ino != named.st_ino
            || !sideFile.open(QIODevice::ReadOnly) || !readCompanion(sideFile.readAll(), &device, &inode, &targetPath)
            || !readAll(copy, &old)) {
            ::close(copy);
            continue;
        }
        sideFile.close();
        const int target = ::open(QFile::encodeName(targetPath).constData(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
        struct stat targetStat;
        if (target < 0 || ::fstat(target, &targetStat) != 0 || targetStat.st_dev != device
            || targetStat.st_ino != inode) {
            // Another file stands at the path now, or none: it is not this copy's to overwrite.
            if (target >= 0)
                ::close(target);
            QFile::remove(companionPath);
            ::close(copy);
            continue;
        }
        const bool back = putBack(target, old);
        ::close(target);
        if (back) {
            QFile::remove(companionPath);
            ::unlink(copyName.constData());
            ++restored;
        }
        ::close(copy);
    }
    return restored;
}
