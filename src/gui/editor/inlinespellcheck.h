// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef INLINESPELLCHECK_H
#define INLINESPELLCHECK_H

#include "core/spellchecker.h"

#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTextCharFormat>
#include <QTextLayout>
#include <memory>

class PlainTextLayout;
class QMenu;
class QTextBlock;
class QTextEdit;

// Spell checking in the editor: a red wavy underline under each misspelled word of the
// paragraphs being painted, and, on the editor's context menu over such a word, its suggestions,
// "Add to Dictionary" and "Ignore All" before the usual entries.
//
// A paragraph is checked when it is painted and its text is not among those already checked,
// so an edit or a scroll checks just the paragraphs that need it. The underlines are formats of
// the drawing only (PlainTextLayout::setExtraFormats), never of the document. The word being
// typed is left alone until the cursor leaves it. The dictionaries load on a worker thread the
// first time checking is turned on; nothing is drawn until they are in.
class InlineSpellCheck : public QObject
{
    Q_OBJECT

public:
    InlineSpellCheck(QTextEdit *editor, QObject *parent);
    ~InlineSpellCheck() override;

    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    // The dictionaries are loaded and the underlines are drawn.
    bool isReady() const { return m_ready; }

    // The editor was given another document (and layout): check in that one.
    void followDocument();

    // Where the underlines are, for a paragraph of the document.
    QVector<SpellChecker::Misspelling> misspellingsOf(const QTextBlock &block);

signals:
    void ready();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QVector<QTextLayout::FormatRange> formatsFor(const QTextBlock &block);
    // Opens the context menu for a position in the document; false when it is not on a
    // misspelled word, and the editor's own menu is wanted.
    bool openMenu(int position, const QPoint &globalPosition, const QPoint &viewportPosition);
    void forgetChecks();
    void attach();
    void repaint();

    QTextEdit *m_editor;
    std::unique_ptr<SpellChecker> m_checker;
    QFutureWatcher<void> m_loading;
    QPointer<PlainTextLayout> m_layout;
    bool m_enabled = false;
    bool m_ready = false;
    // Paragraph texts already checked; a paragraph's text is its own key, so an edit or a move
    // of it needs no bookkeeping.
    QHash<QString, QVector<SpellChecker::Misspelling>> m_checked;
    // Just after the letter last typed, while the cursor stays there; -1 otherwise.
    int m_typingAt = -1;
    QTextCharFormat m_underline;
};

#endif
