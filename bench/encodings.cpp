// SPDX-License-Identifier: GPL-3.0-or-later
// The encoding cases: the codec list, the suggestion and its accuracy, and the encoding dialog.
#include "benchutil.h"
#include "core/codecscan.h"
#include "core/encodingguess.h"
#include "encodingcorpus.h"
#include "gui/dialogs/opendialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A Persian file as Windows saved it: windows-1256 has no Farsi Yeh and writes the Arabic one.
QByteArray windows1256File(int size)
{
    QByteArray data = QTextCodec::codecForMib(2256)->fromUnicode(arabicKeyboardText(size));
    data.truncate(size);
    return data;
}

void benchCodecList(const char *name, int threads)
{
    if (!selected(name))
        return;
    const QByteArray data = windows1256File(10 * 1024 * 1024);
    QThreadPool *pool = QThreadPool::globalInstance();
    const int allowed = pool->maxThreadCount();
    if (threads > 0)
        pool->setMaxThreadCount(threads);
    QList<int> fast, plain;
    const auto times = timeAlternating([&] { fast = CodecScan::cleanMibs(data); },
                                       [&] { plain = CodecScan::cleanMibsReference(data); }, 3);
    pool->setMaxThreadCount(allowed);
    if (fast != plain)
        std::printf("  MISMATCH: the lists differ\n");
    report(name, times.first, times.second);
}

void benchCodecListWithSuggestion()
{
    const char *name = "codec list with suggestion of a 10 MB windows-1256 file";
    if (!selected(name))
        return;
    const QByteArray data = windows1256File(10 * 1024 * 1024);
    QList<int> suggestions;
    const auto times = timeAlternating([&] { suggestions = suggestEncodings(data, CodecScan::cleanMibs(data)); },
                                       [&] { CodecScan::cleanMibsReference(data); }, 3);
    if (suggestions.value(0) != 2256)
        std::printf("  WRONG: the first suggestion is MIB %d\n", suggestions.value(0));
    report(name, times.first, times.second);
    const QList<int> clean = CodecScan::cleanMibs(data);
    std::printf("  (the suggestion alone, from the codec list: %.1f ms; %d codecs listed)\n",
                timeIt([&] { suggestEncodings(data, clean); }), clean.size());
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
    const QStringList lengths = corpusLengths();
    struct Tally {
        int ours[4] = {};
        int detector[4] = {};
        int all[4] = {};
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
    std::printf("  %-9s", "language");
    for (const QString &length : lengths)
        std::printf(" %-13s", qPrintable(length));
    std::printf(" (ours / uchardet of n)\n");
    for (auto it = tallies.cbegin(); it != tallies.cend(); ++it) {
        std::printf("  %-9s", qPrintable(it.key()));
        for (int i = 0; i < lengths.size(); ++i)
            std::printf(" %-13s", it->all[i] ? qPrintable(QStringLiteral("%1 / %2 of %3").arg(it->ours[i]).arg(it->detector[i]).arg(it->all[i])) : "-");
        std::printf("\n");
    }
    std::fflush(stdout);
}

// Arrowing through the list of the encoding dialog while the window repaints, against what a
// selection cost when the preview decoded and showed the whole file. The stall covers the
// whole visit, the scan of the file in the background included.
void benchDialogSelection()
{
    const char *name = "a selection change in the encoding dialog for a 50 MB windows-1256 file";
    if (!selected(name))
        return;
    QByteArray data = windows1256File(50 * 1024 * 1024);
    std::vector<double> changes;
    double stall = 0;
    {
        OpenDialog dialog;
        int ret = -1;
        StallProbe probe;
        QTimer drive;
        drive.setInterval(10);
        QObject::connect(&drive, &QTimer::timeout, &dialog, [&] {
            auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listWidget"));
            auto *preview = dialog.findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"));
            if (list->count() == 0)
                return;
            drive.stop();
            list->setFocus();
            for (int row = 0; row + 1 < list->count(); ++row) {
                QElapsedTimer timer;
                timer.start();
                QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                QApplication::sendEvent(list, &down);
                list->viewport()->repaint();
                preview->viewport()->repaint();
                changes.push_back(timer.nsecsElapsed() / 1e6);
                QApplication::processEvents();
            }
            stall = probe.longestMs();
            dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        });
        drive.start();
        dialog.show();
        dialog.exec(&data, &ret);
    }
    if (changes.empty()) {
        std::printf("%s: the list stayed empty\n", name);
        return;
    }
    std::sort(changes.begin(), changes.end());

    // What one selection cost before: the whole file decoded and shown in the preview.
    QPlainTextEdit preview;
    preview.resize(437, 293);
    preview.show();
    QApplication::processEvents();
    const double baseline = timeIt([&] {
        preview.setPlainText(QTextCodec::codecForMib(2256)->toUnicode(data));
        preview.viewport()->repaint();
    }, 1);
    report(name, changes[changes.size() / 2], baseline, stall);
    std::printf("  (%d selection changes, the slowest %.1f ms)\n", int(changes.size()), changes.back());
    std::fflush(stdout);
}

void benchEncodings(const QTemporaryDir &)
{
    benchCodecList("codec list of a 10 MB windows-1256 file", 0);
    // The gain of the algorithm alone, without the second core.
    benchCodecList("codec list of a 10 MB windows-1256 file (one thread)", 1);
    benchCodecListWithSuggestion();
    benchSuggestionAccuracy();
    benchDialogSelection();
}

const BenchCases cases(10, benchEncodings);

}
