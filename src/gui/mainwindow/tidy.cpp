// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Convert > Tidy Persian Text: the rules' dialog, then its changes in the selection or the document.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "gui/dialogs/tidydialog.h"
#include "gui/editor/texteditor.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace {

// Each slice of the changes stays well under a frame.
constexpr qint64 TidySliceMs = 8;

}

// The selection with the rest of its first and last paragraphs, which decide what its edges are
// (the end of a word, of a line), or the whole document; the changes go in as one undo step,
// paragraph by paragraph like Convert's, and the view stays on the paragraph it showed.
void MainWindow::tidyPersianText()
{
    QTextDocument *document = ui->textEdit->document();
    const QTextCursor selection = ui->textEdit->textCursor();
    const bool selected = selection.hasSelection();
    TidyRequest request;
    int base = 0;
    if (selected) {
        const QTextBlock first = document->findBlock(selection.selectionStart());
        const QTextBlock last = document->findBlock(selection.selectionEnd());
        base = first.position();
        request.text = first.text().left(selection.selectionStart() - base) + selection.selectedText()
            + last.text().mid(selection.selectionEnd() - last.position());
        request.from = selection.selectionStart() - base;
        request.to = selection.selectionEnd() - base;
        request.firstLine = first.blockNumber();
    } else {
        request.text = document->toRawText();
        request.to = request.text.size();
        request.positions = {selection.position()};
    }

    TidyDialog dialog(this);
    TidyOutcome outcome;
    if (dialog.exec(request, &outcome) != QDialog::Accepted)
        return;
    if (outcome.edits.isEmpty()) {
        showNote(tr("Nothing to tidy."));
        return;
    }

    QScrollBar *vertical = ui->textEdit->verticalScrollBar();
    const int horizontal = ui->textEdit->horizontalScrollBar()->value();
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    const QTextBlock top = document->findBlock(layout->hitTest(QPointF(0, vertical->value()), Qt::FuzzyHit));
    const int topNumber = top.blockNumber();
    const int intoTop = vertical->value() - int(layout->blockBoundingRect(top).top());

    // A whole document's changes go in a slice at a time, behind a progress dialog once they
    // take long, as one undo step; Cancel takes back those made.
    QTextCharFormat format;
    int next = 0;
    int shift = 0;
    const int count = outcome.edits.size();
    const bool tidied = ui->textEdit->editInSlices(tr("Tidy Persian Text"), tr("Tidying..."), [&](QTextCursor &cursor, const Progress &report) {
        if (next == 0) {
            cursor.setPosition(base + outcome.edits.constFirst().start + 1);
            format = cursor.charFormat();
        }
        QElapsedTimer slice;
        slice.start();
        while (next < count && slice.elapsed() < TidySliceMs) {
            const TidyOutcome::Edit &edit = outcome.edits.at(next++);
            cursor.setPosition(base + shift + edit.start);
            cursor.setPosition(base + shift + edit.start + edit.length, QTextCursor::KeepAnchor);
            cursor.insertText(edit.text, format);
            shift += edit.text.size() - edit.length;
        }
        if (report)
            report(next, count);
        return next == count;
    });
    if (!tidied)
        return;

    // The tidied selection stays selected, the same way round; a lone cursor keeps its place
    // in the text.
    QTextCursor restored(document);
    if (selected) {
        const int start = base + request.from;
        const int end = base + request.to + shift;
        const bool forward = selection.anchor() < selection.position();
        restored.setPosition(forward ? start : end);
        restored.setPosition(forward ? end : start, QTextCursor::KeepAnchor);
    } else {
        restored.setPosition(outcome.positions.constFirst());
    }
    ui->textEdit->setTextCursor(restored);
    const QTextBlock topAfter = document->findBlockByNumber(topNumber);
    vertical->setValue(int(layout->blockBoundingRect(topAfter).top()) + intoTop);
    ui->textEdit->horizontalScrollBar()->setValue(horizontal);

    showNote(tr("%n changes.", nullptr, outcome.report.total()));
}
