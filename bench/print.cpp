// SPDX-License-Identifier: GPL-3.0-or-later
// Printing: the PDF export of a large document, against printing it through Qt's PDF engine.
#include "benchutil.h"
#include "gui/editor/layoutmode.h"
#include "gui/print/documentprinter.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

namespace {

void benchExportPdf(const QTemporaryDir &dir)
{
    const char *name = "export 10 MB as PDF (baseline: printed through Qt's PDF engine)";
    if (!selected(name))
        return;
    // TAVLO_BENCH_PRINT_MB sets another size, for a profile.
    const int megabytes = qEnvironmentVariableIsSet("TAVLO_BENCH_PRINT_MB") ? qEnvironmentVariableIntValue("TAVLO_BENCH_PRINT_MB") : 10;
    QByteArray bytes = persianText(megabytes * 600 * 1024).toUtf8();
    bytes.truncate(megabytes * 1024 * 1024);
    PrintSource source;
    source.text = QString::fromUtf8(bytes);
    // A character cut in half at the end decodes to a replacement character; it is no matter here.
    source.font = QFont(QStringLiteral("DejaVu Sans"), 12);
    source.option = textOptionFor(WrappedAuto);
    source.title = QStringLiteral("large.txt");

    QWidget window;
    window.show();
    QApplication::processEvents();
    DocumentPrinter printer(&window);
    const QString exported = dir.filePath(QStringLiteral("exported.pdf"));
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    double oursStall = 0;
    double baselineStall = 0;
    const auto times = timeAlternating(
        [&] {
            StallProbe probe;
            printer.exportPdfTo(exported, source);
            oursStall = qMax(oursStall, probe.longestMs());
        },
        [&] {
            StallProbe probe;
            printer.printer()->setOutputFileName(printed);
            printer.printTo(printer.printer(), source);
            baselineStall = qMax(baselineStall, probe.longestMs());
        },
        3);
    report(name, times.first, times.second, oursStall);
    std::printf("  (Qt's engine: longest stall %.1f ms; %.1f MB exported, %.1f MB printed)\n", baselineStall,
                QFile(exported).size() / 1048576.0, QFile(printed).size() / 1048576.0);
    std::fflush(stdout);
    QFile::remove(exported);
    QFile::remove(printed);
}

void benchPrint(const QTemporaryDir &dir)
{
    benchExportPdf(dir);
}

const BenchCases cases(60, benchPrint);

}
