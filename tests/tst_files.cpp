// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appinfo.h"
#include "core/codecscan.h"
#include "core/documentfile.h"
#include "core/recentfiles.h"
#include "core/safesave.h"
#include "fileutil.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>
#include <memory>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// Old Windows files write Persian with the Arabic Yeh: windows-1256 has no Farsi Yeh.
const QString Persian = QStringLiteral("سلام دنيا، پرونده‌اي به زبان فارسي با گچ و ژاله");

QByteArray encoded(const char *codec, const QString &text)
{
    return QTextCodec::codecForName(codec)->fromUnicode(text);
}

// Every extended attribute of a file, its ACL among them.
QMap<QByteArray, QByteArray> attributesOf(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    QByteArray names(65536, 0);
    const ssize_t length = ::listxattr(encoded.constData(), names.data(), size_t(names.size()));
    QMap<QByteArray, QByteArray> attributes;
    for (const QByteArray &name : names.left(int(qMax<ssize_t>(length, 0))).split('\0')) {
        QByteArray value(65536, 0);
        const ssize_t size = name.isEmpty() ? -1 : ::getxattr(encoded.constData(), name.constData(), value.data(), size_t(value.size()));
        if (size >= 0)
            attributes.insert(name, value.left(int(size)));
    }
    return attributes;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

}

class tst_Files : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void readsAndDecodes_data();
    void readsAndDecodes();
    void refusesWhatCannotBeRead_data();
    void refusesWhatCannotBeRead();

    void readStopsAtAnError_data();
    void readStopsAtAnError();
    void failedWriteKeepsTheOldBytes_data();
    void failedWriteKeepsTheOldBytes();
    void writeKeepsTheFileItself_data();
    void writeKeepsTheFileItself();

    void stampSeesEveryWrite_data();
    void stampSeesEveryWrite();

    void fastScanMatchesPlainLoop_data();
    void fastScanMatchesPlainLoop();
    void cleanMeansReadBackByteForByte_data();
    void cleanMeansReadBackByteForByte();

    void recentList();
    void shortenPath_data();
    void shortenPath();

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_config;
    // A cache that nobody can write, for saves run as nobody.
    QTemporaryDir m_nobodyCache;
};

void tst_Files::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(chmod(QFile::encodeName(m_nobodyCache.path()).constData(), 0777), 0);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
}

void tst_Files::readsAndDecodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("mib"); // 0: taken as UTF-8
    QTest::addColumn<QString>("text");
    QTest::newRow("empty file") << QByteArray() << 0 << QString();
    QTest::newRow("utf-8 persian") << Persian.toUtf8() << 0 << Persian;
    QTest::newRow("utf-8 bom is dropped") << QByteArray("\xEF\xBB\xBF") + Persian.toUtf8() << 0 << Persian;
    QTest::newRow("line ends left to the editor") << QByteArray("one\r\ntwo\rthree") << 0 << QStringLiteral("one\r\ntwo\rthree");
    QTest::newRow("windows-1256 persian") << encoded("windows-1256", Persian) << 2256 << Persian;
    QTest::newRow("utf-8 cut inside its last character") << Persian.toUtf8().chopped(1) << 2256
                                                         << QTextCodec::codecForMib(2256)->toUnicode(Persian.toUtf8().chopped(1));
    QTest::newRow("utf-16 with bom loses the bom") << encoded("UTF-16LE", QStringLiteral("\uFEFF") + Persian) << 1015 << Persian;
}

void tst_Files::readsAndDecodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, mib);
    QFETCH(QString, text);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("read.txt")), bytes);
    LoadResult result = readDocument(path);
    QCOMPARE(result.status, LoadResult::Ok);
    QCOMPARE(result.utf8, mib == 0);
    QCOMPARE(result.stamp.size, qint64(bytes.size()));
    if (mib == 0) {
        QCOMPARE(result.text, text);
    } else {
        QCOMPARE(result.bytes, bytes);
        QVERIFY(CodecScan::cleanMibs(bytes).contains(mib));
        QString decoded;
        QVERIFY(decodeDocument(result.bytes, mib, &decoded));
        QCOMPARE(decoded, text);
    }
}

void tst_Files::refusesWhatCannotBeRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");
    QTest::newRow("missing file") << "missing" << int(LoadResult::NotFound);
    QTest::newRow("folder") << "folder" << int(LoadResult::NotRegular);
    QTest::newRow("fifo") << "fifo" << int(LoadResult::NotRegular);
    QTest::newRow("device") << "device" << int(LoadResult::NotRegular);
    QTest::newRow("larger than a text can hold") << "huge" << int(LoadResult::TooLarge);
    QTest::newRow("a read that fails at once") << "/proc/self/mem" << int(LoadResult::ReadError);
    // The kernel log has nothing to give until the kernel speaks; a container may not let it
    // be opened at all. Either way it is refused at once instead of blocking (-1: any refusal).
    QTest::newRow("nothing to give now") << "/proc/kmsg" << -1;
}

void tst_Files::refusesWhatCannotBeRead()
{
    QFETCH(QString, kind);
    QFETCH(int, status);
    QString path = unreadablePath(kind, m_dir.path());
    if (kind.startsWith(QLatin1Char('/'))) {
        path = kind;
        if (!QFileInfo(path).isReadable())
            QSKIP("not readable here");
    }
    QVERIFY(!path.isEmpty());
    const LoadResult::Status result = readDocument(path).status;
    if (status < 0)
        QVERIFY(result != LoadResult::Ok);
    else
        QCOMPARE(int(result), status);
}

void tst_Files::readStopsAtAnError_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("reported");
    QTest::addColumn<int>("failAt"); // -1: never fails, the data just ends
    QTest::addColumn<int>("status");
    QTest::newRow("error after 64 KiB") << 600000 << 600000 << 65536 << int(LoadResult::ReadError);
    QTest::newRow("ends before the reported size") << 65536 << 600000 << -1 << int(LoadResult::ShortRead);
    QTest::newRow("no size reported, read to the end") << 3000 << 0 << -1 << int(LoadResult::Ok);
}

void tst_Files::readStopsAtAnError()
{
    // Gives its bytes, then fails as a disk read may half way through a file.
    class FailingDevice : public QIODevice
    {
    public:
        FailingDevice(int size, int failAt)
            : m_data(size, 'a')
            , m_failAt(failAt)
        {
            open(ReadOnly | Unbuffered);
        }

    protected:
        qint64 readData(char *data, qint64 maxSize) override
        {
            if (m_failAt >= 0 && m_at >= m_failAt) {
                setErrorString(QStringLiteral("Input/output error"));
                return -1;
            }
            qint64 end = m_data.size();
            if (m_failAt >= 0)
                end = qMin<qint64>(end, m_failAt);
            const qint64 n = qMin(maxSize, end - m_at);
            memcpy(data, m_data.constData() + m_at, size_t(n));
            m_at += n;
            return n;
        }
        qint64 writeData(const char *, qint64) override { return -1; }

    private:
        QByteArray m_data;
        qint64 m_failAt;
        qint64 m_at = 0;
    };
    QFETCH(int, size);
    QFETCH(int, reported);
    QFETCH(int, failAt);
    QFETCH(int, status);
    FailingDevice device(size, failAt);
    const LoadResult result = readDevice(&device, reported);
    QCOMPARE(int(result.status), status);
    if (status == LoadResult::Ok)
        QCOMPARE(result.bytes.size(), size);
    if (status == LoadResult::ReadError)
        QCOMPARE(result.reason, QStringLiteral("Input/output error"));
}

void tst_Files::failedWriteKeepsTheOldBytes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("documentSize");
    QTest::addColumn<int>("status");
    QTest::newRow("disk full, small document") << "full" << 2000 << int(SaveResult::Failed);
    QTest::newRow("disk full, 1 MiB document") << "full" << (1 << 20) << int(SaveResult::Failed);
    QTest::newRow("read-only file system") << "readonly" << 2000 << int(SaveResult::Failed);
    QTest::newRow("folder removed") << "nofolder" << 2000 << int(SaveResult::Failed);
    QTest::newRow("fifo in place of the file") << "fifo" << 2000 << int(SaveResult::NotRegular);
    QTest::newRow("loop of symbolic links") << "loop" << 2000 << int(SaveResult::Failed);
    // Written in place (the folder takes no temporary file): the old bytes must survive.
    QTest::newRow("disk full, another user's folder") << "fullfolder" << 120000 << int(SaveResult::Failed);
    // As the kernel refuses to follow it with fs.protected_symlinks on.
    QTest::newRow("another user's link in a sticky folder") << "stickylink" << 2000 << int(SaveResult::Failed);
    // Written in place (a second name), which needs a copy of the old bytes first.
    QTest::newRow("no folder for kept copies") << "nocopyfolder" << 2000 << int(SaveResult::NoKeptCopy);
    QTest::newRow("kept copies on a full disk") << "copydiskfull" << 2000 << int(SaveResult::NoKeptCopy);
}

void tst_Files::failedWriteKeepsTheOldBytes()
{
    QFETCH(QString, kind);
    QFETCH(int, documentSize);
    QFETCH(int, status);
    const QByteArray old("the old bytes\n");
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(folder));
    // The rows that spoil the kept-copies folder have a cache of their own.
    std::optional<CacheHome> cache;
    if (kind == QLatin1String("nocopyfolder") || kind == QLatin1String("copydiskfull"))
        cache.emplace(dir.filePath(QStringLiteral("cache")));
    const QString copies = SafeSave::keptCopiesFolder();
    std::unique_ptr<SmallDisk> disk;
    const bool asNobody = kind == QLatin1String("fullfolder");
    if (kind == QLatin1String("full") || kind == QLatin1String("readonly") || asNobody) {
        disk = std::make_unique<SmallDisk>(folder, asNobody ? QStringLiteral("256k") : QStringLiteral("2m"));
        if (!disk->mounted())
            QSKIP("mounting a tmpfs is refused here (needs root)");
    } else if (kind == QLatin1String("copydiskfull")) {
        QVERIFY(QDir().mkpath(copies));
        disk = std::make_unique<SmallDisk>(copies, QStringLiteral("256k"));
        if (!disk->mounted())
            QSKIP("mounting a tmpfs is refused here (needs root)");
        disk->fill();
    } else if (kind == QLatin1String("nocopyfolder")) {
        QVERIFY(QDir().mkpath(QFileInfo(copies).path()));
        writeFile(copies, "a file where the folder would go");
    }
    const QString path = writeFile(folder + QStringLiteral("/doc.txt"), old);
    if (kind == QLatin1String("nocopyfolder") || kind == QLatin1String("copydiskfull"))
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(folder + QStringLiteral("/second.txt")).constData()), 0);
    if (asNobody) {
        QCOMPARE(::chown(QFile::encodeName(path).constData(), NobodyId, NobodyId), 0);
        QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0755), 0);
    }
    QString text;
    while (text.size() < documentSize)
        text += Persian + QLatin1Char('\n');

    if (kind == QLatin1String("full") || asNobody)
        disk->fill();
    else if (kind == QLatin1String("readonly"))
        QVERIFY(disk->remountReadOnly());
    else if (kind == QLatin1String("nofolder"))
        QVERIFY(QDir(folder).removeRecursively());
    else if (kind == QLatin1String("fifo")) {
        QVERIFY(QFile::remove(path));
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    QString target = path;
    if (kind == QLatin1String("loop")) {
        target = folder + QStringLiteral("/a.txt");
        QVERIFY(QFile::link(folder + QStringLiteral("/b.txt"), target));
        QVERIFY(QFile::link(target, folder + QStringLiteral("/b.txt")));
    } else if (kind == QLatin1String("stickylink")) {
        if (::geteuid() != 0)
            QSKIP("needs root, to give the link to another user");
        target = folder + QStringLiteral("/link.txt");
        QVERIFY(QFile::link(path, target));
        QCOMPARE(::lchown(QFile::encodeName(target).constData(), NobodyId, NobodyId), 0);
        QCOMPARE(chmod(QFile::encodeName(folder).constData(), 01777), 0);
    }
    const QStringList before = entriesOf(folder);

    SaveResult result;
    if (asNobody) {
        QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_nobodyCache.path()));
        const QString reasonFile = m_nobodyCache.filePath(QStringLiteral("reason"));
        result.status = SaveResult::Status(runAsNobody([&] {
            const SaveResult r = writeDocument(target, text.left(documentSize));
            writeFile(reasonFile, r.reason.toUtf8());
            return int(r.status);
        }));
        result.reason = QString::fromUtf8(readFile(reasonFile));
        QCOMPARE(result.reason, QStringLiteral("No space left on device"));
        // The copy it kept while it worked is gone again.
        QVERIFY(QDir(SafeSave::keptCopiesFolder()).entryList(QDir::Files).isEmpty());
    } else {
        result = writeDocument(target, text.left(documentSize));
    }
    QCOMPARE(int(result.status), status);
    if (status == SaveResult::Failed)
        QVERIFY(!result.reason.isEmpty());
    if (kind == QLatin1String("loop")) {
        QCOMPARE(result.reason, QStringLiteral("Too many levels of symbolic links"));
        QVERIFY(QFileInfo(folder + QStringLiteral("/b.txt")).isSymLink());
    }
    if (kind == QLatin1String("stickylink"))
        QCOMPARE(result.reason, QStringLiteral("Permission denied"));
    if (status == SaveResult::NoKeptCopy)
        QCOMPARE(result.keptCopy, copies);
    if (kind != QLatin1String("fifo") && kind != QLatin1String("nofolder"))
        QCOMPARE(readFile(path), old);
    // No temporary file is left behind.
    QCOMPARE(entriesOf(folder), before);
}

void tst_Files::writeKeepsTheFileItself_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("needsRoot");
    QTest::newRow("through a symbolic link") << "link" << 0644 << false;
    QTest::newRow("a relative link reached through a linked folder") << "linkedfolder" << 0644 << false;
    QTest::newRow("mode 640") << "plain" << 0640 << false;
    QTest::newRow("mode 444 stays when root saves") << "plain" << 0444 << true;
    QTest::newRow("mode 400 stays when root saves") << "plain" << 0400 << true;
    QTest::newRow("a second name sees the new text") << "hardlink" << 0644 << false;
    QTest::newRow("another user's file keeps its owner") << "foreign" << 0644 << true;
    QTest::newRow("folder without room for a temporary file") << "lockedfolder" << 0644 << true;
    QTest::newRow("an extended attribute stays") << "xattr" << 0644 << false;
    QTest::newRow("an acl stays") << "acl" << 0640 << false;
    // The new file could not be given it: written in place, the file keeps it.
    QTest::newRow("an attribute the user may not set stays") << "security" << 0644 << true;
}

void tst_Files::writeKeepsTheFileItself()
{
    QFETCH(QString, kind);
    QFETCH(int, mode);
    QFETCH(bool, needsRoot);
    if (needsRoot && ::geteuid() != 0)
        QSKIP("needs root");
    QTemporaryDir dir;
    QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString real = writeFile(dir.filePath(QStringLiteral("real.txt")), "old");
    QCOMPARE(chmod(QFile::encodeName(real).constData(), mode_t(mode)), 0);
    QString path = real;
    if (kind == QLatin1String("link")) {
        path = dir.filePath(QStringLiteral("link.txt"));
        QVERIFY(QFile::link(real, path));
    } else if (kind == QLatin1String("linkedfolder")) {
        // other/deep/link.txt is sub/link.txt, which leads to ../real.txt from sub, not from deep.
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sub")) && QDir(dir.path()).mkpath(QStringLiteral("other")));
        QVERIFY(QFile::link(QStringLiteral("../real.txt"), dir.filePath(QStringLiteral("sub/link.txt"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("sub")), dir.filePath(QStringLiteral("other/deep"))));
        path = dir.filePath(QStringLiteral("other/deep/link.txt"));
        QCOMPARE(readFile(path), QByteArray("old"));
    } else if (kind == QLatin1String("hardlink")) {
        path = dir.filePath(QStringLiteral("second.txt"));
        QCOMPARE(::link(QFile::encodeName(real).constData(), QFile::encodeName(path).constData()), 0);
    } else if (kind == QLatin1String("foreign") || kind == QLatin1String("lockedfolder") || kind == QLatin1String("security")) {
        QCOMPARE(::chown(QFile::encodeName(real).constData(), NobodyId, NobodyId), 0);
    }
    const QByteArray encoded = QFile::encodeName(real);
    if (kind == QLatin1String("xattr") && ::setxattr(encoded.constData(), "user.tavlo", "kept", 4, 0) != 0)
        QSKIP("the file system takes no extended attributes here");
    if (kind == QLatin1String("acl")
        && QProcess::execute(QStringLiteral("setfacl"), {QStringLiteral("-m"), QStringLiteral("u:nobody:rw"), real}) != 0)
        QSKIP("setfacl is missing, or the file system takes no ACL here");
    if (kind == QLatin1String("security")) {
        if (::setxattr(encoded.constData(), "security.tavlo", "kept", 4, 0) != 0)
            QSKIP("the file system takes no security attributes here");
        QCOMPARE(::chown(QFile::encodeName(dir.path()).constData(), NobodyId, NobodyId), 0);
    }
    const QMap<QByteArray, QByteArray> attributes = attributesOf(real);
    struct stat before;
    QCOMPARE(stat(QFile::encodeName(real).constData(), &before), 0);

    if (kind == QLatin1String("lockedfolder") || kind == QLatin1String("security")) {
        // Nobody may write the file but not the root-owned folder around it.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_nobodyCache.path()));
        const int status = runAsNobody([&] { return int(writeDocument(path, QStringLiteral("new")).status); });
        QCOMPARE(status, int(SaveResult::Ok));
    } else {
        QCOMPARE(writeDocument(path, QStringLiteral("new")).status, SaveResult::Ok);
    }
    QCOMPARE(readFile(real), QByteArray("new"));
    QCOMPARE(readFile(path), QByteArray("new"));
    QCOMPARE(QFileInfo(path).isSymLink(), kind.contains(QLatin1String("link")) && kind != QLatin1String("hardlink"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("other/real.txt"))));
    struct stat after;
    QCOMPARE(stat(QFile::encodeName(real).constData(), &after), 0);
    QCOMPARE(after.st_mode & 07777, before.st_mode & 07777);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    if (kind == QLatin1String("hardlink") || kind == QLatin1String("foreign") || kind == QLatin1String("lockedfolder")
        || kind == QLatin1String("security"))
        QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(attributesOf(real), attributes);
    if (kind == QLatin1String("xattr") || kind == QLatin1String("acl") || kind == QLatin1String("security"))
        QCOMPARE(attributes.size(), 1);
}

void tst_Files::stampSeesEveryWrite_data()
{
    QTest::addColumn<QString>("write");
    QTest::addColumn<bool>("matches");
    QTest::newRow("nothing written") << "none" << true;
    QTest::newRow("a time a nanosecond later") << "nanosecond" << false;
    // What a file system of whole seconds shows of a same-size write within the second: no
    // difference at all, ctime included. Only the content tells.
    QTest::newRow("same size, same second, same ctime") << "same second" << false;
}

void tst_Files::stampSeesEveryWrite()
{
    QFETCH(QString, write);
    QFETCH(bool, matches);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("stamped.txt")), "first");
    const QByteArray encoded = QFile::encodeName(path);
    const struct timespec second[2] = {{time(nullptr), 0}, {time(nullptr), 0}};
    QCOMPARE(utimensat(AT_FDCWD, encoded.constData(), second, 0), 0);
    FileStamp recorded = readDocument(path).stamp;
    if (write == QLatin1String("nanosecond")) {
        const struct timespec later[2] = {second[0], {second[1].tv_sec, 1}};
        QCOMPARE(utimensat(AT_FDCWD, encoded.constData(), later, 0), 0);
    } else if (write == QLatin1String("same second")) {
        writeFile(path, "FIRST");
        QCOMPARE(utimensat(AT_FDCWD, encoded.constData(), second, 0), 0);
        recorded.changedNs = FileStamp::of(path).changedNs;
    }
    FileStamp now;
    QCOMPARE(recorded.matchesFile(path, &now), matches);
    QCOMPARE(now.size, qint64(5));
}

void tst_Files::fastScanMatchesPlainLoop_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("windows-1256 Persian") << encoded("windows-1256", Persian.repeated(4000));
    QTest::newRow("utf-16 with bom") << encoded("UTF-16", Persian.repeated(3000));
    QTest::newRow("shift_jis") << encoded("Shift_JIS", QStringLiteral("日本語のテキスト").repeated(9000));
    QTest::newRow("big5 cut inside a character at a chunk border")
        << encoded("Big5", QStringLiteral("中文文本").repeated(20000)).left(65537);
    QTest::newRow("utf-8 missing its last byte") << Persian.repeated(3000).toUtf8().chopped(1);
    QTest::newRow("lone 0xff") << QByteArray("abc\xff");
    QByteArray random(300000, 0);
    QRandomGenerator generator(1234);
    for (char &c : random)
        c = char(generator.bounded(256));
    QTest::newRow("random bytes") << random;
    QByteArray high(150000, 0);
    for (int i = 0; i < high.size(); ++i)
        high[i] = char(0xA1 + i % 90);
    QTest::newRow("high bytes only") << high;
    QTest::newRow("control bytes") << QByteArray("\x01\x02\x1b\x0e\x0f\x7f\x80\x81\x8d\x8f\x90\x9d", 12);
}

void tst_Files::fastScanMatchesPlainLoop()
{
    QFETCH(QByteArray, data);
    QCOMPARE(CodecScan::cleanMibs(data), CodecScan::cleanMibsReference(data));
}

void tst_Files::cleanMeansReadBackByteForByte_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("clean");
    const QByteArray persian = encoded("windows-1256", Persian);
    QTest::newRow("windows-1256 reads Persian") << QByteArray("windows-1256") << persian << true;
    // ICU fills the holes of a code page with C1 controls or U+FFFD and reports nothing.
    QTest::newRow("windows-1252 has no letter at 0x81") << QByteArray("windows-1252") << persian << false;
    QTest::newRow("ISO-8859-1 reads 0x80 to 0x9F as controls") << QByteArray("ISO-8859-1") << persian << false;
    QTest::newRow("ISO-8859-6 has no letter at 0xA1") << QByteArray("ISO-8859-6") << QByteArray("\xa1\xe6") << false;
    QTest::newRow("US-ASCII takes no high byte") << QByteArray("US-ASCII") << QByteArray("ab\xe9") << false;
    QTest::newRow("a SUB the bytes hold") << QByteArray("windows-1252") << QByteArray("a\x1a\xe9") << true;
    QTest::newRow("IBM037 reads 0x3F as SUB") << QByteArray("IBM037") << QByteArray("\xc1\x3f") << false;
    QTest::newRow("GBK cannot read Persian") << QByteArray("GBK") << persian << false;
    QTest::newRow("Big5") << QByteArray("Big5") << encoded("Big5", QStringLiteral("外公的茶園在一座高山的半山腰。")) << true;
    QTest::newRow("Big5 cut inside a character")
        << QByteArray("Big5") << encoded("Big5", QStringLiteral("外公的茶園")).chopped(1) << false;
    QTest::newRow("Shift_JIS over chunk borders")
        << QByteArray("Shift_JIS") << encoded("Shift_JIS", QStringLiteral("京都の秋は美しい。\n").repeated(9000)) << true;
    // Stateful codecs write one text in many ways: each character must come back.
    QTest::newRow("ISO-2022-JP over chunk borders")
        << QByteArray("ISO-2022-JP") << encoded("ISO-2022-JP", QStringLiteral("京都の秋 autumn\n").repeated(9000)) << true;
    QTest::newRow("ISO-2022-JP takes no high byte") << QByteArray("ISO-2022-JP") << persian << false;
    QTest::newRow("UTF-7 ending in base64") << QByteArray("UTF-7") << QByteArray("a+AOk-b+AOk") << true;
    // A lone surrogate is no character.
    QTest::newRow("utf-16 pair") << QByteArray("UTF-16LE") << QByteArray("\x3d\xd8\x00\xde", 4) << true;
    QTest::newRow("utf-16 lone high surrogate") << QByteArray("UTF-16LE") << QByteArray("\x3d\xd8\x41\x00", 4) << false;
    QTest::newRow("utf-16 lone low surrogate at the end") << QByteArray("UTF-16LE") << QByteArray("\x41\x00\x00\xde", 4) << false;
    QTest::newRow("utf-16 pair across a chunk border")
        << QByteArray("UTF-16LE")
        << encoded("UTF-16LE", QStringLiteral("a").repeated(32 * 1024 - 1) + QString::fromUcs4(U"\U0001F600")) << true;
    QTest::newRow("utf-16 big-endian with its mark")
        << QByteArray("UTF-16") << QByteArray("\xfe\xff\x06\x33\x06\x44", 6) << true;
    QTest::newRow("utf-32 surrogates as two characters")
        << QByteArray("UTF-32LE") << QByteArray("\x3d\xd8\0\0\x00\xde\0\0", 8) << false;
    QTest::newRow("utf-32 big-endian with its mark")
        << QByteArray("UTF-32") << QByteArray("\0\0\xfe\xff\0\x01\xf6\x00", 8) << true;
    QTest::newRow("utf-32 past U+10FFFF") << QByteArray("UTF-32LE") << QByteArray("\0\0\x11\0", 4) << false;
}

void tst_Files::cleanMeansReadBackByteForByte()
{
    QFETCH(QByteArray, codec);
    QFETCH(QByteArray, data);
    QFETCH(bool, clean);
    QTextCodec *c = QTextCodec::codecForName(codec);
    QVERIFY(c);
    QCOMPARE(CodecScan::decodesCleanly(c, data), clean);
    // The scan in chunks over the cores judges alike.
    QCOMPARE(CodecScan::cleanMibs(data).contains(c->mibEnum()), clean);
}

void tst_Files::recentList()
{
    RecentFiles::clear();
    QStringList paths;
    for (int i = 0; i < 11; ++i)
        paths << QStringLiteral("/docs/r%1.txt").arg(i);
    for (const QString &p : qAsConst(paths))
        RecentFiles::push(p);
    // Eleven files: the oldest is dropped.
    QStringList expected;
    for (int i = 10; i >= 1; --i)
        expected << paths.at(i);
    QCOMPARE(RecentFiles::load(), expected);

    // A listed file moves to the top, the length stays.
    expected.removeAll(paths.at(5));
    expected.prepend(paths.at(5));
    QCOMPARE(RecentFiles::push(paths.at(5)), expected);

    // Backslashes are stored as slashes, and the two spellings are one entry.
    RecentFiles::push(QStringLiteral("C:\\Docs\\x.txt"));
    RecentFiles::push(QStringLiteral("C:/Docs/x.txt"));
    QCOMPARE(RecentFiles::load().mid(0, 2), (QStringList{QStringLiteral("C:/Docs/x.txt"), paths.at(5)}));
    // Letter case makes two entries.
    RecentFiles::push(QStringLiteral("C:/docs/x.txt"));
    QCOMPARE(RecentFiles::load().mid(0, 2), (QStringList{QStringLiteral("C:/docs/x.txt"), QStringLiteral("C:/Docs/x.txt")}));
    QCOMPARE(RecentFiles::load().size(), RecentFiles::MaxCount);

    // Written the moment it changes: a store opened afresh sees it.
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    QCOMPARE(settings.value(QStringLiteral("recentFileList")).toStringList().value(0), QStringLiteral("C:/docs/x.txt"));
    RecentFiles::clear();
    QVERIFY(RecentFiles::load().isEmpty());
}

void tst_Files::shortenPath_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("shownLength");
    QTest::newRow("69 characters are shown whole") << 69 << 69;
    QTest::newRow("70 characters are cut to 3 + 9 + 58") << 70 << 70;
    QTest::newRow("200 characters") << 200 << 70;
}

void tst_Files::shortenPath()
{
    QFETCH(int, length);
    QFETCH(int, shownLength);
    QString path;
    for (int i = 0; i < length; ++i)
        path += QChar('a' + i % 26);
    const QString shown = RecentFiles::shortenPath(path);
    QCOMPARE(shown.size(), shownLength);
    if (length <= 69) {
        QCOMPARE(shown, path);
    } else {
        QCOMPARE(shown.left(12), path.left(3) + QStringLiteral("   ...   "));
        QCOMPARE(shown.mid(12), path.right(58));
    }
}

QTEST_GUILESS_MAIN(tst_Files)
#include "tst_files.moc"
