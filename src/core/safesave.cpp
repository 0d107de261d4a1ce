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

#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
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

#ifdef Q_OS_UNIX
// Whether the kernel with fs.protected_symlinks on lets the saving user follow this link: in a
// sticky folder that anyone may write, only links of the user's own or of the folder's owner.
// A link planted in /tmp must not lead a save into the user's files, whatever the setting.
bool mayFollow(const struct stat &link, const struct stat &folder)
{
    return link.st_uid == ::geteuid() || (folder.st_mode & (S_ISVTX | S_IWOTH)) != (S_ISVTX | S_IWOTH)
        || link.st_uid == folder.st_uid;
}

// Walks the path one name at a time as the kernel does, following every symbolic link on the
// way, and gives the file it leads to, existing or not; 0, or ELOOP or EACCES. A link's ".." is
// taken from where the link is, not cleaned out of its text.
int resolveLinks(const QString &path, QString *target)
{
    QStringList pending = (QFileInfo(path).isAbsolute() ? path : QDir::currentPath() + QLatin1Char('/') + path)
                              .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString resolved; // empty for the root
    int links = 0;
    while (!pending.isEmpty()) {
        const QString name = pending.takeFirst();
        if (name == QLatin1String("."))
            continue;
        if (name == QLatin1String("..")) {
            resolved.truncate(qMax(0, resolved.lastIndexOf(QLatin1Char('/'))));
            continue;
        }
        const QString next = resolved + QLatin1Char('/') + name;
        const QByteArray encoded = QFile::encodeName(next);
        struct stat link;
        // What is missing is the file to be made, or a folder the write will not find.
        if (::lstat(encoded.constData(), &link) != 0 || !S_ISLNK(link.st_mode)) {
            resolved = next;
            continue;
        }
        if (++links > MaxLinkDepth)
            return ELOOP;
        struct stat folder;
        const QByteArray folderName = resolved.isEmpty() ? QByteArray("/") : QFile::encodeName(resolved);
        if (::stat(folderName.constData(), &folder) != 0 || !mayFollow(link, folder))
            return EACCES;
        QByteArray text(int(link.st_size) + 1, Qt::Uninitialized);
        const ssize_t length = ::readlink(encoded.constData(), text.data(), size_t(text.size()));
        if (length < 0 || length >= text.size())
            return EACCES;
        text.truncate(int(length));
        if (text.startsWith('/'))
            resolved.clear();
        pending = QFile::decodeName(text).split(QLatin1Char('/'), Qt::SkipEmptyParts) + pending;
    }
    *target = resolved.isEmpty() ? QStringLiteral("/") : resolved;
    return 0;
}
#else
int resolveLinks(const QString &path, QString *target)
{
    QString current = path;
    for (int depth = 0; QFileInfo(current).isSymLink(); ++depth) {
        if (depth == MaxLinkDepth)
            return ELOOP;
        current = QFileInfo(current).symLinkTarget();
    }
    const QString canonical = QFileInfo(path).canonicalFilePath();
    *target = canonical.isEmpty() ? current : canonical;
    return 0;
}
#endif

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

#ifdef Q_OS_LINUX
// The names of a file's extended attributes; false when they cannot be listed. A file system
// that keeps none has none.
bool attributeNames(const std::function<ssize_t(char *, size_t)> &list, QList<QByteArray> *names)
{
    for (;;) {
        const ssize_t size = list(nullptr, 0);
        QByteArray buffer(int(qMax<ssize_t>(size, 0)), Qt::Uninitialized);
        const ssize_t got = size <= 0 ? size : list(buffer.data(), size_t(buffer.size()));
        if (got < 0 && errno == ERANGE)
            continue;
        if (got < 0)
            return errno == ENOTSUP;
        buffer.truncate(int(got));
        names->clear();
        for (const QByteArray &name : buffer.split('\0'))
            if (!name.isEmpty())
                names->append(name);
        return true;
    }
}

bool attributeValue(const std::function<ssize_t(void *, size_t)> &get, QByteArray *value)
{
    for (;;) {
        const ssize_t size = get(nullptr, 0);
        value->resize(int(qMax<ssize_t>(size, 0)));
        const ssize_t got = size <= 0 ? size : get(value->data(), size_t(value->size()));
        if (got < 0 && errno == ERANGE)
            continue;
        if (got < 0)
            return false;
        value->truncate(int(got));
        return true;
    }
}
#endif

// Gives the new file exactly the extended attributes of the old one: ACLs are among them
// (system.posix_acl_access), and a folder's default ACL gives a new file one the old may lack.
// False when that cannot be done, with an attribute that cannot be read or set, say.
bool copyAttributes(const QString &from, QFileDevice &to)
{
#ifdef Q_OS_LINUX
    const QByteArray source = QFile::encodeName(from);
    const int fd = to.handle();
    QList<QByteArray> oldNames, newNames;
    if (!attributeNames([&](char *b, size_t n) { return ::listxattr(source.constData(), b, n); }, &oldNames)
        || !attributeNames([&](char *b, size_t n) { return ::flistxattr(fd, b, n); }, &newNames))
        return false;
    for (const QByteArray &name : qAsConst(newNames))
        if (!oldNames.contains(name) && ::fremovexattr(fd, name.constData()) != 0)
            return false;
    for (const QByteArray &name : qAsConst(oldNames)) {
        QByteArray value, present;
        if (!attributeValue([&](void *b, size_t n) { return ::getxattr(source.constData(), name.constData(), b, n); }, &value))
            return false;
        if (newNames.contains(name)
            && attributeValue([&](void *b, size_t n) { return ::fgetxattr(fd, name.constData(), b, n); }, &present)
            && present == value)
            continue;
        if (::fsetxattr(fd, name.constData(), value.constData(), size_t(value.size()), 0) != 0)
            return false;
    }
#else
    Q_UNUSED(from)
    Q_UNUSED(to)
#endif
    return true;
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
    errno = 0;
    if (!QDir().mkpath(folder)) {
        *reason = systemError(errno ? errno : EACCES);
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
    if (!keepCopy(target, old, &copy, &reason)) {
        // The trouble lies with the cache, not with the file: say where.
        SaveResult result = failed(reason, SaveResult::NoKeptCopy);
        result.keptCopy = SafeSave::keptCopiesFolder();
        return result;
    }

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
    if (const int error = resolveLinks(path, &target))
        return failed(systemError(error));

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
    if (existing.exists && !setExactMode(file, existing.mode)) {
        reason = systemError(errno);
    } else if (existing.exists && !copyAttributes(target, file)) {
        // The replace would lose what the new file cannot carry; in place the file keeps it.
        file.cancelWriting();
        return writeInPlace(target, bytes);
    } else if (writeAll(file, bytes, &reason)) {
        sync(file, &reason);
    }
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
