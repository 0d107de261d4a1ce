// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Convert > Tidy Persian Text: the rules' dialog, then its changes in the selection or the document.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "gui/dialogs/tidydialog.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

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

    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.setPosition(base + outcome.edits.constFirst().start + 1);
    const QTextCharFormat format = cursor.charFormat();
    int shift = 0;
    for (const TidyOutcome::Edit &edit : qAsConst(outcome.edits)) {
        cursor.setPosition(base + shift + edit.start);
        cursor.setPosition(base + shift + edit.start + edit.length, QTextCursor::KeepAnchor);
        cursor.insertText(edit.text, format);
        shift += edit.text.size() - edit.length;
    }
    cursor.endEditBlock();

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
