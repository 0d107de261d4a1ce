// SPDX-License-Identifier: GPL-3.0-or-later
// Performance cases, each measured against its baseline in the same run. Run by hand:
//   QT_QPA_PLATFORM=offscreen ./build/bench/tavlo-bench [case-name-filter]
#include "core/appinfo.h"
#include "core/codecscan.h"
#include "core/encodingguess.h"
#include "core/folding.h"
#include "encodingcorpus.h"
#include "gui/mainwindow/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>

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

// The medians of runs of two cases taken in turn, so that a load that comes and goes on a
// shared machine falls on both alike.
std::pair<double, double> timeAlternating(const std::function<void()> &ours,
                                          const std::function<void()> &baseline, int rounds = 5)
{
    std::vector<double> oursTimes, baselineTimes;
    for (int i = 0; i < rounds; ++i) {
        oursTimes.push_back(timeIt(ours, 1));
        baselineTimes.push_back(timeIt(baseline, 1));
    }
    std::sort(oursTimes.begin(), oursTimes.end());
    std::sort(baselineTimes.begin(), baselineTimes.end());
    return {oursTimes[rounds / 2], baselineTimes[rounds / 2]};
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

void benchCodecListWithSuggestion()
{
    const char *name = "codec list with suggestion of a 10 MB windows-1256 file";
    if (!selected(name))
        return;
    QByteArray data = QTextCodec::codecForMib(2256)->fromUnicode(persianText(10 * 1024 * 1024));
    data.truncate(10 * 1024 * 1024);
    QList<int> suggestions;
    const auto times = timeAlternating([&] { suggestions = suggestEncodings(data, CodecScan::cleanMibs(data)); },
                                       [&] { CodecScan::cleanMibsReference(data); });
    if (suggestions.value(0) != 2256)
        std::printf("  WRONG: the first suggestion is MIB %d\n", suggestions.value(0));
    report(name, times.first, times.second);
    const QList<int> clean = CodecScan::cleanMibs(data);
    std::printf("  (the suggestion alone, from the codec list: %.1f ms)\n",
                timeIt([&] { suggestEncodings(data, clean); }));
    std::fflush(stdout);
}

// The share of the corpus whose first suggestion reads as the true encoding does, beside the
// detector's own answer, per language and length.
void benchSuggestionAccuracy()
{
    const char *name = "encoding suggestion accuracy on the corpus";
    if (!selected(name))
        return;
    QString error;
    const QVector<CorpusSample> corpus = loadEncodingCorpus(QStringLiteral(TAVLO_TEST_DATA "/encodings"), &error);
    if (corpus.isEmpty()) {
        std::printf("%s: %s\n", name, qPrintable(error));
        return;
    }
    const QStringList lengths = {QStringLiteral("line"), QStringLiteral("paragraph"), QStringLiteral("page")};
    struct Tally {
        int ours[3] = {};
        int detector[3] = {};
        int all[3] = {};
    };
    QMap<QString, Tally> tallies;
    int ours = 0;
    int detector = 0;
    for (const CorpusSample &sample : corpus) {
        const auto readsRight = [&](int mib) {
            return mib != 0 && QTextCodec::codecForMib(mib)->toUnicode(sample.bytes) == sample.text;
        };
        const bool oursRight = readsRight(suggestEncodings(sample.bytes).value(0));
        const bool detectorRight = readsRight(detectedEncoding(sample.bytes));
        Tally &tally = tallies[sample.language];
        const int length = lengths.indexOf(sample.length);
        ++tally.all[length];
        tally.ours[length] += oursRight;
        tally.detector[length] += detectorRight;
        ours += oursRight;
        detector += detectorRight;
    }
    std::printf("%s: ours %d/%d (%.1f%%), uchardet alone %d/%d (%.1f%%)\n", name, ours, corpus.size(),
                100.0 * ours / corpus.size(), detector, corpus.size(), 100.0 * detector / corpus.size());
    std::printf("  %-9s %-13s %-13s %-13s (ours / uchardet of n)\n", "language", "line", "paragraph", "page");
    for (auto it = tallies.cbegin(); it != tallies.cend(); ++it) {
        std::printf("  %-9s", qPrintable(it.key()));
        for (int i = 0; i < 3; ++i)
            std::printf(" %-13s", qPrintable(QStringLiteral("%1 / %2 of %3").arg(it->ours[i]).arg(it->detector[i]).arg(it->all[i])));
        std::printf("\n");
    }
    std::fflush(stdout);
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

// Closes whatever message box goes modal, so a case can run a command that ends with one.
class BoxCloser
{
public:
    BoxCloser()
    {
        QObject::connect(&m_poll, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->accept();
        });
        m_poll.start(5);
    }

private:
    QTimer m_poll;
};

// The fourteen whole-string passes, in place in a buffer of the caller's like ours.
void foldByPassesInto(const QString &text, QString *out)
{
    out->resize(text.size());
    std::copy(text.constBegin(), text.constEnd(), out->begin());
    out->replace(QChar(0x2028), QChar(0x000A));
    out->replace(QChar(0x2029), QChar(0x000A));
    *out = std::move(*out).toLower();
    const ushort rules[][2] = {{0x064A, 0x06CC}, {0x0626, 0x06CC}, {0x0649, 0x06CC}, {0x0643, 0x06A9},
                               {0x0623, 0x0627}, {0x0625, 0x0627}, {0x0622, 0x0627}, {0x0671, 0x0627},
                               {0x0624, 0x0648}, {0x0621, 0x0627}, {0x0629, 0x0647}};
    for (const auto &rule : rules)
        out->replace(QChar(rule[0]), QChar(rule[1]));
}

void benchFolding()
{
    const char *name = "fold a 10 MB text";
    if (!selected(name))
        return;
    // Arabic Yeh, Kaf and Teh Marbuta, capitals and line separators, so every pass has work.
    QString text = persianText(10 * 1024 * 1024);
    for (int i = 0; i < text.size(); i += 97)
        text[i] = QChar(u"يكةۀAZ\u2029"[(i / 97) % 7]);
    // Both fold into buffers that already exist, as the find engine's cache does.
    QString onePass, passes;
    foldTextInto(text, &onePass, false, false);
    foldByPassesInto(text, &passes);
    const double ours = timeIt([&] { foldTextInto(text, &onePass, false, false); }, 5);
    const double baseline = timeIt([&] { foldByPassesInto(text, &passes); }, 5);
    if (onePass != passes || onePass != foldTextByPasses(text, false, false))
        std::printf("  MISMATCH: the folded texts differ\n");
    report(name, ours, baseline);
}

void benchFirstFind()
{
    const char *name = "first Find Next after an edit, 10 MB document (refold and search)";
    if (!selected(name))
        return;
    MainWindow window;
    window.show();
    auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    auto *find = window.findChild<QPlainTextEdit *>(QStringLiteral("plainFind"));
    edit->setPlainText(persianText(10 * 1024 * 1024) + QStringLiteral(" نشانه‌ی پایانی"));
    QApplication::processEvents();
    find->setPlainText(QStringLiteral("نشانه‌ی پایانی"));
    std::vector<double> times;
    for (int i = 0; i < 3; ++i) {
        QTextCursor start(edit->document());
        start.insertText(QStringLiteral("x"));
        edit->setTextCursor(start);
        QApplication::processEvents();
        times.push_back(timeIt([&] { window.findMatch(true, true, false); }, 1));
    }
    std::sort(times.begin(), times.end());
    const double ours = times[1];
    // The baseline takes the plain text, folds it the long way and searches it, without selecting.
    int found = -1;
    const double baseline = timeIt([&] {
        const QString folded = foldTextByPasses(edit->toPlainText(), false, false);
        found = folded.indexOf(foldTextByPasses(find->toPlainText(), false, false));
    });
    if (edit->textCursor().selectionStart() != found)
        std::printf("  MISMATCH: found at %d, expected %d\n", edit->textCursor().selectionStart(), found);
    report(name, ours, baseline);
}

void benchReplaceAll()
{
    const char *name = "Replace All, one letter by two in a 1.2 MB Persian document, shown editor";
    if (!selected(name))
        return;
    const QString text = persianText(1200 * 1000);
    const QString letter = QStringLiteral("پ");
    std::printf("  (%d replacements; the baseline is the loop of single Replace edits)\n", text.count(letter));
    std::fflush(stdout);
    BoxCloser closer;
    MainWindow window;
    window.resize(800, 600);
    window.show();
    auto *edit = window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    window.findChild<QPlainTextEdit *>(QStringLiteral("plainFind"))->setPlainText(letter);
    window.findChild<QPlainTextEdit *>(QStringLiteral("plainReplace"))->setPlainText(letter + letter);
    auto *replaceAll = window.findChild<QPushButton *>(QStringLiteral("pushReplaceAll"));

    // Loading the text is part of neither case: it is timed alone and taken off both.
    const double load = timeIt([&] {
        edit->setPlainText(text);
        QApplication::processEvents();
    }, 1);
    QString ourResult, loopResult;
    const double ours = timeIt([&] {
        edit->setPlainText(text);
        QApplication::processEvents();
        replaceAll->click();
        QApplication::processEvents();
        ourResult = edit->toPlainText();
    }, 1);
    const double baseline = timeIt([&] {
        edit->setPlainText(text);
        QApplication::processEvents();
        edit->setTextCursor(QTextCursor(edit->document()));
        while (window.replaceMatch(true, true)) {
        }
        QApplication::processEvents();
        loopResult = edit->toPlainText();
    }, 1);
    if (ourResult != loopResult)
        std::printf("  MISMATCH: the texts differ\n");
    report(name, ours - load, baseline - load);
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
    benchCodecListWithSuggestion();
    benchSuggestionAccuracy();
    benchOpenUtf8(dir);
    benchFolding();
    benchFirstFind();
    benchReplaceAll();
    return 0;
}
