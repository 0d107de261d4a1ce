// Performance cases, each measured against its baseline in the same run. Run by hand:
//   QT_QPA_PLATFORM=offscreen ./build/bench/tavlo-bench [case-name-filter]
#include "appinfo.h"
#include "codecscan.h"
#include "mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

QStringList g_filter;

// Persian prose from a fixed word list, the same in every run.
QString persianText(int minLength)
{
    static const char *const words[] = {
        "سلام", "دنیا", "کتاب", "نویسنده", "پرونده", "زبان", "فارسی", "یک", "این", "آن", "با",
        "برای", "خانه", "می‌رود", "می‌نویسد", "کیک", "یادداشت", "ویرایشگر", "متن", "شعر", "آسمان",
        "ایران", "دوست", "English", "text", "2024", "گچ", "ژاله", "پنجره", "نامه"};
    const int count = int(sizeof(words) / sizeof(words[0]));
    QString text;
    text.reserve(minLength + 64);
    quint32 state = 12345;
    int inLine = 0;
    while (text.size() < minLength) {
        state = state * 1103515245u + 12345u;
        text += QString::fromUtf8(words[(state >> 16) % count]);
        text += (++inLine % 14 == 0) ? QLatin1Char('\n') : QLatin1Char(' ');
    }
    return text;
}

// The median of a few runs, in milliseconds.
double timeIt(const std::function<void()> &run, int repeats = 3)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool selected(const char *name)
{
    if (g_filter.isEmpty())
        return true;
    for (const QString &f : g_filter)
        if (QString::fromUtf8(name).contains(f))
            return true;
    return false;
}

void report(const char *name, double ours, double baseline)
{
    std::printf("%s: ours %.1f ms, baseline %.1f ms, ratio %.3f\n", name, ours, baseline,
                baseline > 0 ? ours / baseline : 0.0);
    std::fflush(stdout);
}

void benchCodecList()
{
    const char *name = "codec list of a 10 MB windows-1256 file";
    if (!selected(name))
        return;
    QByteArray data = QTextCodec::codecForMib(2256)->fromUnicode(persianText(10 * 1024 * 1024));
    data.truncate(10 * 1024 * 1024);
    QList<int> fast, plain;
    const double ours = timeIt([&] { fast = CodecScan::cleanMibs(data); });
    const double baseline = timeIt([&] { plain = CodecScan::cleanMibsReference(data); });
    if (fast != plain)
        std::printf("  MISMATCH: the lists differ\n");
    report(name, ours, baseline);
}

void benchOpenUtf8(const QTemporaryDir &dir)
{
    const char *name = "open a 10 MB UTF-8 Persian file";
    if (!selected(name))
        return;
    const QString path = dir.filePath(QStringLiteral("persian.txt"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        QByteArray bytes = persianText(6 * 1024 * 1024).toUtf8();
        bytes.truncate(10 * 1024 * 1024);
        while (bytes.size() < 10 * 1024 * 1024)
            bytes += bytes.left(10 * 1024 * 1024 - bytes.size());
        // Cut at a character boundary so the file stays UTF-8.
        while ((uchar(bytes.at(bytes.size() - 1)) & 0xC0) == 0x80 || uchar(bytes.at(bytes.size() - 1)) >= 0xC0)
            bytes.chop(1);
        file.write(bytes);
    }
    MainWindow window;
    window.show();
    QApplication::processEvents();
    auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    const double ours = timeIt([&] {
        window.loadFile(path);
        QApplication::processEvents();
    });
    const double floor = timeIt([&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        edit->setPlainText(QString::fromUtf8(bytes));
        QApplication::processEvents();
    });
    report(name, ours, floor);
}

}


int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    for (int i = 1; i < argc; ++i)
        g_filter << QString::fromLocal8Bit(argv[i]);

    // Never the user's own settings, never the network.
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    AppInfo::setUpdateEndpointForTesting(QStringLiteral("https://127.0.0.1:9/tavlo/getLastStable.php"));

    benchCodecList();
    benchOpenUtf8(dir);
    return 0;
}
