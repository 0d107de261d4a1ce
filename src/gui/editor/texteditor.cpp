// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/texteditor.h"
#include "core/linebreaker.h"
#include "gui/editor/documenttext.h"
#include "gui/editor/plaintextlayout.h"
#include "gui/editor/undochain.h"
#include "gui/widgets/workprogress.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

namespace {

// Selections and pastes up to this many characters go as Qt has them: a few milliseconds.
constexpr int LargeText = 1 << 18;
// A selection longer than this is taken in slices behind a progress dialog (some 40 ms).
constexpr int HugeSelection = 1 << 22;
// Each slice of a paste or a deletion: some 10-20 ms.
constexpr int SliceChars = 1 << 18;
constexpr int SliceLines = 4096;
// Sliced work that ends within this time shows no dialog.
constexpr int QuietMs = 40;

// The X11 primary selection of a large selection: its text is read only when another program
// asks for it, not at every Select All or drag of the mouse. The cursor follows edits.
class SelectionMimeData : public QMimeData
{
public:
    explicit SelectionMimeData(const QTextCursor &selection)
        : m_selection(selection)
    {
    }

    QStringList formats() const override { return {QStringLiteral("text/plain")}; }

protected:
    QVariant retrieveData(const QString &mimeType, QVariant::Type) const override
    {
        if (mimeType != QLatin1String("text/plain") || m_selection.isNull())
            return QVariant();
        QString text = m_selection.selectedText();
        spellAsPlainText(&text);
        return text;
    }

private:
    QTextCursor m_selection;
};

// Where a slice of `text` from `at` may end: after a line feed within the slice's limits where
// there is one, and never inside a CR LF or a surrogate pair.
int sliceEnd(const QString &text, int at)
{
    const int limit = qMin(text.size(), at + SliceChars);
    if (limit == text.size())
        return limit;
    int lines = 0;
    for (int i = at; i < limit; ++i) {
        if (text.at(i) == QLatin1Char('\n') && ++lines == SliceLines)
            return i + 1;
    }
    const int lineEnd = text.lastIndexOf(QLatin1Char('\n'), limit - 1);
    if (lineEnd >= at)
        return lineEnd + 1;
    int end = limit;
    while (end > at + 1 && (text.at(end - 1).isHighSurrogate() || text.at(end - 1) == QLatin1Char('\r')))
        --end;
    return end;
}

}

TextEditor::TextEditor(QWidget *parent)
    : QTextEdit(parent)
{
}

TextEditor::Busy::Busy(TextEditor *editor)
    : m_editor(editor)
{
    if (m_editor->m_busy++ == 0) {
        m_editor->m_wasReadOnly = m_editor->isReadOnly();
        m_editor->setReadOnly(true);
        emit m_editor->busyChanged(true);
    }
}

TextEditor::Busy::~Busy()
{
    if (--m_editor->m_busy == 0) {
        m_editor->setReadOnly(m_editor->m_wasReadOnly);
        emit m_editor->busyChanged(false);
    }
}

int TextEditor::selectionLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

bool TextEditor::editInSlices(const QString &title, const QString &label, const EditStep &step, WorkProgress *shown)
{
    const Busy busy(this);
    UndoChain *chain = UndoChain::of(document());
    QTextCursor cursor = textCursor();
    int id = 0;
    bool done = false;
    const auto once = [&](const Progress &progress) {
        cursor.beginEditBlock();
        if (id == 0)
            id = chain->begin();
        done = step(cursor, progress);
        if (done)
            chain->end(id);
        cursor.endEditBlock();
        return done;
    };
    QElapsedTimer quiet;
    quiet.start();
    while (!shown && !done && quiet.elapsed() < QuietMs)
        once(Progress());
    if (!done) {
        std::unique_ptr<WorkProgress> own;
        if (!shown) {
            own = std::make_unique<WorkProgress>(window(), title, label);
            shown = own.get();
        }
        if (!shown->runInSlices(once)) {
            // What was done goes back, and cannot be redone: nothing happened.
            if (id != 0) {
                chain->abandon(id);
                shown->setCancellable(false);
                shown->runInSlices([this, chain](const Progress &) {
                    QTextEdit::undo();
                    return !chain->inside();
                });
                document()->clearUndoRedoStacks(QTextDocument::RedoStack);
            }
            return false;
        }
    }
    setTextCursor(cursor);
    return true;
}

QString TextEditor::takeSelection(bool asPlainText)
{
    const QTextCursor cursor = textCursor();
    if (selectionLength() <= HugeSelection) {
        QString text = cursor.selectedText();
        if (asPlainText)
            spellAsPlainText(&text);
        return text;
    }
    const Busy busy(this);
    TextTaker taker(document(), cursor.selectionStart(), cursor.selectionEnd());
    WorkProgress progress(window(), tr("Copy"), tr("Copying..."));
    if (!progress.runInSlices([&taker](const Progress &report) { return taker.step(report); }))
        return QString();
    QString text = taker.take();
    if (!asPlainText)
        return text;
    // A pass over every character of 100 MB is a stall of its own.
    return progress.run<QString>([&text](const Progress &report) {
        report(-1, 0);
        QString plain = std::move(text);
        spellAsPlainText(&plain);
        return plain;
    });
}

bool TextEditor::copySelection()
{
    if (!textCursor().hasSelection())
        return false;
    if (selectionLength() <= LargeText) {
        QTextEdit::copy();
        return true;
    }
    // Plain text only: Qt's own copy would hold the selection as a document of its own, and
    // as HTML and OpenDocument when a program asks.
    const QString text = takeSelection(true);
    if (text.isNull())
        return false;
    auto *data = new QMimeData;
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}

void TextEditor::copy()
{
    copySelection();
}

void TextEditor::cut()
{
    if (isReadOnly() || !textCursor().hasSelection())
        return;
    if (selectionLength() <= LargeText)
        QTextEdit::cut();
    else if (copySelection())
        removeSelection();
}

void TextEditor::removeSelection()
{
    if (isReadOnly())
        return;
    if (selectionLength() <= LargeText) {
        QTextCursor selection = textCursor();
        selection.removeSelectedText();
        setTextCursor(selection);
        return;
    }
    replaceInSlices(tr("Delete"), tr("Deleting..."), QString());
}

bool TextEditor::replaceInSlices(const QString &title, const QString &label, const QString &text)
{
    const QTextCursor selection = textCursor();
    const int start = selection.selectionStart();
    int end = selection.selectionEnd();
    const int total = end - start + text.size();
    int at = 0;
    return editInSlices(title, label, [&](QTextCursor &cursor, const Progress &progress) {
        if (end > start) {
            // The selection goes from its end backwards, so the part still to go keeps its
            // offsets; a slice never splits a surrogate pair.
            int from = qMax(start, end - SliceChars);
            if (from > start && document()->characterAt(from).isLowSurrogate())
                --from;
            cursor.setPosition(from);
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            end = from;
        } else {
            const int next = sliceEnd(text, at);
            cursor.insertText(QString::fromRawData(text.constData() + at, next - at));
            at = next;
        }
        if (progress)
            progress(total - (end - start) - (text.size() - at), total);
        return end == start && at == text.size();
    });
}

bool TextEditor::replaceText(int from, int to, const QString &text, const QString &title, const QString &label)
{
    QTextCursor range(document());
    range.setPosition(from);
    range.setPosition(to, QTextCursor::KeepAnchor);
    setTextCursor(range);
    return replaceInSlices(title, label, text);
}

void TextEditor::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly() || !source)
        return;
    const QString text = source->text();
    if (text.isNull())
        return;
    const int from = textCursor().selectionStart();
    if (text.size() <= LargeText && selectionLength() <= LargeText) {
        QTextEdit::insertFromMimeData(source);
    } else {
        if (!replaceInSlices(tr("Paste"), tr("Pasting..."), text))
            return;
        ensureCursorVisible();
    }
    const int to = textCursor().position();
    if (to > from)
        emit textInserted(from, to);
}

QMimeData *TextEditor::createMimeDataFromSelection() const
{
    // Only the primary selection is made here for a large selection: copy and cut are handled
    // above, and a drag needs the text as it is when it starts.
    if (!m_dragging && selectionLength() > LargeText)
        return new SelectionMimeData(textCursor());
    if (selectionLength() > LargeText) {
        QString text = textCursor().selectedText();
        spellAsPlainText(&text);
        auto *data = new QMimeData;
        data->setText(text);
        return data;
    }
    return QTextEdit::createMimeDataFromSelection();
}

QVariant TextEditor::inputMethodQuery(Qt::InputMethodQuery query) const
{
    // An input method asks for the selection after every change of it: a copy of 100 MB each time.
    if (query == Qt::ImCurrentSelection && selectionLength() > LargeText)
        return QString();
    return QTextEdit::inputMethodQuery(query);
}

void TextEditor::undoOrRedo(bool undo)
{
    QTextDocument *doc = document();
    if (isBusy() || !(undo ? doc->isUndoAvailable() : doc->isRedoAvailable()))
        return;
    UndoChain *chain = UndoChain::of(doc);
    const auto once = [this, doc, chain, undo] {
        if (undo)
            QTextEdit::undo();
        else
            QTextEdit::redo();
        return !chain->inside() || !(undo ? doc->isUndoAvailable() : doc->isRedoAvailable());
    };
    QElapsedTimer quiet;
    quiet.start();
    bool done = once();
    while (!done && quiet.elapsed() < QuietMs)
        done = once();
    if (done)
        return;
    const Busy busy(this);
    WorkProgress progress(window(), undo ? tr("Undo") : tr("Redo"), undo ? tr("Undoing...") : tr("Redoing..."));
    // Half an undo would leave a document that is neither before nor after the edit.
    progress.setCancellable(false);
    progress.runInSlices([&](const Progress &report) {
        const int applied = chain->applied(doc);
        report(undo ? chain->length() - applied : applied, chain->length());
        return once();
    });
}

void TextEditor::undo()
{
    undoOrRedo(true);
}

void TextEditor::redo()
{
    undoOrRedo(false);
}

void TextEditor::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Copy) {
        copy();
        event->accept();
        return;
    }
    if (!isReadOnly()) {
        if (event == QKeySequence::Cut || event == QKeySequence::Undo || event == QKeySequence::Redo) {
            if (event == QKeySequence::Cut)
                cut();
            else
                undoOrRedo(event == QKeySequence::Undo);
            event->accept();
            return;
        }
        // Typing over a large selection, or deleting it, first deletes it in slices.
        const bool deletes = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
        const bool types = !event->text().isEmpty() && event->text().at(0).isPrint();
        if (selectionLength() > LargeText && (deletes || types)) {
            removeSelection();
            if (deletes) {
                event->accept();
                return;
            }
        }
    }
    QTextEdit::keyPressEvent(event);
    if (!isReadOnly() && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        const QTextCursor cursor = textCursor();
        if (cursor.block().length() - 1 > LineBreaker::softLimit)
            emit textInserted(cursor.position() - event->text().size(), cursor.position());
    }
}

void TextEditor::mouseMoveEvent(QMouseEvent *event)
{
    m_dragging = true;
    QTextEdit::mouseMoveEvent(event);
    m_dragging = false;
}

void TextEditor::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu(event->pos());
    if (!menu)
        return;
    // The text area is left to right whatever the interface; its menu reads as the interface.
    menu->setLayoutDirection(QGuiApplication::layoutDirection());
    // The menu's commands go to the text control inside QTextEdit; these go through the editor.
    QObject *control = nullptr;
    for (QObject *child : children())
        if (child->inherits("QWidgetTextControl"))
            control = child;
    const QList<QPair<QString, void (TextEditor::*)()>> commands = {
        {QStringLiteral("edit-undo"), &TextEditor::undo},
        {QStringLiteral("edit-redo"), &TextEditor::redo},
        {QStringLiteral("edit-cut"), &TextEditor::cut},
        {QStringLiteral("edit-copy"), &TextEditor::copy},
        {QStringLiteral("edit-delete"), &TextEditor::removeSelection},
    };
    for (QAction *action : menu->actions()) {
        for (const auto &command : commands) {
            if (action->objectName() == command.first && control) {
                QObject::disconnect(action, nullptr, control, nullptr);
                connect(action, &QAction::triggered, this, command.second);
            }
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextEditor::centerCursor()
{
    stopKeepingCentered();
    keepCursorCentered();
    auto *layout = qobject_cast<PlainTextLayout *>(document()->documentLayout());
    if (!layout || !layout->isEstimating())
        return;
    // Each slice of estimates moves the text below it; queued, the view follows once the
    // layout has settled its own scrolling for the slice.
    m_centered = textCursor().position();
    m_centering = connect(layout, &QAbstractTextDocumentLayout::update, this, &TextEditor::keepCursorCentered,
                          Qt::QueuedConnection);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, &TextEditor::stopKeepingCentered,
            Qt::UniqueConnection);
}

void TextEditor::keepCursorCentered()
{
    if (m_centered >= 0 && textCursor().position() != m_centered) {
        stopKeepingCentered();
        return;
    }
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + cursorRect().center().y() - viewport()->height() / 2);
    auto *layout = qobject_cast<PlainTextLayout *>(document()->documentLayout());
    if (!layout || !layout->isEstimating())
        stopKeepingCentered();
}

void TextEditor::stopKeepingCentered()
{
    disconnect(m_centering);
    m_centered = -1;
}
