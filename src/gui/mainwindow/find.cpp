// SPDX-License-Identifier: GPL-3.0-or-later
// Find and replace: the engine over the folded document, the find panel and its keys.
#include "gui/mainwindow/mainwindow.h"
#include "core/searchengine.h"
#include "gui/dialogs/qmatch.h"
#include "gui/editor/documenttext.h"
#include "gui/editor/texteditor.h"
#include "gui/widgets/workprogress.h"
#include "gui/widgets/matchhighlights.h"
#include "ui_mainwindow.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextDocument>
#include <memory>

namespace {

// A document up to this long is folded for a search at once, in some 20 ms.
constexpr int FoldAtOnceChars = 1 << 22;
// Replacements made at once (some 10 µs each), and per slice behind the progress dialog.
constexpr int ReplaceAtOnce = 5000;
constexpr int ReplaceSlice = 100;

}

QString MainWindow::foldForMatch(const QString &text) const
{
    return m_search->fold(text);
}

bool MainWindow::matchCase() const
{
    return m_search->matchCase();
}

bool MainWindow::matchLetters() const
{
    return m_search->matchLetters();
}

void MainWindow::setMatchOptions(bool matchCase, bool matchLetters)
{
    m_search->setOptions(matchCase, matchLetters);
    m_matches->recount();
}

void MainWindow::showSearchFinished(bool activatePanel)
{
    QString message = tr("Tavlo has finished searching the document.");
    if (m_search->replaceCount() != 0)
        message += QStringLiteral("<br><br>") + tr("%n matches replaced successfully.", nullptr, m_search->replaceCount());
    QMessageBox::information(this, tr("Tavlo"), message, QMessageBox::Ok);
    if (activatePanel)
        ui->dockWidget_2->activateWindow();
}

void MainWindow::selectRange(int start, int end)
{
    QTextCursor cursor(ui->textEdit->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    ui->textEdit->setTextCursor(cursor);
}

bool MainWindow::foldInBackground(WorkProgress *progress)
{
    QTextDocument *document = ui->textEdit->document();
    if (document->characterCount() <= FoldAtOnceChars || !m_search->needsFullFold())
        return true;
    std::unique_ptr<WorkProgress> own;
    if (!progress) {
        own = std::make_unique<WorkProgress>(this, tr("Find"), tr("Searching..."));
        progress = own.get();
    }
    const TextEditor::Busy busy(ui->textEdit);
    TextTaker taker(document, 0, document->characterCount() - 1);
    if (!progress->runInSlices([&taker](const Progress &report) { return taker.step(report); }))
        return false;
    const QString raw = taker.take();
    const bool matchCase = m_search->matchCase();
    const bool matchLetters = m_search->matchLetters();
    const QString folded = progress->run<QString>([&raw, matchCase, matchLetters](const Progress &report) {
        report(-1, 0);
        return SearchEngine::foldDocumentText(raw, matchCase, matchLetters);
    });
    if (progress->cancelled())
        return false;
    m_search->adoptFold(folded);
    return true;
}

bool MainWindow::findMatch(bool forward, bool wrap, bool activatePanel)
{
    const QString find = ui->plainFind->toPlainText();
    if (find.isEmpty() || !foldInBackground())
        return false;
    const QTextCursor current = ui->textEdit->textCursor();
    const SearchEngine::Range match =
        m_search->find(find, current.selectionStart(), current.hasSelection(),
                       forward ? SearchEngine::Direction::Forward : SearchEngine::Direction::Backward,
                       wrap ? SearchEngine::Wrap::Around : SearchEngine::Wrap::AtEnd);
    if (match.isNull()) {
        showSearchFinished(activatePanel);
        return false;
    }
    selectRange(match.start, match.end());
    keepMatchClearOfPanel();
    return true;
}

void MainWindow::keepMatchClearOfPanel()
{
    QDockWidget *dock = ui->dockWidget_2;
    if (!dock->isVisible() || !dock->isFloating())
        return;
    QTextEdit *edit = ui->textEdit;
    QWidget *view = edit->viewport();
    const auto matchRect = [edit, view] {
        QTextCursor start = edit->textCursor();
        QTextCursor end = start;
        start.setPosition(start.selectionStart());
        end.setPosition(end.selectionEnd());
        const QRect rect = edit->cursorRect(start) | edit->cursorRect(end);
        return QRect(view->mapToGlobal(rect.topLeft()), rect.size());
    };
    const QRect panel = dock->frameGeometry();
    QRect match = matchRect();
    if (!panel.intersects(match))
        return;
    // First the view scrolls the match to the middle of the room above or below the panel,
    // whichever is larger and holds it.
    const QRect shown(view->mapToGlobal(QPoint(0, 0)), view->size());
    const int above = panel.top() - shown.top();
    const int below = shown.bottom() - panel.bottom();
    int target = -1;
    if (above >= match.height() && (above >= below || below < match.height()))
        target = shown.top() + (above - match.height()) / 2;
    else if (below >= match.height())
        target = panel.bottom() + 1 + (below - match.height()) / 2;
    if (target >= 0) {
        QScrollBar *bar = edit->verticalScrollBar();
        bar->setValue(bar->value() + match.top() - target);
        match = matchRect();
        if (!panel.intersects(match))
            return;
    }
    // The view could not scroll far enough (the match is near the document's start or end, or
    // the panel covers the view): the panel moves below the match, or above it.
    QScreen *screen = QGuiApplication::screenAt(match.center());
    const QRect room = screen ? screen->availableGeometry() : frameGeometry();
    const int gap = match.height();
    int y = match.bottom() + 1 + gap;
    if (y + panel.height() > room.bottom() + 1)
        y = match.top() - gap - panel.height();
    y = qBound(room.top(), y, qMax(room.top(), room.bottom() + 1 - panel.height()));
    dock->move(panel.left(), y);
}

bool MainWindow::replaceMatch(bool forward, bool counting)
{
    const QString find = ui->plainFind->toPlainText();
    if (find.isEmpty())
        return false;

    QTextCursor cursor = ui->textEdit->textCursor();
    if (m_search->isMatch(cursor.selectedText(), find)) {
        const QString replacement = ui->plainReplace->toPlainText();
        const SearchEngine::Range selected{cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
        m_search->replace(selected, replacement, counting, [&] {
            cursor.insertText(replacement);
            ui->textEdit->setTextCursor(cursor);
        });
        // The engine patched its copy: counting again costs no refold.
        m_matches->recount();
        if (!forward && !replacement.isEmpty()) {
            // Start the backward search before the text just inserted.
            cursor.setPosition(cursor.position() - replacement.size());
            ui->textEdit->setTextCursor(cursor);
        }
    }
    return findMatch(forward, !counting, true);
}

void MainWindow::on_pushReplaceAll_clicked()
{
    m_search->resetReplaceCount();
    ui->textEdit->setTextCursor(QTextCursor(ui->textEdit->document()));
    replaceAll();
    // The count belongs to this Replace All alone; later searches do not repeat it.
    m_search->resetReplaceCount();
}

// Replace All gives exactly what repeated replaceMatch(true, true) gives: every occurrence that
// stood in the document when it started, taken from the start without overlaps and never
// searched again inside a replacement, each replaced as its own undo step. The engine finds
// them all at once. Each edit is a block of its own: one undo step, and no cursor placed on a
// laid-out line after it, which would lay its paragraph out again for every replacement.
//
// A million replacements take seconds: past a few thousand they go in slices behind a progress
// dialog, whose Cancel stops after the replacement under way; those made stay, each an undo
// step, and no box claims that the search finished.
void MainWindow::replaceAll()
{
    const QString find = ui->plainFind->toPlainText();
    const QString replacement = ui->plainReplace->toPlainText();
    QTextDocument *document = ui->textEdit->document();
    // One dialog for the fold and the replacements of a large document.
    std::unique_ptr<WorkProgress> progress;
    if (document->characterCount() > FoldAtOnceChars)
        progress = std::make_unique<WorkProgress>(this, tr("Replace All"), tr("Replacing..."));
    if (!foldInBackground(progress.get()))
        return;
    // A million matches take a moment to find: off the GUI thread, in the fresh copy.
    QVector<int> found;
    if (progress && !find.isEmpty()) {
        const QString folded = m_search->foldedText();
        const QString foldedFind = m_search->fold(find);
        found = progress->run<QVector<int>>([&folded, &foldedFind](const Progress &report) {
            report(-1, 0);
            return SearchEngine::disjointStarts(folded, foldedFind);
        });
    }
    int end = -1;
    bool finished = true;
    m_search->replaceAll(find, replacement, [&](const QVector<int> &starts) {
        const int length = find.size();
        const int total = starts.size();
        int done = 0;
        int shift = 0;
        QTextCharFormat format;
        const auto replaceNext = [&](int count) {
            for (const int stop = qMin(total, done + count); done < stop; ++done) {
                QTextCursor cursor(document);
                cursor.beginEditBlock();
                cursor.setPosition(starts.at(done) + shift);
                cursor.setPosition(starts.at(done) + shift + length, QTextCursor::KeepAnchor);
                // A plain-text document has one character format: looked up once.
                if (done == 0)
                    format = cursor.charFormat();
                cursor.insertText(replacement, format);
                cursor.endEditBlock();
                shift += replacement.size() - length;
                end = cursor.position();
            }
            return done == total;
        };
        if (total <= ReplaceAtOnce) {
            replaceNext(total);
        } else {
            const TextEditor::Busy busy(ui->textEdit);
            if (!progress)
                progress = std::make_unique<WorkProgress>(this, tr("Replace All"), tr("Replacing..."));
            finished = progress->runInSlices([&](const Progress &report) {
                const bool last = replaceNext(ReplaceSlice);
                report(done, total);
                return last;
            });
        }
        return done;
    }, progress ? &found : nullptr);
    progress.reset();
    if (end >= 0) {
        QTextCursor after(document);
        after.setPosition(end);
        ui->textEdit->setTextCursor(after);
    }
    m_matches->recount();
    if (finished)
        showSearchFinished(true);
}

void MainWindow::on_pushNext_clicked()
{
    findMatch(true, true, true);
}

void MainWindow::on_pushPrev_clicked()
{
    findMatch(false, true, true);
}

void MainWindow::on_pushReplace_clicked()
{
    replaceMatch(true, false);
}

void MainWindow::on_pushReplacePrev_clicked()
{
    replaceMatch(false, false);
}

void MainWindow::on_actionFind_Next_triggered()
{
    if (ui->plainFind->document()->isEmpty())
        on_actionFind_triggered();
    else
        findMatch(true, true, false);
}

void MainWindow::on_actionFind_Previous_triggered()
{
    if (ui->plainFind->document()->isEmpty())
        on_actionFind_triggered();
    else
        findMatch(false, true, false);
}

void MainWindow::placeFindPanel()
{
    QDockWidget *dock = ui->dockWidget_2;
    const QRect window = frameGeometry();
    QScreen *screen = QGuiApplication::screenAt(window.center());
    const QRect room = screen ? screen->availableGeometry() : window;
    // The boxes would ask for room for a dozen lines; three each is what a search needs.
    const int lines = 3 * ui->plainFind->fontMetrics().lineSpacing();
    const QSize size(dock->sizeHint().width(),
                     dock->minimumSizeHint().height() + 2 * qMax(0, lines - ui->plainFind->minimumHeight()));
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    // Below the window, under its leading edge; where there is no room, beside it on the side
    // that reading goes on to; failing both, over its lower corner.
    QPoint at(rightToLeft ? window.right() + 1 - size.width() : window.left(), window.bottom() + 1);
    if (at.y() + size.height() > room.bottom()) {
        at = QPoint(rightToLeft ? window.left() - size.width() : window.right() + 1, window.top());
        if (at.x() < room.left() || at.x() + size.width() > room.right() + 1)
            at = QPoint(rightToLeft ? window.left() : window.right() + 1 - size.width(),
                        window.bottom() + 1 - size.height());
    }
    at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() + 1 - size.width())));
    at.setY(qBound(room.top(), at.y(), qMax(room.top(), room.bottom() + 1 - size.height())));
    dock->resize(size);
    dock->move(at);
}

void MainWindow::on_actionFind_triggered()
{
    if (!m_findPanelPlaced) {
        placeFindPanel();
        m_findPanelPlaced = true;
    }
    ui->dockWidget_2->show();
    ui->dockWidget_2->activateWindow();
    QString selected = ui->textEdit->textCursor().selectedText();
    if (!selected.isEmpty()) {
        selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        selected.replace(QChar::LineSeparator, QLatin1Char('\n'));
        ui->plainFind->setPlainText(selected);
    }
    ui->plainFind->setFocus(Qt::OtherFocusReason);
    // Typing replaces the find text, also when the box had the focus already.
    ui->plainFind->selectAll();
}

void MainWindow::on_plainFind_textChanged()
{
    ui->pushNext->setEnabled(!ui->plainFind->document()->isEmpty());
    ui->pushPrev->setEnabled(ui->pushNext->isEnabled());
    ui->pushReplace->setEnabled(ui->pushNext->isEnabled());
    ui->pushReplacePrev->setEnabled(ui->pushNext->isEnabled());
    ui->pushReplaceAll->setEnabled(ui->pushReplace->isEnabled());
    m_matches->setFindText(ui->plainFind->toPlainText());
}

void MainWindow::on_pushMatch_clicked()
{
    auto *dialog = new qMatch(this);
    dialog->exec(matchCase(), matchLetters(), this);
    dialog->deleteLater();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->textEdit && event->type() == QEvent::KeyPress) {
        // Alt and a letter that is no menu's and no command's: a slip, not text to insert.
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        return (modifiers & Qt::AltModifier) && !(modifiers & (Qt::ControlModifier | Qt::KeypadModifier))
            && !key->text().isEmpty();
    }
    const bool box = watched == ui->plainFind || watched == ui->plainReplace;
    if (box && event->type() == QEvent::FocusIn) {
        static_cast<QPlainTextEdit *>(watched)->selectAll();
    } else if ((box || watched == ui->dockWidget_2) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            ui->dockWidget_2->close();
            return true;
        }
        // The keypad's Enter is another key: it always makes a new line.
        if (box && key->key() == Qt::Key_Return) {
            const Qt::KeyboardModifiers modifiers = key->modifiers();
            if (modifiers == Qt::NoModifier) {
                findMatch(true, true, true);
                return true;
            }
            if (modifiers == Qt::ShiftModifier) {
                findMatch(false, true, true);
                return true;
            }
            if (modifiers == Qt::ControlModifier || modifiers == Qt::AltModifier)
                key->setModifiers(Qt::NoModifier);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
