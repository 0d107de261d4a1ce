// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/filestamp.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <time.h>
#endif

namespace {

constexpr qint64 NsPerSecond = 1000000000;
// FAT keeps modification times to 2 s.
constexpr qint64 CoarseWindowNs = 2 * NsPerSecond;

qint64 nowNs()
{
#ifdef Q_OS_UNIX
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * NsPerSecond + now.tv_nsec;
#else
    return QDateTime::currentMSecsSinceEpoch() * 1000000;
#endif
}

// A time of whole seconds taken shortly after it: another write within the same second or two
// may leave it as it is.
bool hashIsDue(const FileStamp &stamp)
{
    return stamp.exists() && stamp.modifiedNs % NsPerSecond == 0
        && stamp.takenNs - stamp.modifiedNs <= CoarseWindowNs;
}

QByteArray hashOf(const QByteArray &content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha1);
}

QByteArray hashOfFile(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result();
}

}

FileStamp FileStamp::of(const QString &path)
{
    FileStamp stamp;
    stamp.takenNs = nowNs();
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return stamp;
    stamp.size = st.st_size;
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * NsPerSecond + st.st_mtim.tv_nsec;
    stamp.changedNs = qint64(st.st_ctim.tv_sec) * NsPerSecond + st.st_ctim.tv_nsec;
    stamp.inode = st.st_ino;
    stamp.device = st.st_dev;
#else
    const QFileInfo info(path);
    if (info.exists()) {
        stamp.size = info.size();
        stamp.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
        stamp.changedNs = info.metadataChangeTime().toMSecsSinceEpoch() * 1000000;
    }
#endif
    return stamp;
}

void FileStamp::recordContent(const QByteArray &content)
{
    contentHash = hashIsDue(*this) ? hashOf(content) : QByteArray();
}

bool FileStamp::matchesFile(const QString &path, FileStamp *now) const
{
    *now = of(path);
    const bool same = now->size == size && now->modifiedNs == modifiedNs && now->changedNs == changedNs
        && now->inode == inode && now->device == device;
    if (!same || contentHash.isEmpty())
        return same;
    const QByteArray hash = hashOfFile(path);
    if (hash != contentHash)
        return false;
    // Past the window, a write would show in the times: no need to read the file again.
    if (hashIsDue(*now))
        now->contentHash = hash;
    return true;
}
