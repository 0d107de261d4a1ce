// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Convert: Persian or Arabic letters and one set of digits, in the selection or the document.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/scriptconversion.h"
#include "core/settings.h"
#include "gui/editor/documenttext.h"
#include "gui/editor/texteditor.h"
#include "gui/widgets/fadingnote.h"
#include "gui/widgets/workprogress.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <memory>
#include <utility>

namespace {

// Up to this many characters the text is read and converted at once (some 20 ms).
constexpr int ConvertAtOnceChars = 1 << 22;
// Paragraphs written per edit block: some 10 ms.
constexpr int ConvertSliceParagraphs = 2000;

}

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
// anywhere else, placing a cursor makes the editor lay the document out up to it. A large text
// is taken in slices and converted off the GUI thread, and the paragraphs are written a few
// thousand per edit block, behind a progress dialog whose Cancel leaves the text as it was.
void MainWindow::convertSelection(ScriptConversion conversion)
{
    QTextDocument *document = ui->textEdit->document();
    const QTextCursor selection = ui->textEdit->textCursor();
    const int anchor = selection.anchor();
    const int position = selection.position();
    const bool finalYeh = ui->actionFinal_Yeh_as_Alef_Maksura->isChecked();
    int base = 0;
    int end = document->characterCount() - 1;
    int length = end;
    if (selection.hasSelection()) {
        base = selection.selectionStart();
        length = selection.selectionEnd() - base;
        // The rest of the last paragraph decides whether a word ends with the selection.
        const QTextBlock last = document->findBlock(selection.selectionEnd());
        end = qMax(selection.selectionEnd(), last.position() + last.length() - 1);
    }

    std::unique_ptr<WorkProgress> progress;
    QString text;
    ConversionResult result;
    if (end - base <= ConvertAtOnceChars) {
        text = documentText(document, base, end);
        result = convertScript(&text, 0, length, conversion, finalYeh);
    } else {
        progress = std::make_unique<WorkProgress>(this, tr("Convert"), tr("Converting..."));
        const TextEditor::Busy busy(ui->textEdit);
        TextTaker taker(document, base, end);
        if (!progress->runInSlices([&taker](const Progress &report) { return taker.step(report); }))
            return;
        text = taker.take();
        const bool done = progress->run<bool>([&](const Progress &report) {
            report(-1, 0);
            result = convertScript(&text, 0, length, conversion, finalYeh);
            return report(1, 1);
        });
        if (!done)
            return;
    }
    if (result.changed == 0) {
        progress.reset();
        showNote(tr("Nothing to convert."));
        return;
    }

    const int vertical = ui->textEdit->verticalScrollBar()->value();
    const int horizontal = ui->textEdit->horizontalScrollBar()->value();
    QTextCharFormat format;
    int next = 0;
    const int spans = result.paragraphs.size();
    const bool converted = ui->textEdit->editInSlices(tr("Convert"), tr("Converting..."), [&](QTextCursor &cursor, const Progress &report) {
        // A plain-text document has one character format throughout: it is looked up once,
        // not once per paragraph as insertText() without a format would.
        if (next == 0) {
            cursor.setPosition(base + result.paragraphs.constFirst().start + 1);
            format = cursor.charFormat();
        }
        // Each paragraph goes in as a view of the converted text, not a copy: the document
        // copies what it is given into its own buffer anyway.
        for (const int stop = qMin(spans, next + ConvertSliceParagraphs); next < stop; ++next) {
            const ConversionResult::Span &span = result.paragraphs.at(next);
            cursor.setPosition(base + span.start);
            cursor.setPosition(base + span.start + span.length, QTextCursor::KeepAnchor);
            cursor.insertText(QString::fromRawData(text.constData() + span.start, span.length), format);
        }
        if (report)
            report(next, spans);
        return next == spans;
    }, progress.get());
    progress.reset();
    if (!converted)
        return;

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
