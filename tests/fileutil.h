// SPDX-License-Identifier: GPL-3.0-or-later
// Files and small disks for tests that need no window.
#ifndef FILEUTIL_H
#define FILEUTIL_H

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Writes bytes to a file, creating or truncating it.
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Points XDG_CACHE_HOME, and with it the kept-copies folder, at `folder` while it lives.
class CacheHome
{
public:
    explicit CacheHome(const QString &folder) { qputenv("XDG_CACHE_HOME", QFile::encodeName(folder)); }
    ~CacheHome() { qputenv("XDG_CACHE_HOME", m_before); }
    CacheHome(const CacheHome &) = delete;
    CacheHome &operator=(const CacheHome &) = delete;

private:
    const QByteArray m_before = qgetenv("XDG_CACHE_HOME");
};

// A small tmpfs of the test's own, for a full and a read-only file system. Mounting needs root;
// where it is refused, mounted() is false and the test skips.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &folder, const QString &size = QStringLiteral("2m"))
        : m_folder(folder)
    {
        m_mounted = QProcess::execute(QStringLiteral("mount"),
                                      {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                       QStringLiteral("size=") + size, QStringLiteral("tmpfs"), folder}) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder});
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    bool remountReadOnly()
    {
        return QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro"), m_folder}) == 0;
    }
    // Fills what is left of the disk.
    void fill()
    {
        QFile filler(m_folder + QStringLiteral("/filler"));
        filler.open(QIODevice::WriteOnly);
        const QByteArray block(4096, 'z');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }

private:
    QString m_folder;
    bool m_mounted = false;
};

// A path in `folder` that cannot be opened as a document, of the kind named: "missing",
// "folder", "fifo", "device", "huge" (a sparse file larger than Tavlo opens) or "lines" (12 MB
// of line feeds, more lines than it opens); empty for any other kind.
inline QString unreadablePath(const QString &kind, const QString &folder)
{
    if (kind == QLatin1String("missing"))
        return folder + QStringLiteral("/nothing-here.txt");
    if (kind == QLatin1String("folder"))
        return folder;
    if (kind == QLatin1String("device"))
        return QStringLiteral("/dev/zero");
    if (kind == QLatin1String("fifo")) {
        const QString path = folder + QStringLiteral("/pipe");
        QFile::remove(path);
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    }
    if (kind == QLatin1String("huge")) {
        // Large on paper, no disk space used.
        const QString path = folder + QStringLiteral("/huge.txt");
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(qint64(3) << 30) ? path : QString();
    }
    if (kind == QLatin1String("lines"))
        return writeFile(folder + QStringLiteral("/lines.txt"), QByteArray(12 * 1000 * 1000, '\n'));
    return QString();
}

// The user and group ids of "nobody" on Debian.
constexpr uid_t NobodyId = 65534;

// Runs `work` in a forked child as nobody and returns what it returned; -1 when the child could
// not become nobody (not root) or did not finish.
inline int runAsNobody(const std::function<int()> &work)
{
    if (::geteuid() != 0)
        return -1;
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(NobodyId) != 0 || ::setuid(NobodyId) != 0)
            ::_exit(255);
        ::_exit(work() & 0x7F);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255)
        return -1;
    return WEXITSTATUS(status);
}

#endif
