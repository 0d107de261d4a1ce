// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recoveryjournal.h"
#include "core/journalformat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtEndian>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <pthread.h>
#include <sched.h>
#include <thread>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The snapshot goes out in pieces of this size, so that a discard need not wait for the rest.
constexpr qint64 SnapshotPiece = qint64(4) << 20;
// Small records are gathered and written together.
constexpr int GatherBytes = 64 << 10;

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}

struct RecoveryJournal::Pending {
    QByteArray encoded; // a record encoded at once (a file state)
    qint32 from = 0;
    qint32 removed = 0;
    QString inserted;
};

class RecoveryJournal::Writer
{
public:
    explicit Writer(RecoveryJournal *owner)
        : m_owner(owner)
        , m_thread([this] { run(); })
    {
    }

    ~Writer()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_one();
        m_thread.join();
        close(false);
    }

    struct Command {
        enum Kind { Start, Append, Discard } kind;
        // Both made on the caller's thread, which owns the environment and the local time zone.
        QString folder;
        QByteArray fileRecord;
        QString base;
        qint64 createdMs = 0;
        std::vector<Pending> records;
        std::vector<OrphanJournal> replaced;
    };

    void push(Command command)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.push_back(std::move(command));
        }
        m_wake.notify_one();
    }

    // Whatever was asked for before is moot: a snapshot being written stops, and what waits is
    // dropped, except the journals that were to be replaced, which go too.
    void discard()
    {
        Command discard{Command::Discard, {}, {}, {}, 0, {}, {}};
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_cancel = true;
            for (Command &queued : m_queue)
                for (OrphanJournal &journal : queued.replaced)
                    discard.replaced.push_back(std::move(journal));
            m_queue.clear();
            m_queue.push_back(std::move(discard));
        }
        m_wake.notify_one();
    }

    void wait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_idle.wait(lock, [this] { return m_queue.empty() && !m_busy; });
    }

private:
    void run()
    {
#ifdef SCHED_BATCH
        // Woken, the writer does not preempt the GUI thread: on a busy machine it would take the
        // typist's core for a slice of the snapshot. Its share of the processor stays the same.
        const sched_param normal{};
        pthread_setschedparam(pthread_self(), SCHED_BATCH, &normal);
#endif
        for (;;) {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_queue.empty()) {
                m_idle.notify_all();
                return;
            }
            Command command = std::move(m_queue.front());
            m_queue.pop_front();
            m_busy = true;
            if (command.kind == Command::Discard)
                m_cancel = false;
            lock.unlock();

            if (command.kind == Command::Start)
                start(command);
            else if (command.kind == Command::Append)
                append(command);
            else
                discardCurrent(command);

            lock.lock();
            m_busy = false;
            if (m_queue.empty())
                m_idle.notify_all();
        }
    }

    void start(Command &command)
    {
        close(true);
        for (OrphanJournal &journal : command.replaced)
            m_replaced.push_back(std::move(journal));
        QString reason;
        const QString &folder = command.folder;
        if (!RecoveryJournal::prepareFolder(folder, &reason)) {
            fail(reason);
            return;
        }
        // Unfinished until the snapshot is on the disk: a kill before that leaves nothing to offer.
        const QString stem = folder + QStringLiteral("/%1-%2").arg(command.createdMs).arg(::getpid());
        for (int n = 0; m_fd < 0; ++n) {
            m_path = stem + (n ? QStringLiteral("-%1").arg(n) : QString()) + QStringLiteral(".part");
            m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (m_fd < 0 && (errno != EEXIST || n == 1000)) {
                fail(systemError(errno));
                return;
            }
        }
        if (::flock(m_fd, LOCK_EX) != 0 || ::fchmod(m_fd, 0600) != 0) {
            failCurrent(errno);
            return;
        }
        QByteArray prefix = JournalFormat::mark();
        prefix += JournalFormat::headerRecord(::getpid(), command.createdMs);
        prefix += command.fileRecord;
        const QString base = JournalFormat::documentText(command.base);
        command.base.clear();
        if (!put(prefix.constData(), prefix.size())
            || !writeRecord(JournalFormat::BaseRecord, QByteArray(), base.constData(), base.size(), true)
            || !drain())
            return;
        if (m_cancel) {
            close(true);
            return;
        }
        const QString finished = m_path.left(m_path.size() - 5) + QStringLiteral(".journal");
        if (::fdatasync(m_fd) != 0
            || ::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(finished).constData()) != 0) {
            failCurrent(errno);
            return;
        }
        m_path = finished;
        syncFolder(folder);
        // This journal holds all they held, and more.
        for (OrphanJournal &journal : m_replaced)
            journal.remove();
        m_replaced.clear();
    }

    void append(Command &command)
    {
        if (m_fd < 0)
            return;
        for (const Pending &record : command.records) {
            bool ok;
            if (!record.encoded.isEmpty()) {
                ok = put(record.encoded.constData(), record.encoded.size());
            } else {
                QByteArray fixed(8, Qt::Uninitialized);
                qToLittleEndian<qint32>(record.from, fixed.data());
                qToLittleEndian<qint32>(record.removed, fixed.data() + 4);
                ok = writeRecord(JournalFormat::EditRecord, fixed, record.inserted.constData(),
                                 record.inserted.size(), false);
            }
            if (!ok)
                return;
        }
        if (drain() && ::fdatasync(m_fd) != 0)
            failCurrent(errno);
    }

    void discardCurrent(Command &command)
    {
        close(true);
        for (OrphanJournal &journal : m_replaced)
            journal.remove();
        m_replaced.clear();
        for (OrphanJournal &journal : command.replaced)
            journal.remove();
    }

    // A record of `fixed` bytes followed by a text, which is written from where it lies. A large
    // text is read once: its checksum is taken piece by piece as it goes out, and its head, written
    // as zeros first, gets the checksum at the end. Until then the record reads as a torn one.
    bool writeRecord(JournalFormat::RecordType type, const QByteArray &fixed, const QChar *text, qint64 length,
                     bool cancellable)
    {
        const qint64 textBytes = length * qint64(sizeof(QChar));
        const quint64 payload = quint64(fixed.size() + textBytes);
        quint32 crc = JournalFormat::crc(fixed.constData(), fixed.size());
        const char *bytes = reinterpret_cast<const char *>(text);
        static const char zeros[4] = {};
        if (textBytes <= GatherBytes) {
            crc = JournalFormat::crc(text, textBytes, crc);
            const QByteArray head = JournalFormat::recordHead(type, payload, crc);
            return put(head.constData(), head.size()) && put(fixed.constData(), fixed.size())
                && put(bytes, textBytes) && put(zeros, JournalFormat::padding(payload));
        }
        const QByteArray blank(JournalFormat::recordHead(type, 0, 0).size(), '\0');
        if (!drain())
            return false;
        const off_t headAt = ::lseek(m_fd, 0, SEEK_CUR);
        if (headAt < 0 || !writeOut(blank.constData(), blank.size()) || !writeOut(fixed.constData(), fixed.size())) {
            failCurrent(errno ? errno : EIO);
            return false;
        }
        for (qint64 at = 0; at < textBytes; at += SnapshotPiece) {
            if (cancellable && m_cancel)
                return true;
            const qint64 piece = qMin(SnapshotPiece, textBytes - at);
            crc = JournalFormat::crc(bytes + at, piece, crc);
            if (!writeOut(bytes + at, piece))
                return false;
        }
        const QByteArray head = JournalFormat::recordHead(type, payload, crc);
        if (!writeOut(zeros, JournalFormat::padding(payload))
            || ::pwrite(m_fd, head.constData(), size_t(head.size()), headAt) != head.size()) {
            failCurrent(errno ? errno : EIO);
            return false;
        }
        return true;
    }

    // Gathers small pieces; a large one goes out at once, after what was gathered.
    bool put(const char *data, qint64 length)
    {
        if (m_gathered.size() + length <= GatherBytes) {
            m_gathered.append(data, int(length));
            return true;
        }
        return drain() && writeOut(data, length);
    }

    bool drain()
    {
        const QByteArray gathered = m_gathered;
        m_gathered.clear();
        return writeOut(gathered.constData(), gathered.size());
    }

    bool writeOut(const char *data, qint64 length)
    {
        while (length > 0) {
            const ssize_t put = ::write(m_fd, data, size_t(length));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0) {
                failCurrent(put < 0 ? errno : ENOSPC);
                return false;
            }
            data += put;
            length -= put;
        }
        return true;
    }

    // The journal stops here: what is in it stays, a sound prefix of the changes.
    void failCurrent(int error)
    {
        const bool unfinished = m_path.endsWith(QLatin1String(".part"));
        close(unfinished);
        fail(systemError(error));
    }

    void fail(const QString &reason)
    {
        m_gathered.clear();
        emit m_owner->failed(reason);
    }

    void close(bool remove)
    {
        m_gathered.clear();
        if (m_fd < 0)
            return;
        // Removed while still locked, so that no other process takes it for an orphan.
        if (remove)
            ::unlink(QFile::encodeName(m_path).constData());
        ::close(m_fd);
        m_fd = -1;
    }

    RecoveryJournal *m_owner;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Command> m_queue;
    bool m_stopping = false;
    bool m_busy = false;
    std::atomic<bool> m_cancel{false};

    // The writer thread's own.
    int m_fd = -1;
    QString m_path;
    QByteArray m_gathered;
    std::vector<OrphanJournal> m_replaced;

    std::thread m_thread;
};

RecoveryJournal::RecoveryJournal(QObject *parent)
    : QObject(parent)
    , m_writer(std::make_unique<Writer>(this))
{
}

RecoveryJournal::~RecoveryJournal()
{
    flush();
    m_writer.reset();
}

QString RecoveryJournal::folder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/recovery");
}

QString RecoveryJournal::damagedFolder()
{
    const QString journals = folder();
    return journals.isEmpty() ? QString() : journals + QStringLiteral("/damaged");
}

bool RecoveryJournal::prepareFolder(const QString &folder, QString *reason)
{
    if (folder.isEmpty()) {
        *reason = systemError(ENOENT);
        return false;
    }
    const QByteArray path = QFile::encodeName(QDir::cleanPath(QDir(folder).absolutePath()));
    // Each folder made on the way is private from the start.
    for (int at = 1; at <= path.size(); ++at) {
        if (at < path.size() && path.at(at) != '/')
            continue;
        if (::mkdir(path.left(at).constData(), 0700) != 0 && errno != EEXIST) {
            *reason = systemError(errno);
            return false;
        }
    }
    struct stat st;
    if (::stat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        *reason = systemError(ENOTDIR);
        return false;
    }
    if ((st.st_mode & 07777) != 0700 && ::chmod(path.constData(), 0700) != 0) {
        *reason = systemError(errno);
        return false;
    }
    if (::access(path.constData(), W_OK | X_OK) != 0) {
        *reason = systemError(errno);
        return false;
    }
    return true;
}

void RecoveryJournal::start(const FileState &file, const QString &base, std::vector<OrphanJournal> replaced)
{
    m_pending.clear();
    Writer::Command command{Writer::Command::Start, folder(), JournalFormat::fileRecord(file), base,
                            QDateTime::currentMSecsSinceEpoch(), {}, std::move(replaced)};
    m_writer->push(std::move(command));
    m_started = true;
}

void RecoveryJournal::setFile(const FileState &file)
{
    if (!m_started)
        return;
    Pending pending;
    pending.encoded = JournalFormat::fileRecord(file);
    m_pending.push_back(std::move(pending));
}

void RecoveryJournal::record(int from, int removed, const QString &inserted)
{
    if (!m_started)
        return;
    Pending pending;
    pending.from = from;
    pending.removed = removed;
    pending.inserted = inserted;
    m_pending.push_back(std::move(pending));
}

void RecoveryJournal::flush()
{
    if (m_pending.empty())
        return;
    Writer::Command command{Writer::Command::Append, {}, {}, {}, 0, std::move(m_pending), {}};
    m_pending.clear();
    m_writer->push(std::move(command));
}

void RecoveryJournal::discard()
{
    m_pending.clear();
    m_writer->discard();
    m_started = false;
}

void RecoveryJournal::waitForWriter()
{
    m_writer->wait();
}
