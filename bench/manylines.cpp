// SPDX-License-Identifier: GPL-3.0-or-later
// Files of many short lines: every line is a paragraph that QTextDocument builds on its own.
#include "benchutil.h"
#include "gui/mainwindow/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cstdio>

namespace {

qint64 residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() / 1024;
    return -1;
}

// Opening 10 million lines of ten letters, to the first paint, with the GUI thread's longest
// stall. The baseline is Qt's own part of it: the same text inserted into a bare document.
void benchManyLines(const QTemporaryDir &dir)
{
    const char *name = "open 10 million short lines (baseline: the bare QTextDocument insert)";
    if (!selected(name))
        return;
    const QString path = dir.filePath(QStringLiteral("lines.txt"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        const QByteArray lines = QByteArray("short line\n").repeated(100000);
        for (int i = 0; i < 100; ++i)
            file.write(lines);
    }
    double ours = 0, stall = 0;
    qint64 resident = 0;
    {
        MainWindow window;
        window.resize(900, 700);
        window.show();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        StallProbe probe;
        window.loadFile(path);
        QApplication::processEvents();
        window.findChild<QTextEdit *>(QStringLiteral("textEdit"))->viewport()->repaint();
        ours = timer.nsecsElapsed() / 1e6;
        stall = probe.longestMs();
        resident = residentMb();
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(file.readAll());
    const double baseline = timeIt([&] {
        QTextDocument document;
        document.setUndoRedoEnabled(false);
        QTextCursor cursor(&document);
        cursor.beginEditBlock();
        cursor.insertText(text);
        cursor.endEditBlock();
    }, 1);
    report(name, ours, baseline, stall);
    std::printf("  (resident once open: %lld MB)\n", resident);
    std::fflush(stdout);
    QFile::remove(path);
}

}

static const BenchCases cases(60, benchManyLines);
