// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, reloading and saving files, and noticing changes made to them by other programs.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "gui/language.h"
#include "gui/savefailure.h"
#include "core/displaytext.h"
#include "core/documentfile.h"
#include "core/filename.h"
#include "core/linebreaker.h"
#include "gui/dialogs/opendialog.h"
#include "gui/editor/documenttext.h"
#include "gui/editor/texteditor.h"
#include "gui/recovery/journalkeeper.h"
#include "gui/widgets/workprogress.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent>
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
    const QString shown = displayName(path);
    switch (result.status) {
    case LoadResult::NotFound:
        warn(open, tr("File '%1' was not found.").arg(shown));
        break;
    case LoadResult::TooLarge:
        warn(open, tr("File '%1' is too large to open.").arg(shown) + QLatin1Char('\n')
                       + tr("Tavlo opens files of up to %1 MB.").arg(localNumber(MaxDocumentBytes >> 20)));
        break;
    case LoadResult::TooManyLines:
        warn(open, tr("File '%1' is too large to open.").arg(shown) + QLatin1Char('\n')
                       + tr("Tavlo opens files of up to %1 lines.").arg(localNumber(MaxDocumentLines)));
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

void MainWindow::warnUndecodableName(const QString &path, bool saving)
{
    const QString shown = displayName(path);
    warn(saving ? tr("Save") : tr("Open"),
         (saving ? tr("Unable to save '%1'.") : tr("Unable to open '%1'.")).arg(shown) + QLatin1Char('\n')
             + tr("The name is not valid UTF-8, so Tavlo could reach another file by it."));
}

namespace {

// Files this large are read and decoded off the GUI thread, behind a progress dialog.
constexpr qint64 BackgroundBytes = qint64(20) << 20;
// A document of this many lines is built off the GUI thread too, whatever its size: each line
// costs Qt a few microseconds.
constexpr qint64 BackgroundLines = 250000;

// Runs `work` on a worker thread behind the progress dialog of opening.
template<typename Result>
Result runWithProgress(QWidget *parent, const QString &label, const std::function<Result(const Progress &)> &work,
                       const QString &title = MainWindow::tr("Open"))
{
    return WorkProgress(parent, title, label).run<Result>(work);
}

// Builds the document of a large text off the GUI thread, a piece at a time so that progress
// shows and Cancel stops it; null when cancelled. The caller moves it to its own thread.
QTextDocument *buildDocument(const QString &text, QThread *target, const Progress &progress)
{
    auto *document = new QTextDocument;
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    constexpr int Piece = 1 << 16;
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
    if (FileName::isAmbiguous(path)) {
        warnUndecodableName(path, false);
        return false;
    }
    const bool large = QFileInfo(path).size() > BackgroundBytes;
    const QString reading = tr("Opening '%1'...").arg(displayName(QFileInfo(path).fileName()));
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
    // Counted before the document is built: past the limit Qt runs out of room and crashes.
    const qint64 lines = LineBreaker::lineCount(result.text);
    if (lines > MaxDocumentLines) {
        result.status = LoadResult::TooManyLines;
        warnLoadFailure(path, result);
        return false;
    }
    // Inserting a large text into a document takes as long as reading it: that too happens
    // off the GUI thread, and the editor then takes the finished document.
    QTextDocument *document = nullptr;
    if (large || lines > BackgroundLines) {
        QThread *gui = thread();
        document = runWithProgress<QTextDocument *>(this, reading, [&result, gui](const Progress &progress) {
            return buildDocument(result.text, gui, progress);
        });
        if (!document)
            return false;
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
    // A file opens at its top. Opened before the window shows (at start-up), the editor's
    // viewport is still a few pixels high, and keeping the cursor in it scrolled the first
    // line away.
    ui->textEdit->verticalScrollBar()->setValue(0);
    // Broken lines are not what the file holds until they are saved.
    refreshTitle(broken > 0);
    m_journal->restart(m_file, result.text, broken > 0);
    return true;
}

bool MainWindow::showRecoveredText(const FileState &file, const QString &text)
{
    QTextDocument *document = nullptr;
    if (qint64(text.size()) * 2 > BackgroundBytes) {
        QThread *gui = thread();
        const QString name = file.isUntitled() ? tr("Untitled") : QFileInfo(file.path).fileName();
        const QString label = tr("Recovering '%1'...").arg(displayName(name));
        document = runWithProgress<QTextDocument *>(this, label, [&text, gui](const Progress &progress) {
            return buildDocument(text, gui, progress);
        }, tr("Recover"));
        if (!document)
            return false;
    }
    commitFile(file);
    if (document) {
        adoptDocument(document);
        ui->textEdit->moveCursor(QTextCursor::Start);
    } else {
        ui->textEdit->setPlainText(text);
    }
    ui->textEdit->document()->clearUndoRedoStacks();
    refreshTitle(true);
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
    // Not toPlainText(), which turns no-break spaces into spaces and U+2028 into line feeds.
    QString saving;
    SaveResult saved;
    if (qint64(ui->textEdit->document()->characterCount()) * 2 > BackgroundBytes) {
        const std::optional<SaveResult> written = writeInBackground(path, &saving);
        if (!written)
            return false;
        saved = *written;
    } else {
        saving = ui->textEdit->document()->toRawText();
        // The journal holds the text being saved, should the save be cut short.
        m_journal->flush();
        saved = writeDocument(path, saving);
    }
    if (saved.status != SaveResult::Ok) {
        warn(tr("Save"), tr("Unable to save '%1'.").arg(displayName(path)) + QLatin1Char('\n') + saveFailureDetails(saved));
        return false;
    }
    // Only now, with every byte on disk, does the document count as saved.
    commitFile({path, Utf8Mib, saved.stamp});
    refreshTitle(false);
    m_journal->restart(m_file, saving, false);
    m_defaultPath = path;
    pushRecentFile(path);
    return true;
}

std::optional<SaveResult> MainWindow::writeInBackground(const QString &path, QString *saving)
{
    QTextDocument *document = ui->textEdit->document();
    WorkProgress progress(this, tr("Save"), tr("Saving '%1'...").arg(displayName(QFileInfo(path).fileName())));
    // The text is taken between turns of the event loop, and counts as saved only as it was
    // taken: nothing may change it until the save is done.
    const TextEditor::Busy busy(ui->textEdit);
    TextTaker taker(document, 0, document->characterCount() - 1);
    const bool taken = progress.runInSlices([&taker](const Progress &report) {
        return taker.step([&report](qint64 done, qint64 total) { return report(done, 2 * total); });
    });
    if (!taken)
        return std::nullopt;
    // Once bytes go to the disk the write runs to its end: half a save would be worse.
    progress.setCancellable(false);
    *saving = taker.take();
    m_journal->flush();
    const QString &text = *saving;
    return progress.run<SaveResult>([&text, &path](const Progress &report) {
        report(-1, 0);
        return writeDocument(path, text);
    });
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
    FileStamp onDisk;
    if (!QFileInfo(m_file.path).isFile()
        || (!m_file.changedBeforeRecovery && m_file.stamp->matchesFile(m_file.path, &onDisk)))
        return true;
    QMessageBox box(QMessageBox::Warning, tr("Save"),
                    tr("'%1' was changed by another program since Tavlo opened or saved it.\n\n"
                       "Do you want to overwrite it?")
                        .arg(displayName(m_file.path)),
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
    if (FileName::isAmbiguous(chosen.path)) {
        warnUndecodableName(chosen.path, true);
        return false;
    }
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
    if (e->type() == QEvent::Show && m_panelAwaitsWindow) {
        // Shown only now, after the window: a window manager stacks a window above the one it
        // belongs to only when that one is there as it maps it.
        m_panelAwaitsWindow = false;
        QTimer::singleShot(0, ui->dockWidget_2, &QWidget::show);
    }
    if (e->type() == QEvent::WindowActivate) {
        // Follows clipboard changes made in other programs.
        ui->actionPaste->setEnabled(ui->textEdit->canPaste());
        // Not while a save or an edit in slices is under way: the file may be half replaced.
        if (!ui->textEdit->isBusy())
            checkExternalChange();
    }
    return QMainWindow::event(e);
}

void MainWindow::checkExternalChange()
{
    if (m_file.isUntitled() || !m_file.stamp)
        return;
    // Soon after a write the check reads the file back for its checksum, a stall of its own at
    // 100 MB: a large file is read off the GUI thread, and what it finds is taken only while
    // the window still shows the file as it was checked.
    if (m_file.stamp->size > BackgroundBytes && !m_file.stamp->contentHash.isEmpty()) {
        if (m_stampChecking)
            return;
        m_stampChecking = true;
        struct Found {
            bool unchanged;
            FileStamp onDisk;
        };
        const FileState checking = m_file;
        auto *watcher = new QFutureWatcher<Found>(this);
        connect(watcher, &QFutureWatcher<Found>::finished, this, [this, watcher, checking] {
            watcher->deleteLater();
            m_stampChecking = false;
            const Found found = watcher->result();
            if (m_file.path == checking.path && m_file.stamp && m_file.stamp->takenNs == checking.stamp->takenNs
                && !ui->textEdit->isBusy())
                answerExternalChange(found.unchanged, found.onDisk);
        });
        watcher->setFuture(QtConcurrent::run([checking] {
            Found found;
            found.unchanged = checking.stamp->matchesFile(checking.path, &found.onDisk);
            return found;
        }));
        return;
    }
    FileStamp onDisk;
    answerExternalChange(m_file.stamp->matchesFile(m_file.path, &onDisk), onDisk);
}

void MainWindow::answerExternalChange(bool unchanged, const FileStamp &onDisk)
{
    // Recorded before asking, so the activation that follows the box finds nothing new; when
    // nothing changed, the stamp may now do without reading the file.
    if (!unchanged || onDisk.contentHash != m_file.stamp->contentHash) {
        FileState checked = m_file;
        checked.stamp = onDisk;
        commitFile(checked);
    }
    if (unchanged)
        return;

    if (!onDisk.exists()) {
        QMessageBox box(QMessageBox::Warning, tr("Keep current file"),
                        tr("Current file doesn't exist anymore.\n\nDo you want to keep Tavlo open?"),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::Yes);
        // The text may be the only copy left: Escape or closing the box keeps it.
        box.setEscapeButton(QMessageBox::Yes);
        box.exec();
        // Unsaved changes are now the only copy: the close asks about them as any close does.
        if (box.clickedButton() == box.button(QMessageBox::No))
            close();
        else if (!m_modified)
            refreshTitle(true);
        return;
    }

    const bool wasModified = m_modified;
    QMessageBox::StandardButton answer;
    if (wasModified) {
        // The box comes up as the window is activated, under the user's typing: a key meant for
        // the text must not throw the edits away.
        QMessageBox box(QMessageBox::Warning, tr("Reload"),
                        tr("Current file was changed by another program.\n\nDo you want to reload it and lose the changes made in Tavlo?"),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        answer = QMessageBox::StandardButton(box.exec());
    } else {
        answer = QMessageBox::question(this, tr("Reload"),
                                       tr("Current file was changed by another program.\nDo you want to reload it?"),
                                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    }
    if (answer == QMessageBox::Yes) {
        // A reload that did not happen leaves text that no longer matches the file.
        if (!loadFile(m_file.path))
            refreshTitle(true);
    } else if (!wasModified) {
        refreshTitle(true);
    }
}
