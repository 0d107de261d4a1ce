// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, reloading and saving files, and noticing changes made to them by other programs.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/codecscan.h"
#include "gui/dialogs/opendialog.h"
#include "core/safesave.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextCodec>
#include <limits>
#include <new>

namespace {

// The largest text a QString holds, in UTF-16 units. No codec makes fewer units than bytes
// except the wide ones, so a file of more bytes than this may not decode at all.
constexpr qint64 MaxFileBytes = (std::numeric_limits<int>::max() - 64) / 2;

}

void MainWindow::warn(const QString &title, const QString &text)
{
    // Paths and reasons come from outside: never let them be read as markup.
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MainWindow::loadFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        warn(QStringLiteral("Open"), QStringLiteral("File '") + path + QStringLiteral("' was not found."));
        return false;
    }
    // A FIFO would block the read forever and a device may never end: only regular files open.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("Open"), QStringLiteral("Unable to open '") + path + QStringLiteral("'."));
        return false;
    }
    // Qt 5 reads an empty array, without an error, from a file over 2 GiB; refuse it up front
    // rather than show an empty document that a save would write over the file.
    if (file.size() > MaxFileBytes) {
        warn(QStringLiteral("Open"), QStringLiteral("File '") + path
                 + QStringLiteral("' is too large to open."));
        return false;
    }

    QString text;
    int mib = 106;
    try {
        // Read everything first: the codec is chosen from the whole file, never from a prefix.
        QByteArray data = file.readAll();
        // A read that silently came back empty must not pass for an empty file.
        if (data.isEmpty() && file.size() > 0) {
            warn(QStringLiteral("Open"), QStringLiteral("Unable to open '") + path + QStringLiteral("'."));
            return false;
        }
        bool utf8 = false;
        text = CodecScan::decode(QTextCodec::codecForName("UTF-8"), data, &utf8);
        if (!utf8) {
            text.clear();
            int chosen = -1;
            auto *dialog = new OpenDialog(this);
            dialog->exec(&data, &chosen);
            dialog->deleteLater();
            if (chosen == -1)
                return false;
            mib = chosen;
            text = CodecScan::decode(QTextCodec::codecForMib(mib), data);
            // Qt's UTF-16 and UTF-32 decoders keep the byte-order mark; it is no part of the
            // text, and would come back as a UTF-8 mark at the next save.
            if (text.startsWith(QChar(0xFEFF)))
                text.remove(0, 1);
        }
    } catch (const std::bad_alloc &) {
        warn(QStringLiteral("Open"), QStringLiteral("File '") + path
                 + QStringLiteral("' is too large to open."));
        return false;
    }
    file.close();

    m_fileName = path;
    setRecordedTime(QFileInfo(path).lastModified());
    m_defaultPath = path;
    m_sourceMib = mib;
    pushRecentFile(m_fileName);
    ui->textEdit->setPlainText(text);
    ui->textEdit->document()->clearUndoRedoStacks();
    refreshTitle(false);
    return true;
}

QString MainWindow::dialogFolder(const QString &path)
{
    if (path.isEmpty())
        return QString();
    // The desktop folder stands in the default path until a file is opened or saved.
    const QFileInfo info(path);
    return info.isDir() ? info.absoluteFilePath() : info.absolutePath();
}

void MainWindow::on_actionOpen_triggered()
{
    if (hasUnsavedChanges() && !confirmDiscard(QStringLiteral("Open")))
        return;
    const QString folder = dialogFolder(m_fileName.isEmpty() ? m_defaultPath : m_fileName);
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), folder,
                                                      QStringLiteral("Text (*.txt);;All Files (*.*)"));
    if (!path.isEmpty())
        loadFile(path);
}

void MainWindow::on_actionReload_triggered()
{
    if (m_fileName.isEmpty()) {
        on_actionNew_triggered();
        return;
    }
    if (m_modified && !confirmDiscard(QStringLiteral("Reload")))
        return;
    loadFile(m_fileName);
}

bool MainWindow::on_actionSave_triggered()
{
    if (m_sourceMib != 106) {
        QTextCodec *codec = QTextCodec::codecForMib(m_sourceMib);
        const QString name = codec ? QString::fromLatin1(codec->name()) : QString::number(m_sourceMib);
        const QString text = QStringLiteral("You are trying to save a file in UTF-8 which its previous encoding was '")
            + name + QStringLiteral("'.<br><br>Proceed?");
        if (QMessageBox::warning(this, QStringLiteral("Save"), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::NoButton)
            != QMessageBox::Yes)
            return false;
    }
    if (m_fileName.isEmpty())
        return saveAs();

    QString reason;
    if (!SafeSave::write(m_fileName, ui->textEdit->toPlainText().toUtf8(), &reason)) {
        warn(QStringLiteral("Save"), QStringLiteral("Unable to save '") + m_fileName + QStringLiteral("'.\n") + reason);
        return false;
    }
    // Only now, with every byte on disk, does the document count as saved.
    refreshTitle(false);
    m_defaultPath = m_fileName;
    m_sourceMib = 106;
    setRecordedTime(QFileInfo(m_fileName).lastModified());
    pushRecentFile(m_fileName);
    return true;
}

void MainWindow::on_actionSave_As_triggered()
{
    saveAs();
}

bool MainWindow::saveAs()
{
    const QString previous = m_fileName;
    const QString start = m_fileName.isEmpty() ? dialogFolder(m_defaultPath) : m_fileName;
    QFileDialog dialog(this, QStringLiteral("Save"), start, QStringLiteral("Text (*.txt);;All Files (*.*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().value(0).isEmpty())
        return false;
    m_fileName = dialog.selectedFiles().first();
    if (!on_actionSave_triggered()) {
        m_fileName = previous;
        return false;
    }
    return true;
}

bool MainWindow::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate) {
        // Follows clipboard changes made in other programs.
        ui->actionPaste->setEnabled(ui->textEdit->canPaste());
        checkExternalChange();
    }
    return QMainWindow::event(e);
}

void MainWindow::checkExternalChange()
{
    if (m_fileName.isEmpty() || !m_fileTime)
        return;
    const QFileInfo info(m_fileName);
    const QDateTime onDisk = info.exists() ? info.lastModified() : QDateTime();
    if (onDisk.isValid() == m_fileTime->isValid()
        && onDisk.toMSecsSinceEpoch() == m_fileTime->toMSecsSinceEpoch())
        return;
    // Recorded before asking, so the activation that follows the box finds nothing new.
    setRecordedTime(onDisk);

    if (!info.exists()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Keep current file"),
                        QStringLiteral("Current file doesn't exist anymore.\n\nDo you want to keep Tavlo open?"),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::Yes);
        // The text may be the only copy left: Escape or closing the box keeps it.
        box.setEscapeButton(QMessageBox::Yes);
        box.exec();
        if (box.clickedButton() == box.button(QMessageBox::No)) {
            refreshTitle(false);
            close();
        } else if (!m_modified) {
            refreshTitle(true);
        }
        return;
    }

    const bool wasModified = m_modified;
    const QMessageBox::StandardButton answer = wasModified
        ? QMessageBox::warning(this, QStringLiteral("Reload"),
                               QStringLiteral("Current file was changed by another program.\n\nDo you want to reload it and lose the changes made in Tavlo?"),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        : QMessageBox::question(this, QStringLiteral("Reload"),
                                QStringLiteral("Current file was changed by another program.\nDo you want to reload it?"),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        // A reload that did not happen leaves text that no longer matches the file.
        if (!loadFile(m_fileName))
            refreshTitle(true);
    } else if (!wasModified) {
        refreshTitle(true);
    }
}
