// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/orphanjournal.h"
#include "core/recoveryjournal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An unfinished journal this old has no writer any more, even one that is just starting.
constexpr qint64 UnfinishedAgeSeconds = 60;

bool readAt(int fd, char *into, qint64 length, qint64 offset)
{
    while (length > 0) {
        const ssize_t got = ::pread(fd, into, size_t(length), off_t(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        into += got;
        offset += got;
        length -= got;
    }
    return true;
}

QByteArray readAll(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0 || st.st_size > qint64(std::numeric_limits<int>::max()))
        return QByteArray();
    QByteArray bytes(int(st.st_size), Qt::Uninitialized);
    if (!readAt(fd, bytes.data(), bytes.size(), 0))
        return QByteArray();
    return bytes;
}

}

OrphanJournal::~OrphanJournal()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

OrphanJournal::OrphanJournal(OrphanJournal &&other) noexcept
    : m_fd(other.m_fd)
    , m_path(std::move(other.m_path))
    , m_created(other.m_created)
{
    other.m_fd = -1;
}

OrphanJournal &OrphanJournal::operator=(OrphanJournal &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        m_path = std::move(other.m_path);
        m_created = other.m_created;
        other.m_fd = -1;
    }
    return *this;
}

std::vector<OrphanJournal> OrphanJournal::claim(const QString &folder)
{
    std::vector<OrphanJournal> found;
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.journal"), QStringLiteral("*.part")},
                                                     QDir::Files, QDir::Name);
    for (const QString &name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        const QByteArray encoded = QFile::encodeName(path);
        const int fd = ::open(encoded.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        // A journal whose process lives is locked by it.
        struct stat held, named;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &held) != 0 || ::stat(encoded.constData(), &named) != 0
            || held.st_ino != named.st_ino || held.st_dev != named.st_dev || !S_ISREG(held.st_mode)) {
            // Locked, or removed and perhaps replaced since it was listed.
            ::close(fd);
            continue;
        }
        if (name.endsWith(QLatin1String(".part"))) {
            // Its snapshot was still being written: no edit was kept in it yet.
            if (QDateTime::currentSecsSinceEpoch() - held.st_mtime > UnfinishedAgeSeconds)
                ::unlink(encoded.constData());
            ::close(fd);
            continue;
        }
        OrphanJournal journal;
        journal.m_fd = fd;
        journal.m_path = path;
        QByteArray head(256, '\0');
        const ssize_t got = ::pread(fd, head.data(), size_t(head.size()), 0);
        head.resize(int(qMax<ssize_t>(0, got)));
        journal.m_created = JournalFormat::createdMs(head);
        if (journal.m_created == 0)
            journal.m_created = qint64(held.st_mtime) * 1000;
        found.push_back(std::move(journal));
    }
    std::stable_sort(found.begin(), found.end(), [](const OrphanJournal &a, const OrphanJournal &b) {
        return a.m_created < b.m_created;
    });
    return found;
}

JournalFormat::Replayed OrphanJournal::replay() const
{
    if (m_fd < 0)
        return JournalFormat::Replayed();
    return JournalFormat::replay(readAll(m_fd));
}

QString OrphanJournal::keepCopy(const QString &folder, QString *reason) const
{
    if (!RecoveryJournal::prepareFolder(folder, reason))
        return QString();
    const QByteArray bytes = readAll(m_fd);
    const QString name = QFileInfo(m_path).fileName();
    for (int n = 0; n < 1000; ++n) {
        const QString copy = folder + QLatin1Char('/') + name + (n ? QStringLiteral(".%1").arg(n) : QString());
        const int fd = ::open(QFile::encodeName(copy).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            *reason = QString::fromLocal8Bit(std::strerror(errno));
            return QString();
        }
        const char *at = bytes.constData();
        qint64 left = bytes.size();
        while (left > 0) {
            const ssize_t put = ::write(fd, at, size_t(left));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                break;
            at += put;
            left -= put;
        }
        const int error = left > 0 ? (errno ? errno : EIO) : (::fsync(fd) != 0 ? errno : 0);
        ::close(fd);
        if (error != 0) {
            ::unlink(QFile::encodeName(copy).constData());
            *reason = QString::fromLocal8Bit(std::strerror(error));
            return QString();
        }
        return copy;
    }
    *reason = QString::fromLocal8Bit(std::strerror(EEXIST));
    return QString();
}

void OrphanJournal::remove()
{
    if (m_fd < 0)
        return;
    // Removed while still locked, so no other process takes it for an orphan in between.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}
