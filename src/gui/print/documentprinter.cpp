// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/print/documentprinter.h"
#include "core/displaytext.h"
#include "core/safesave.h"
#include "gui/language.h"
#include "gui/savefailure.h"
#include "gui/print/pagelayout.h"
#include "gui/print/pdfwriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QFuture>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent>
#include <atomic>

namespace {

// Work in slices on the GUI thread gives the event loop a turn this often.
constexpr int SliceMs = 25;

// The progress of a print, a preview or an export. It shows after a moment, so that a short
// document prints without a flash of it.
class PrintProgress
{
public:
    PrintProgress(const QString &title, const QString &label, QWidget *window)
        : m_dialog(label, DocumentPrinter::tr("Cancel"), 0, 1000, QApplication::activeModalWidget() ? QApplication::activeModalWidget() : window)
    {
        // The label names a file: plain text, whatever its name looks like.
        auto *shown = new QLabel(label);
        shown->setTextFormat(Qt::PlainText);
        m_dialog.setLabel(shown);
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setMinimumDuration(300);
        m_dialog.setValue(0);
        m_clock.start();
    }

    // Shows how far the work has come and lets the event loop run; false once cancelled.
    bool step(qint64 done, qint64 total)
    {
        if (m_clock.elapsed() >= SliceMs) {
            m_dialog.setValue(total > 0 ? int(qBound<qint64>(1, done * 1000 / total, 999)) : 1);
            pump(QEventLoop::AllEvents);
            m_clock.restart();
        }
        return !m_dialog.wasCanceled();
    }

    // Runs `work` on a worker thread while the dialog shows the progress it reports.
    template<typename Result>
    Result runOffThread(const std::function<Result(const Progress &)> &work)
    {
        std::atomic<int> permille{0};
        std::atomic<bool> cancelled{false};
        QObject::connect(&m_dialog, &QProgressDialog::canceled, [&cancelled] { cancelled = true; });
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &m_dialog, [&] {
            m_dialog.setValue(qMax(1, permille.load()));
            if (m_dialog.wasCanceled())
                cancelled = true;
        });
        poll.start(50);
        const QFuture<Result> future = QtConcurrent::run([&] {
            return work([&](qint64 done, qint64 total) {
                permille = total > 0 ? int(qBound<qint64>(1, done * 1000 / total, 999)) : 1;
                return !cancelled;
            });
        });
        // The poll's ticks wake the wait.
        while (!future.isFinished())
            pump(QEventLoop::WaitForMoreEvents);
        return future.result();
    }

private:
    // Until the dialog shows, and its modality blocks the windows, no key or click is taken:
    // a second print, or a closed window, must not come in the middle of this one.
    void pump(QEventLoop::ProcessEventsFlags flags)
    {
        if (!m_dialog.isVisible())
            flags |= QEventLoop::ExcludeUserInputEvents;
        QCoreApplication::processEvents(flags);
    }

    QProgressDialog m_dialog;
    QElapsedTimer m_clock;
};

}

DocumentPrinter::DocumentPrinter(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

DocumentPrinter::~DocumentPrinter() = default;

QPrinter *DocumentPrinter::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    }
    return m_printer.get();
}

QString DocumentPrinter::footer(int page, int pages)
{
    return tr("Page %1 of %2").arg(localNumber(page), localNumber(pages));
}

void DocumentPrinter::warn(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, m_window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DocumentPrinter::print(const PrintSource &source)
{
    QPrintDialog dialog(printer(), m_window);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() == QDialog::Accepted)
        printTo(printer(), source);
}

void DocumentPrinter::preview(const PrintSource &source)
{
    QPrintPreviewDialog dialog(printer(), m_window);
    dialog.resize(m_window->size().expandedTo(QSize(800, 600)));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        // The view must not paint the pages it had while the new ones are drawn: the preview
        // has deleted them already.
        QPrintPreviewWidget *view = dialog.findChild<QPrintPreviewWidget *>();
        if (view)
            view->setUpdatesEnabled(false);
        const bool printed = printTo(target, source);
        if (view)
            view->setUpdatesEnabled(true);
        // The preview stops with the layout: a half-drawn document is no preview of it.
        if (!printed)
            QTimer::singleShot(0, &dialog, &QDialog::reject);
    });
    dialog.exec();
}

bool DocumentPrinter::printTo(QPrinter *printer, const PrintSource &source)
{
    // The preview records the pages as pictures.
    const bool preview = printer->paintEngine() && printer->paintEngine()->type() == QPaintEngine::Picture;
    PrintProgress progress(preview ? tr("Print Preview") : tr("Print"),
                           preview ? tr("Preparing the preview of '%1'...").arg(source.shownName)
                                   : tr("Printing '%1'...").arg(source.shownName),
                           m_window);
    const PageSetup setup = PageSetup::measure(source, printer->pageLayout(), printer);
    PageLayout layout(source, setup, printer);
    layout.setForPreview(preview);
    const qint64 total = qint64(layout.textLength()) * 2 + 1;
    while (!layout.paginate(SliceMs)) {
        if (!progress.step(layout.paginated(), total))
            return false;
    }
    const int pages = layout.pageCount();
    int first = 0;
    int last = pages - 1;
    if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
        first = qMin(printer->fromPage(), pages) - 1;
        last = qBound(first, printer->toPage() - 1, pages - 1);
    }

    QPainter painter;
    if (!painter.begin(printer)) {
        warn(tr("Print"), tr("Unable to print '%1'.").arg(source.shownName));
        return false;
    }
    // Pages are laid out from the paper's corner; the printer's origin may lie at its margins.
    if (!printer->fullPage())
        painter.translate(-printer->pageLayout().paintRectPixels(printer->resolution()).topLeft());
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer->newPage();
        layout.drawPage(&painter, page, footer(page + 1, pages));
        if (!progress.step(layout.textLength() + qint64(layout.textLength()) * (page - first + 1) / (last - first + 1), total)) {
            printer->abort();
            return false;
        }
    }
    return painter.end();
}

void DocumentPrinter::exportPdf(const PrintSource &source, const QString &suggested)
{
    QFileDialog dialog(m_window, tr("Export as PDF"), suggested, tr("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().value(0).isEmpty())
        return;
    exportPdfTo(dialog.selectedFiles().first(), source);
}

bool DocumentPrinter::exportPdfTo(const QString &path, const PrintSource &source)
{
    const PageSetup setup = PageSetup::measure(source, printer()->pageLayout(), printer());
    const QString pattern = tr("Page %1 of %2");
    const PageFooter pageFooter = [pattern](int page, int pages) {
        return pattern.arg(localNumber(page), localNumber(pages));
    };
    struct Exported {
        PdfResult pdf;
        SaveResult saved;
    };
    PrintProgress progress(tr("Export as PDF"), tr("Exporting '%1'...").arg(source.shownName), m_window);
    // Laying out, drawing and writing all happen off the GUI thread.
    const Exported exported = progress.runOffThread<Exported>([&](const Progress &report) {
        Exported result;
        result.pdf = writePdf(source, setup, pageFooter, report);
        if (result.pdf.status == PdfResult::Ok)
            result.saved = SafeSave::write(path, result.pdf.bytes);
        result.pdf.bytes.clear();
        return result;
    });

    const QString title = tr("Export as PDF");
    QString text = tr("Unable to export '%1'.").arg(displayName(path)) + QLatin1Char('\n');
    switch (exported.pdf.status) {
    case PdfResult::Cancelled:
        return false;
    case PdfResult::Failed:
        warn(title, text + exported.pdf.reason);
        return false;
    case PdfResult::Ok:
        break;
    }
    if (exported.saved.status == SaveResult::Ok)
        return true;
    warn(title, text + saveFailureDetails(exported.saved));
    return false;
}
