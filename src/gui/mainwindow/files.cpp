// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, reloading and saving files, and noticing changes made to them by other programs.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "gui/language.h"
#include "core/displaytext.h"
#include "core/documentfile.h"
#include "core/linebreaker.h"
#include "gui/dialogs/opendialog.h"
#include "gui/editor/documenttext.h"
#include "gui/widgets/workprogress.h"

#include <QApplication>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextCodec>

void MainWindow::warn(const QString &title, const QString &text)
{
    // Paths and reasons come from outside: never let them be read as markup.
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void MainWindow::warnLoadFailure(const QString &path, const LoadResult &result)
{
    const QString open = tr("Open");
    const QString shown = displayText(path);
    switch (result.status) {
    case LoadResult::NotFound:
        warn(open, tr("File '%1' was not found.").arg(shown));
        break;
    case LoadResult::TooLarge:
        warn(open, tr("File '%1' is too large to open.").arg(shown) + QLatin1Char('\n')
                       + tr("Tavlo opens files of up to %1 MB.").arg(localNumber(MaxDocumentBytes >> 20)));
        break;
    case LoadResult::ReadError:
    case LoadResult::ShortRead: {
        // Half a file must never pass for the whole: a save would cut it short.
        const QString reason = !result.reason.isEmpty()
            ? result.reason
            : tr("Only %1 of %2 bytes could be read.").arg(localNumber(result.bytes.size()), localNumber(result.expected));
        warn(open, tr("Unable to open '%1'.").arg(shown) + QLatin1Char('\n') + reason);
        break;
    }
    default:
        warn(open, tr("Unable to open '%1'.").arg(shown));
        break;
    }
}

namespace {

// Files this large are read and decoded off the GUI thread, behind a progress dialog.
constexpr qint64 BackgroundBytes = qint64(20) << 20;

// Runs `work` on a worker thread behind the progress dialog of opening.
template<typename Result>
Result runWithProgress(QWidget *parent, const QString &label, const std::function<Result(const Progress &)> &work)
{
    return WorkProgress(parent, MainWindow::tr("Open"), label).run<Result>(work);
}

// Builds the document of a large text off the GUI thread, a piece at a time so that progress
// shows and Cancel stops it; null when cancelled. The caller moves it to its own thread.
QTextDocument *buildDocument(const QString &text, QThread *target, const Progress &progress)
{
    auto *document = new QTextDocument;
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    constexpr int Piece = 1 << 20;
    for (int at = 0; at < text.size();) {
        // Each piece ends just after a line feed, so no CR LF or surrogate pair is split.
        int end = qMin(text.size(), at + Piece);
        if (end < text.size()) {
            const int lineEnd = text.lastIndexOf(QLatin1Char('\n'), end - 1);
            const int next = text.indexOf(QLatin1Char('\n'), end);
            end = lineEnd >= at ? lineEnd + 1 : (next < 0 ? text.size() : next + 1);
        }
        cursor.insertText(text.mid(at, end - at));
        at = end;
        if (!progress(at, text.size())) {
            cursor.endEditBlock();
            delete document;
            return nullptr;
        }
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
    document->moveToThread(target);
    return document;
}

}

bool MainWindow::loadFile(const QString &path)
{
    const bool large = QFileInfo(path).size() > BackgroundBytes;
    const QString reading = tr("Opening '%1'...").arg(displayText(QFileInfo(path).fileName()));
    LoadResult result = large ? runWithProgress<LoadResult>(this, reading, [&path](const Progress &progress) {
                                    return readDocument(path, progress);
                                })
                              : readDocument(path);
    if (result.status == LoadResult::Cancelled)
        return false;
    if (result.status != LoadResult::Ok) {
        warnLoadFailure(path, result);
        return false;
    }
    int mib = Utf8Mib;
    if (!result.utf8) {
        int chosen = -1;
        auto *dialog = new OpenDialog(this);
        dialog->exec(&result.bytes, &chosen);
        dialog->deleteLater();
        if (chosen == -1)
            return false;
        enum Decoded { Done, OutOfMemory, Cancelled };
        auto decode = [&result, chosen](const Progress &progress) {
            if (!decodeDocument(result.bytes, chosen, &result.text))
                return OutOfMemory;
            // A decode cannot stop half way, but a Cancel pressed meanwhile still counts.
            return progress && !progress(1, 1) ? Cancelled : Done;
        };
        const Decoded decoded = large ? runWithProgress<Decoded>(this, reading, decode) : decode(Progress());
        if (decoded == Cancelled)
            return false;
        if (decoded == OutOfMemory) {
            result.status = LoadResult::TooLarge;
            warnLoadFailure(path, result);
            return false;
        }
        mib = chosen;
    }
    result.bytes.clear();
    const int broken = offerToBreakLongLines(path, &result.text);
    if (broken < 0)
        return false;
    // Inserting a large text into a document takes as long as reading it: that too happens
    // off the GUI thread, and the editor then takes the finished document.
    QTextDocument *document = nullptr;
    if (large) {
        QThread *gui = thread();
        document = runWithProgress<QTextDocument *>(this, reading, [&result, gui](const Progress &progress) {
            return buildDocument(result.text, gui, progress);
        });
        if (!document)
            return false;
        result.text.clear();
    }

    commitFile({path, mib, result.stamp});
    m_defaultPath = path;
    pushRecentFile(path);
    if (document) {
        adoptDocument(document);
        ui->textEdit->moveCursor(QTextCursor::Start);
    } else {
        ui->textEdit->setPlainText(result.text);
    }
    ui->textEdit->document()->clearUndoRedoStacks();
    // Broken lines are not what the file holds until they are saved.
    refreshTitle(broken > 0);
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
    if (hasUnsavedChanges() && !confirmDiscard(tr("Open")))
        return;
    const QString folder = dialogFolder(m_file.isUntitled() ? m_defaultPath : m_file.path);
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"), folder, tr("Text (*.txt);;All Files (*.*)"));
    if (!path.isEmpty())
        loadFile(path);
}

void MainWindow::on_actionReload_triggered()
{
    if (m_file.isUntitled()) {
        on_actionNew_triggered();
        return;
    }
    if (m_modified && !confirmDiscard(tr("Reload")))
        return;
    loadFile(m_file.path);
}

bool MainWindow::on_actionSave_triggered()
{
    if (m_file.sourceMib != Utf8Mib) {
        QTextCodec *codec = QTextCodec::codecForMib(m_file.sourceMib);
        const QString name = codec ? QString::fromLatin1(codec->name()) : QString::number(m_file.sourceMib);
        const QString text = tr("You are trying to save a file in UTF-8 which its previous encoding was '%1'.<br><br>Proceed?")
                                 .arg(name);
        if (QMessageBox::warning(this, tr("Save"), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::NoButton)
            != QMessageBox::Yes)
            return false;
    }
    if (m_file.isUntitled())
        return saveAs();
    if (!confirmOverwriteOfChangedFile())
        return false;

    const QString path = m_file.path;
    SaveResult saved;
    if (qint64(ui->textEdit->document()->characterCount()) * 2 > BackgroundBytes) {
        const std::optional<SaveResult> written = writeInBackground(path);
        if (!written)
            return false;
        saved = *written;
    } else {
        saved = writeDocument(path, ui->textEdit->toPlainText());
    }
    if (saved.status != SaveResult::Ok) {
        QString text = tr("Unable to save '%1'.").arg(displayText(path)) + QLatin1Char('\n');
        if (saved.status == SaveResult::NotRegular)
            text += tr("It is not a regular file.");
        else
            text += saved.reason;
        if (saved.status == SaveResult::Damaged)
            text += QLatin1Char('\n') + tr("The file may be damaged. Its previous content is kept in '%1'.")
                                              .arg(displayText(saved.keptCopy));
        warn(tr("Save"), text);
        return false;
    }
    // Only now, with every byte on disk, does the document count as saved.
    commitFile({path, Utf8Mib, FileStamp::of(path)});
    refreshTitle(false);
    m_defaultPath = path;
    pushRecentFile(path);
    return true;
}

std::optional<SaveResult> MainWindow::writeInBackground(const QString &path)
{
    QTextDocument *document = ui->textEdit->document();
    WorkProgress progress(this, tr("Save"), tr("Saving '%1'...").arg(displayText(QFileInfo(path).fileName())));
    // The text is taken between turns of the event loop, so nothing may change it meanwhile.
    const bool wasReadOnly = ui->textEdit->isReadOnly();
    ui->textEdit->setReadOnly(true);
    TextTaker taker(document, 0, document->characterCount() - 1);
    const bool taken = progress.runInSlices([&taker](const Progress &report) {
        return taker.step([&report](qint64 done, qint64 total) { return report(done, 2 * total); });
    });
    std::optional<SaveResult> result;
    if (taken) {
        // Once bytes go to the disk the write runs to its end: half a save would be worse.
        progress.setCancellable(false);
        QString text = taker.take();
        result = progress.run<SaveResult>([&text, &path](const Progress &report) {
            report(-1, 0);
            spellAsPlainText(&text);
            return writeDocument(path, text);
        });
    }
    ui->textEdit->setReadOnly(wasReadOnly);
    return result;
}

void MainWindow::on_actionSave_As_triggered()
{
    saveAs();
}

bool MainWindow::confirmOverwriteOfChangedFile()
{
    // The activation check misses a change made while the window stayed active; Save must not
    // write over it unasked.
    if (!m_file.stamp)
        return true;
    // Nothing to lose where the file is gone, and nothing to write where it is no file now.
    const FileStamp onDisk = FileStamp::of(m_file.path);
    if (!QFileInfo(m_file.path).isFile() || (onDisk.sameTime(*m_file.stamp) && onDisk.size == m_file.stamp->size))
        return true;
    QMessageBox box(QMessageBox::Warning, tr("Save"),
                    tr("'%1' was changed by another program since Tavlo opened or saved it.\n\n"
                       "Do you want to overwrite it?")
                        .arg(displayText(m_file.path)),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool MainWindow::saveAs()
{
    const FileState previous = m_file;
    const QString start = m_file.isUntitled() ? dialogFolder(m_defaultPath) : m_file.path;
    QFileDialog dialog(this, tr("Save"), start, tr("Text (*.txt);;All Files (*.*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().value(0).isEmpty())
        return false;
    // The file dialog has asked before overwriting another file.
    FileState chosen = m_file;
    chosen.path = dialog.selectedFiles().first();
    chosen.stamp.reset();
    commitFile(chosen);
    if (!on_actionSave_triggered()) {
        commitFile(previous);
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
    if (m_file.isUntitled() || !m_file.stamp)
        return;
    const FileStamp onDisk = FileStamp::of(m_file.path);
    if (onDisk.sameTime(*m_file.stamp))
        return;
    // Recorded before asking, so the activation that follows the box finds nothing new.
    FileState checked = m_file;
    checked.stamp = onDisk;
    commitFile(checked);

    if (!onDisk.exists()) {
        QMessageBox box(QMessageBox::Warning, tr("Keep current file"),
                        tr("Current file doesn't exist anymore.\n\nDo you want to keep Tavlo open?"),
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
        ? QMessageBox::warning(this, tr("Reload"),
                               tr("Current file was changed by another program.\n\nDo you want to reload it and lose the changes made in Tavlo?"),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        : QMessageBox::question(this, tr("Reload"),
                                tr("Current file was changed by another program.\nDo you want to reload it?"),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        // A reload that did not happen leaves text that no longer matches the file.
        if (!loadFile(m_file.path))
            refreshTitle(true);
    } else if (!wasModified) {
        refreshTitle(true);
    }
}
