// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PDFWRITER_H
#define PDFWRITER_H

#include "core/documentfile.h"
#include "gui/print/printsource.h"

#include <QByteArray>
#include <QString>
#include <functional>

struct PdfResult {
    enum Status { Ok, Cancelled, Failed };
    Status status = Failed;
    QByteArray bytes;
    QString reason;
    int pages = 0;
};

// The footer of a page, by its number (from 1) and the number of pages.
using PageFooter = std::function<QString(int page, int pages)>;

// Writes the pages of the source as a PDF, laid out by Pango and drawn by Cairo, which keep the
// text as it was written in the PDF's text layer: a search or a copy from the PDF finds the
// words, where Qt 5's PDF engine gives presentation forms and drops the zero width non-joiner.
// The lines are as the printer's: the same fonts, page, pitch and directions, and lines broken
// at the same width. Touches nothing of Qt's GUI, so it may run on any thread.
PdfResult writePdf(const PrintSource &source, const PageSetup &setup, const PageFooter &footer,
                   const Progress &progress = Progress());

#endif
