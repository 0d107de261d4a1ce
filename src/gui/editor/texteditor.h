// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TEXTEDITOR_H
#define TEXTEDITOR_H

#include "core/documentfile.h"

#include <QTextEdit>
#include <functional>

class QTextCursor;
class WorkProgress;

// The main editor: QTextEdit, whose clipboard, paste and undo work on a document of 100 MB
// without holding the window. Qt copies a selection into a document of its own (seconds for a
// large one, and again for the X11 primary selection at each Select All), builds a document of
// pasted text before inserting it, and undoes an edit block in one go. Here a large selection is
// copied as plain text, in slices when it is very large, and the primary selection reads it only
// when another program asks; a large paste, a large deletion and the undo or redo of either go
// in slices behind a progress dialog, as one undo step.
class TextEditor : public QTextEdit
{
    Q_OBJECT

public:
    explicit TextEditor(QWidget *parent = nullptr);

    // While busy the editor is read-only: a sliced edit or a save reads the document between
    // turns of the event loop.
    bool isBusy() const { return m_busy > 0; }
    class Busy
    {
    public:
        explicit Busy(TextEditor *editor);
        ~Busy();
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;

    private:
        TextEditor *m_editor;
    };

    // Calls `step` with the editor's cursor inside an edit block of its own until it returns
    // true. The blocks are one undo step; after some 40 ms a progress dialog shows (or the one
    // given goes on), whose Cancel takes back what was done and returns false. The cursor is the
    // editor's at the end.
    using EditStep = std::function<bool(QTextCursor &cursor, const Progress &progress)>;
    bool editInSlices(const QString &title, const QString &label, const EditStep &step,
                      WorkProgress *shown = nullptr);

    // Brings the cursor's line to the middle of the view. While the heights above it are still
    // estimated, it is kept there until the cursor moves or the view is scrolled.
    void centerCursor();

    // Replaces [from, to) by `text` as one undo step, in slices when either is large.
    bool replaceText(int from, int to, const QString &text, const QString &title, const QString &label);

public slots:
    void copy();
    void cut();
    void undo();
    void redo();

signals:
    void busyChanged(bool busy);
    // Pasted or dropped text now lies at [from, to), or typed text made its line longer than
    // a line is kept without asking.
    void textInserted(int from, int to);

protected:
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int selectionLength() const;
    // The selection's text, raw or as plain text, in slices behind a progress dialog when it is
    // very large; null when the user cancelled.
    QString takeSelection(bool asPlainText);
    // Copies the selection to the clipboard; false when there was none or the user cancelled.
    bool copySelection();
    // Deletes the selection, in slices when it is large.
    void removeSelection();
    // Replaces the selection by `text`, both in slices, as one undo step.
    bool replaceInSlices(const QString &title, const QString &label, const QString &text);
    void undoOrRedo(bool undo);
    void keepCursorCentered();
    void stopKeepingCentered();

    int m_busy = 0;
    bool m_wasReadOnly = false;
    bool m_dragging = false;
    int m_centered = -1;
    QMetaObject::Connection m_centering;
};

#endif
