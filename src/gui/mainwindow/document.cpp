// SPDX-License-Identifier: GPL-3.0-or-later
// Document state, the window title and the unsaved-changes question.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/displaytext.h"
#include "core/documentfile.h"
#include "gui/language.h"
#include "gui/widgets/documentstatus.h"
#include "gui/recovery/journalkeeper.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

bool MainWindow::hasUnsavedChanges() const
{
    // Text typed into an untitled window and deleted again is nothing to lose.
    return m_modified && (!ui->textEdit->document()->isEmpty() || !m_file.isUntitled());
}

void MainWindow::refreshTitle(bool modified)
{
    m_modified = modified;

    QString name;
    if (m_file.isUntitled())
        name = tr("Untitled");
    else if (ui->actionFull_Address->isChecked())
        name = displayName(QDir::toNativeSeparators(QFileInfo(m_file.path).filePath()));
    else
        name = displayName(QFileInfo(m_file.path).fileName());

    const QString prefix = hasUnsavedChanges() ? QStringLiteral("*") : QString();
    setWindowTitle(tr("%1 - Tavlo").arg(prefix + name));
}

void MainWindow::commitFile(const FileState &file)
{
    m_file = file;
    m_status->setEncoding(file.sourceMib);
    m_journal->setFile(file);
    refreshTitle(m_modified);
}

void MainWindow::resetDocument()
{
    m_keepLongLines = false;
    commitFile(FileState());
    ui->textEdit->setPlainText(QString());
    ui->textEdit->document()->clearUndoRedoStacks();
    refreshTitle(false);
    m_journal->restart(m_file, QString(), false);
}

bool MainWindow::confirmDiscard(const QString &title)
{
    return QMessageBox::question(this, title, tr("File has unsaved changes. Continue?"),
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Ok;
}

void MainWindow::on_actionNew_triggered()
{
    if (hasUnsavedChanges() && !confirmDiscard(tr("New")))
        return;
    resetDocument();
}

void MainWindow::on_textEdit_textChanged()
{
    // A title already marked stays as it is: a Replace All of a million matches changes the
    // text a million times. An untitled one may lose its mark when the text is emptied again.
    if (!m_modified || m_file.isUntitled())
        refreshTitle(true);
}

void MainWindow::on_actionExit_triggered()
{
    close();
}

void MainWindow::on_actionFull_Address_triggered()
{
    refreshTitle(m_modified);
}
