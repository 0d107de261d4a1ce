// SPDX-License-Identifier: GPL-3.0-or-later
// Printing, the print preview and the PDF export of the document.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "gui/editor/editorfont.h"
#include "core/displaytext.h"
#include "gui/editor/layoutmode.h"
#include "gui/print/documentprinter.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

DocumentPrinter *MainWindow::documentPrinter()
{
    if (!m_printer)
        m_printer = new DocumentPrinter(this);
    return m_printer;
}

PrintSource MainWindow::printSource() const
{
    PrintSource source;
    source.text = ui->textEdit->document()->toRawText();
    // The same Arabic-script face as on screen, not the zoom.
    source.font = EditorFont::withArabicFallback(editorFont());
    source.option = textOptionFor(layoutMode());
    const QString name = QFileInfo(m_file.path).fileName();
    source.title = m_file.isUntitled() ? tr("Untitled") : displayText(name);
    source.shownName = m_file.isUntitled() ? tr("Untitled") : displayName(name);
    return source;
}

void MainWindow::on_actionPrint_triggered()
{
    documentPrinter()->print(printSource());
}

void MainWindow::on_actionPrint_Preview_triggered()
{
    documentPrinter()->preview(printSource());
}

void MainWindow::on_actionExport_as_PDF_triggered()
{
    QString suggested;
    if (m_file.isUntitled())
        suggested = QDir(dialogFolder(m_defaultPath)).filePath(tr("Untitled") + QStringLiteral(".pdf"));
    else
        suggested = QFileInfo(m_file.path).dir().filePath(QFileInfo(m_file.path).completeBaseName() + QStringLiteral(".pdf"));
    documentPrinter()->exportPdf(printSource(), suggested);
}
