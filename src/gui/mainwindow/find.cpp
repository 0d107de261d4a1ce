// SPDX-License-Identifier: GPL-3.0-or-later
// Find and replace: the engine over the folded document, the find panel and its keys.
#include "gui/mainwindow/mainwindow.h"
#include "core/folding.h"
#include "gui/dialogs/qmatch.h"
#include "ui_mainwindow.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// The editor's selected text as its plain text spells it: a no-break space reads as a space
// there, and the folded document is made from the plain text.
QString asPlainText(QString selected)
{
    return selected.replace(QChar::Nbsp, QLatin1Char(' '));
}

}

QString MainWindow::foldForMatch(const QString &text) const
{
    return foldText(text, m_matchCase, m_matchLetters);
}

void MainWindow::setMatchOptions(bool matchCase, bool matchLetters)
{
    if (m_matchCase != matchCase) {
        m_matchCase = matchCase;
        m_foldStale = true;
    }
    if (m_matchLetters != matchLetters) {
        m_matchLetters = matchLetters;
        m_foldStale = true;
    }
}

void MainWindow::refreshFoldedText()
{
    if (m_foldStale) {
        foldTextInto(ui->textEdit->toPlainText(), &m_foldedText, m_matchCase, m_matchLetters);
        m_foldStale = false;
    }
}

void MainWindow::showSearchFinished(bool activatePanel)
{
    QString message = QStringLiteral("Tavlo has finished searching the document.");
    if (m_replaceCount != 0)
        message += QStringLiteral("<br><br>") + QString::number(m_replaceCount)
            + QStringLiteral(" matches replaced successfully.");
    QMessageBox::information(this, QStringLiteral("Tavlo"), message, QMessageBox::Ok);
    if (activatePanel)
        ui->dockWidget_2->activateWindow();
}

bool MainWindow::findMatch(bool forward, bool wrap, bool activatePanel)
{
    const QString find = ui->plainFind->toPlainText();
    if (find.isEmpty())
        return false;
    refreshFoldedText();
    m_foldedFind = foldForMatch(find);

    const QTextCursor current = ui->textEdit->textCursor();
    int at;
    if (forward) {
        // One past the start of a selection, so the next press finds overlapping matches too.
        const int from = current.selectionStart() + (current.hasSelection() ? 1 : 0);
        at = m_foldedText.indexOf(m_foldedFind, from);
        if (at < 0 && wrap)
            at = m_foldedText.indexOf(m_foldedFind, 0);
    } else {
        // From -1, lastIndexOf() starts at the last character: the whole document is searched.
        at = m_foldedText.lastIndexOf(m_foldedFind, current.selectionStart() - 1);
        if (at < 0 && wrap)
            at = m_foldedText.lastIndexOf(m_foldedFind);
    }

    if (at < 0) {
        showSearchFinished(activatePanel);
        return false;
    }
    QTextCursor match(ui->textEdit->document());
    match.setPosition(at);
    match.setPosition(at + m_foldedFind.size(), QTextCursor::KeepAnchor);
    ui->textEdit->setTextCursor(match);
    return true;
}

bool MainWindow::replaceMatch(bool forward, bool counting)
{
    const QString find = ui->plainFind->toPlainText();
    if (find.isEmpty())
        return false;

    QTextCursor cursor = ui->textEdit->textCursor();
    const QString selected = foldForMatch(asPlainText(cursor.selectedText()));
    if (!selected.isEmpty() && selected == foldForMatch(find)) {
        m_replacing = true;
        const QString replacement = ui->plainReplace->toPlainText();
        if (!m_foldStale)
            m_foldedText.replace(cursor.selectionStart(), selected.size(), foldForMatch(replacement));
        cursor.insertText(replacement);
        ui->textEdit->setTextCursor(cursor);
        if (counting)
            ++m_replaceCount;
        if (!forward && !replacement.isEmpty()) {
            // Start the backward search before the text just inserted.
            cursor.setPosition(cursor.position() - replacement.size());
            ui->textEdit->setTextCursor(cursor);
        }
        m_replacing = false;
    }
    return findMatch(forward, !counting, true);
}

void MainWindow::on_pushReplaceAll_clicked()
{
    m_replaceCount = 0;
    QTextCursor start(ui->textEdit->document());
    ui->textEdit->setTextCursor(start);
    replaceAll();
    // The count belongs to this Replace All alone; later searches do not repeat it.
    m_replaceCount = 0;
}

// Replace All gives exactly what repeated replaceMatch(true, true) gives: every occurrence that
// stood in the document when it started, taken from the start without overlaps and never
// searched again inside a replacement, each replaced as its own undo step. It finds them all
// on the folded text first and edits with the layout switched off, because a shown editor
// lays the whole document out again after every single edit.
void MainWindow::replaceAll()
{
    const QString find = ui->plainFind->toPlainText();
    if (find.isEmpty())
        return;
    refreshFoldedText();
    m_foldedFind = foldForMatch(find);
    const QString replacement = ui->plainReplace->toPlainText();
    const QString foldedReplacement = foldForMatch(replacement);
    const int length = m_foldedFind.size();

    QTextDocument *document = ui->textEdit->document();
    const QSizeF pageSize = document->pageSize();
    QString folded;
    folded.reserve(m_foldedText.size());
    int copiedUpTo = 0;
    int shift = 0;
    int end = -1;
    m_replacing = true;
    document->setPageSize(QSizeF(0, 0));
    int at = m_foldedText.indexOf(m_foldedFind);
    while (at >= 0) {
        QTextCursor cursor(document);
        cursor.setPosition(at + shift);
        cursor.setPosition(at + shift + length, QTextCursor::KeepAnchor);
        // A match that does not fold back to the find text is left alone, as a single
        // Replace would leave it, and the search goes on from its second character.
        if (foldForMatch(asPlainText(cursor.selectedText())) != m_foldedFind) {
            at = m_foldedText.indexOf(m_foldedFind, at + 1);
            continue;
        }
        cursor.insertText(replacement);
        folded += m_foldedText.midRef(copiedUpTo, at - copiedUpTo);
        folded += foldedReplacement;
        copiedUpTo = at + length;
        shift += replacement.size() - length;
        end = cursor.position();
        ++m_replaceCount;
        at = m_foldedText.indexOf(m_foldedFind, at + length);
    }
    document->setPageSize(pageSize);
    m_replacing = false;

    if (end >= 0) {
        folded += m_foldedText.midRef(copiedUpTo);
        m_foldedText = folded;
        m_foldStale = false;
        QTextCursor after(document);
        after.setPosition(end);
        ui->textEdit->setTextCursor(after);
    }
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

void MainWindow::on_actionFind_triggered()
{
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
    ui->pushFindAll->setEnabled(ui->pushNext->isEnabled());
    ui->pushReplace->setEnabled(ui->pushNext->isEnabled());
    ui->pushReplacePrev->setEnabled(ui->pushNext->isEnabled());
    ui->pushReplaceAll->setEnabled(ui->pushReplace->isEnabled());
}

void MainWindow::on_pushMatch_clicked()
{
    auto *dialog = new qMatch(this);
    dialog->exec(m_matchCase, m_matchLetters, this);
    dialog->deleteLater();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
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
