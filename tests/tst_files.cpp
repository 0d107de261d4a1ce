// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appinfo.h"
#include "core/codecscan.h"
#include "core/documentfile.h"
#include "core/recentfiles.h"
#include "fileutil.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>
#include <memory>
#include <sys/stat.h>

namespace {

// Old Windows files write Persian with the Arabic Yeh: windows-1256 has no Farsi Yeh.
const QString Persian = QStringLiteral("سلام دنيا، پرونده‌اي به زبان فارسي با گچ و ژاله");

QByteArray encoded(const char *codec, const QString &text)
{
    return QTextCodec::codecForName(codec)->fromUnicode(text);
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

    void failedWriteKeepsTheOldBytes_data();
    void failedWriteKeepsTheOldBytes();
    void writeKeepsLinkAndModeBits_data();
    void writeKeepsLinkAndModeBits();

    void fastScanMatchesPlainLoop_data();
    void fastScanMatchesPlainLoop();

    void recentList();
    void shortenPath_data();
    void shortenPath();

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_config;
};

void tst_Files::initTestCase()
{
    QVERIFY(m_dir.isValid());
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
    QTest::newRow("utf-8 cut inside its last character") << Persian.toUtf8().chopped(1) << 4
                                                         << QString::fromLatin1(Persian.toUtf8().chopped(1));
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
}

void tst_Files::refusesWhatCannotBeRead()
{
    QFETCH(QString, kind);
    QFETCH(int, status);
    QString path;
    if (kind == QLatin1String("missing")) {
        path = m_dir.filePath(QStringLiteral("nothing-here.txt"));
    } else if (kind == QLatin1String("folder")) {
        path = m_dir.path();
    } else if (kind == QLatin1String("fifo")) {
        path = m_dir.filePath(QStringLiteral("pipe"));
        QFile::remove(path);
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/zero");
    } else {
        // A sparse file: large on paper, no disk space used.
        path = m_dir.filePath(QStringLiteral("huge.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(3) << 30));
    }
    QCOMPARE(int(readDocument(path).status), status);
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
    std::unique_ptr<SmallDisk> disk;
    if (kind == QLatin1String("full") || kind == QLatin1String("readonly")) {
        disk = std::make_unique<SmallDisk>(folder);
        if (!disk->mounted())
            QSKIP("mounting a tmpfs is refused here (needs root)");
    }
    const QString path = writeFile(folder + QStringLiteral("/doc.txt"), old);
    QString text;
    while (text.size() < documentSize)
        text += Persian + QLatin1Char('\n');

    if (kind == QLatin1String("full"))
        disk->fill();
    else if (kind == QLatin1String("readonly"))
        QVERIFY(disk->remountReadOnly());
    else if (kind == QLatin1String("nofolder"))
        QVERIFY(QDir(folder).removeRecursively());
    else if (kind == QLatin1String("fifo")) {
        QVERIFY(QFile::remove(path));
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    const QStringList before = entriesOf(folder);

    const SaveResult result = writeDocument(path, text.left(documentSize));
    QCOMPARE(int(result.status), status);
    if (status == SaveResult::Failed)
        QVERIFY(!result.reason.isEmpty());
    if (kind != QLatin1String("fifo") && kind != QLatin1String("nofolder"))
        QCOMPARE(readFile(path), old);
    // No temporary file is left behind.
    QCOMPARE(entriesOf(folder), before);
}

void tst_Files::writeKeepsLinkAndModeBits_data()
{
    QTest::addColumn<bool>("throughLink");
    QTest::addColumn<int>("mode");
    QTest::newRow("through a symbolic link") << true << 0644;
    QTest::newRow("mode 640") << false << 0640;
}

void tst_Files::writeKeepsLinkAndModeBits()
{
    QFETCH(bool, throughLink);
    QFETCH(int, mode);
    QTemporaryDir dir;
    const QString real = writeFile(dir.filePath(QStringLiteral("real.txt")), "old");
    QCOMPARE(chmod(QFile::encodeName(real).constData(), mode_t(mode)), 0);
    QString path = real;
    if (throughLink) {
        path = dir.filePath(QStringLiteral("link.txt"));
        QVERIFY(QFile::link(real, path));
    }
    QCOMPARE(writeDocument(path, QStringLiteral("new")).status, SaveResult::Ok);
    QCOMPARE(readFile(real), QByteArray("new"));
    QCOMPARE(QFileInfo(path).isSymLink(), throughLink);
    struct stat st;
    QCOMPARE(stat(QFile::encodeName(real).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), mode);
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
