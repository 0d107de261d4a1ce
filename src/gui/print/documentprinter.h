// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DOCUMENTPRINTER_H
#define DOCUMENTPRINTER_H

#include "gui/print/printsource.h"

#include <QObject>
#include <memory>

class QPrinter;
class QWidget;

// File > Print, Print Preview and Export as PDF. Qt prints and previews; the PDF is written by
// Pango and Cairo, whose text layer holds the text as written. Both lay the same pages out,
// with the file name above and "Page n of m" below, and work through a large document behind
// a progress dialog with Cancel, so the window never freezes.
class DocumentPrinter : public QObject
{
    Q_OBJECT

public:
    explicit DocumentPrinter(QWidget *window);
    ~DocumentPrinter() override;

    void print(const PrintSource &source);
    void preview(const PrintSource &source);
    // Asks for the file, suggesting `suggested`, and exports to it.
    void exportPdf(const PrintSource &source, const QString &suggested);

    // Lays the source out on the printer and prints the pages it asks for; false when
    // cancelled or failed (and then told).
    bool printTo(QPrinter *printer, const PrintSource &source);
    // Writes the PDF through the safe save; false when cancelled or failed (and then told).
    bool exportPdfTo(const QString &path, const PrintSource &source);

    // The printer of every print, preview and export, which keeps the page setup chosen.
    QPrinter *printer();

    // "Page n of m", in the digits of the interface.
    static QString footer(int page, int pages);

private:
    void warn(const QString &title, const QString &text);

    QWidget *const m_window;
    std::unique_ptr<QPrinter> m_printer;
};

#endif
