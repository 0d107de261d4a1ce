// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Convert: Persian or Arabic letters and one set of digits, in the selection or the document.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/scriptconversion.h"
#include "core/settings.h"
#include "gui/widgets/fadingnote.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <utility>

void MainWindow::createConvertActions()
{
    const std::pair<QAction *, ScriptConversion> commands[] = {
        {ui->actionTo_Persian_Letters, ScriptConversion::PersianLetters},
        {ui->actionTo_Arabic_Letters, ScriptConversion::ArabicLetters},
        {ui->actionPersian_Digits, ScriptConversion::PersianDigits},
        {ui->actionArabic_Indic_Digits, ScriptConversion::ArabicIndicDigits},
        {ui->actionLatin_Digits, ScriptConversion::LatinDigits},
    };
    for (const auto &command : commands) {
        const ScriptConversion conversion = command.second;
        connect(command.first, &QAction::triggered, this, [this, conversion] { convertSelection(conversion); });
    }
    connect(ui->actionTidy_Persian_Text, &QAction::triggered, this, &MainWindow::tidyPersianText);
    connect(ui->actionFinal_Yeh_as_Alef_Maksura, &QAction::triggered, this, [](bool checked) {
        Settings::write(Settings::Key::FinalYehAsAlefMaksura, checked);
    });

    m_note = new FadingNote(this);
    m_note->setObjectName(QStringLiteral("convertNote"));
}

// The selection, or the whole document when nothing is selected, as one undo step. Only the
// paragraphs that change are written, each whole within the range (a part would split the
// document's pieces and cost more), and never their breaks, so the paragraphs stay as they are.
//
// The text is read without placing a cursor, and the edits place theirs inside the edit block:
// anywhere else, placing a cursor makes the editor lay the document out up to it.
void MainWindow::convertSelection(ScriptConversion conversion)
{
    QTextDocument *document = ui->textEdit->document();
    const QTextCursor selection = ui->textEdit->textCursor();
    const int anchor = selection.anchor();
    const int position = selection.position();
    int base = 0;
    QString text;
    int length;
    if (selection.hasSelection()) {
        base = selection.selectionStart();
        text = selection.selectedText();
        length = text.size();
        // The rest of the last paragraph decides whether a word ends with the selection.
        const QTextBlock last = document->findBlock(selection.selectionEnd());
        text += last.text().midRef(selection.selectionEnd() - last.position());
    } else {
        text = document->toRawText();
        length = text.size();
    }
    const ConversionResult result = convertScript(&text, 0, length, conversion,
                                                  ui->actionFinal_Yeh_as_Alef_Maksura->isChecked());
    if (result.changed == 0) {
        showNote(tr("Nothing to convert."));
        return;
    }

    const int vertical = ui->textEdit->verticalScrollBar()->value();
    const int horizontal = ui->textEdit->horizontalScrollBar()->value();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    // A plain-text document has one character format throughout: it is looked up once, not
    // once per paragraph as insertText() without a format would.
    cursor.setPosition(base + result.paragraphs.constFirst().start + 1);
    const QTextCharFormat format = cursor.charFormat();
    // Each paragraph goes in as a view of the converted text, not a copy: the document copies
    // what it is given into its own buffer anyway.
    for (const ConversionResult::Span &span : result.paragraphs) {
        cursor.setPosition(base + span.start);
        cursor.setPosition(base + span.start + span.length, QTextCursor::KeepAnchor);
        cursor.insertText(QString::fromRawData(text.constData() + span.start, span.length), format);
    }
    cursor.endEditBlock();

    // Every mapping keeps the length, so the old offsets are the same places in the new text.
    QTextCursor restored(document);
    restored.setPosition(anchor);
    restored.setPosition(position, QTextCursor::KeepAnchor);
    ui->textEdit->setTextCursor(restored);
    ui->textEdit->verticalScrollBar()->setValue(vertical);
    ui->textEdit->horizontalScrollBar()->setValue(horizontal);

    showNote(convertsDigits(conversion) ? tr("%n digits converted.", nullptr, result.changed)
                                        : tr("%n letters converted.", nullptr, result.changed));
}

void MainWindow::showNote(const QString &text)
{
    const QWidget *view = ui->textEdit->viewport();
    const QRect bounds(view->mapToGlobal(QPoint(0, 0)), view->size());
    const QRect cursor = ui->textEdit->cursorRect();
    QRect anchor(view->mapToGlobal(cursor.topLeft()), cursor.size());
    // A cursor scrolled out of sight: the note goes to the middle of the view instead.
    if (!bounds.intersects(anchor))
        anchor = QRect(bounds.center(), QSize(1, 1));
    m_note->showNote(text, anchor, bounds);
}
