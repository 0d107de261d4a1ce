// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/safesave.h"
#include "core/keptcopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinkDepth = 40;

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

SaveResult failed(const QString &reason, SaveResult::Status status = SaveResult::Failed)
{
    SaveResult result;
    result.status = status;
    result.reason = reason.isEmpty() ? systemError(EIO) : reason;
    return result;
}

SaveResult succeeded()
{
    SaveResult result;
    result.status = SaveResult::Ok;
    return result;
}

// Follows symbolic links one level at a time, so that a loop is found instead of being written
// over. Returns false when there are too many levels. Where the file exists the system's own
// resolution decides: QFileInfo cleans ".." out of a link's target as text, which is not where
// the link leads when it is reached through a linked folder.
bool resolveLinks(const QString &path, QString *target)
{
    QString current = path;
    for (int depth = 0; QFileInfo(current).isSymLink(); ++depth) {
        if (depth == MaxLinkDepth)
            return false;
        current = QFileInfo(current).symLinkTarget();
    }
    const QString canonical = QFileInfo(path).canonicalFilePath();
    *target = canonical.isEmpty() ? current : canonical;
    return true;
}

struct Existing {
    bool exists = false;
    bool regular = false;
    bool shared = false; // other names, or another owner or group than the saving user
    uint mode = 0;
};

Existing inspect(const QString &target)
{
    Existing e;
#ifdef Q_OS_UNIX
    struct stat st;
    if (::stat(QFile::encodeName(target).constData(), &st) != 0)
        return e;
    e.exists = true;
    e.regular = S_ISREG(st.st_mode);
    e.shared = st.st_nlink > 1 || st.st_uid != ::geteuid() || st.st_gid != ::getegid();
    e.mode = st.st_mode & 07777;
#else
    const QFileInfo info(target);
    e.exists = info.exists();
    e.regular = info.isFile();
#endif
    return e;
}

bool setExactMode(QFileDevice &file, uint mode)
{
#ifdef Q_OS_UNIX
    // QFile::setPermissions() would add the owner's write bit for root, who may write anyway.
    return ::fchmod(file.handle(), mode_t(mode)) == 0;
#else
    Q_UNUSED(file)
    Q_UNUSED(mode)
    return true;
#endif
}

bool writeAll(QFileDevice &file, const QByteArray &bytes, QString *reason)
{
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

// On the disk: a network file system or a full quota reports its error only when the data is
// synced, and QSaveFile::commit() does not look at that.
bool sync(QFileDevice &file, QString *reason)
{
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) {
        *reason = systemError(errno);
        return false;
    }
#else
    Q_UNUSED(file)
    Q_UNUSED(reason)
#endif
    return true;
}

// The file holds exactly these bytes, on the disk.
bool rewrite(QFile &file, const QByteArray &bytes, QString *reason)
{
    if (!file.seek(0) || !writeAll(file, bytes, reason) || !file.resize(bytes.size())) {
        if (reason->isEmpty())
            *reason = file.errorString();
        return false;
    }
    return sync(file, reason);
}

// Keeps the old bytes in the user's cache, where the user can always write.
bool keepCopy(const QString &target, const QByteArray &old, KeptCopy *copy, QString *reason)
{
    const QString folder = SafeSave::keptCopiesFolder();
    if (!QDir().mkpath(folder)) {
        *reason = systemError(EACCES);
        return false;
    }
    return copy->create(folder, target, old, reason);
}

SaveResult writeInPlace(const QString &target, const QByteArray &bytes)
{
    QFile file(target);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return failed(file.errorString());
    const QByteArray old = file.readAll();
    if (old.size() != file.size())
        return failed(file.errorString());

    KeptCopy copy;
    QString reason;
    if (!keepCopy(target, old, &copy, &reason))
        return failed(reason);

    // Refuse up front when the new bytes cannot fit: a write that stops half way has already
    // overwritten the start of the file.
    const qint64 growth = qint64(bytes.size()) - old.size();
    const QStorageInfo storage(target);
    if (growth > 0 && storage.isValid() && storage.bytesAvailable() < growth + storage.blockSize()) {
        copy.remove();
        return failed(systemError(ENOSPC));
    }

    if (rewrite(file, bytes, &reason)) {
        copy.remove();
        return succeeded();
    }
    // The copy goes only once the old bytes are back on the disk.
    QString restoreReason;
    if (rewrite(file, old, &restoreReason)) {
        copy.remove();
        return failed(reason);
    }
    SaveResult result = failed(reason, SaveResult::Damaged);
    result.keptCopy = copy.path();
    copy.release();
    return result;
}

}

namespace SafeSave {

QString keptCopiesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/kept-copies");
}

SaveResult write(const QString &path, const QByteArray &bytes)
{
    QString target;
    if (!resolveLinks(path, &target))
        return failed(systemError(ELOOP));

    const Existing existing = inspect(target);
    if (existing.exists && !existing.regular)
        return failed(QString(), SaveResult::NotRegular);
    // Replacing the file would give it a new inode: its other names would keep the old text,
    // and another user's file would become the saving user's.
    if (existing.shared)
        return writeInPlace(target, bytes);

    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        // A folder that cannot take a temporary file, around a file that can be written.
        if (existing.exists && QFileInfo(target).isWritable())
            return writeInPlace(target, bytes);
        return failed(file.errorString());
    }
    // Flush before commit(): Qt 5.15's commit() can report success after a failed final flush
    // and leave an empty file behind.
    QString reason;
    if (existing.exists && !setExactMode(file, existing.mode))
        reason = systemError(errno);
    else if (writeAll(file, bytes, &reason))
        sync(file, &reason);
    if (!reason.isEmpty()) {
        // The temporary file goes with the QSaveFile; the target was never touched.
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    return succeeded();
}

}
