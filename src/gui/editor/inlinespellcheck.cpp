// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/inlinespellcheck.h"
#include "gui/editor/plaintextlayout.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtConcurrent>

namespace {

// Paragraph texts kept checked; past this many the oldest checks are dropped all at once.
const int CheckedLimit = 20000;

}

InlineSpellCheck::InlineSpellCheck(QTextEdit *editor, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_checker(std::make_unique<SpellChecker>())
{
    m_underline.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    m_underline.setUnderlineColor(Qt::red);
    editor->installEventFilter(this);
    editor->viewport()->installEventFilter(this);
    connect(&m_loading, &QFutureWatcher<void>::finished, this, [this] {
        m_ready = true;
        emit ready();
        repaint();
    });
    connect(editor, &QTextEdit::cursorPositionChanged, this, [this] {
        if (m_typingAt >= 0 && m_editor->textCursor().position() != m_typingAt) {
            m_typingAt = -1;
            repaint();
        }
    });
    attach();
}

InlineSpellCheck::~InlineSpellCheck()
{
    // The loading thread uses the checker.
    m_loading.waitForFinished();
}

void InlineSpellCheck::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (enabled && !m_ready && !m_loading.isRunning()) {
        SpellChecker *checker = m_checker.get();
        // A word for each dictionary, and the personal one, so that painting never waits for
        // a load.
        m_loading.setFuture(QtConcurrent::run([checker] {
            checker->check(QStringLiteral("\u067E\u062F\u0631 \u0645\u062F\u0631\u0633\u0629 the"));
            checker->check(QStringLiteral("\u0645\u062F\u0631\u0633\u0629"));
        }));
    }
    attach();
}

void InlineSpellCheck::followDocument()
{
    m_typingAt = -1;
    attach();
}

void InlineSpellCheck::attach()
{
    QTextDocument *document = m_editor->document();
    auto *layout = qobject_cast<PlainTextLayout *>(document->documentLayout());
    if (m_layout && m_layout != layout)
        m_layout->setExtraFormats({});
    m_layout = layout;
    if (!layout)
        return;
    if (m_enabled)
        layout->setExtraFormats([this](const QTextBlock &block) { return formatsFor(block); });
    else
        layout->setExtraFormats({});
    // A letter or two put in at once is typing; anything else (a paste, a deletion) is not.
    disconnect(document, &QTextDocument::contentsChange, this, nullptr);
    connect(document, &QTextDocument::contentsChange, this, [this](int from, int removed, int added) {
        m_typingAt = removed == 0 && added > 0 && added <= 2 ? from + added : -1;
    });
}

void InlineSpellCheck::repaint()
{
    m_editor->viewport()->update();
}

void InlineSpellCheck::forgetChecks()
{
    m_checked.clear();
    repaint();
}

QVector<SpellChecker::Misspelling> InlineSpellCheck::misspellingsOf(const QTextBlock &block)
{
    const QString text = block.text();
    auto it = m_checked.constFind(text);
    if (it != m_checked.constEnd())
        return *it;
    if (m_checked.size() >= CheckedLimit)
        m_checked.clear();
    return *m_checked.insert(text, m_checker->check(text));
}

QVector<QTextLayout::FormatRange> InlineSpellCheck::formatsFor(const QTextBlock &block)
{
    QVector<QTextLayout::FormatRange> formats;
    if (!m_ready)
        return formats;
    const int typed = m_typingAt - block.position();
    QTextCharFormat format = m_underline;
    // The text under the underline is drawn again, in the editor's own colour.
    format.setForeground(m_editor->palette().text());
    for (const SpellChecker::Misspelling &m : misspellingsOf(block)) {
        if (typed >= m.start && typed <= m.start + m.length)
            continue;
        formats.append({m.start, m.length, format});
    }
    return formats;
}

bool InlineSpellCheck::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (watched == m_editor->viewport() && menuEvent->reason() == QContextMenuEvent::Mouse && m_enabled) {
            const int position = m_editor->cursorForPosition(menuEvent->pos()).position();
            return openMenu(position, menuEvent->globalPos(), menuEvent->pos());
        }
        if (watched == m_editor && menuEvent->reason() != QContextMenuEvent::Mouse) {
            // From the keyboard the menu belongs at the text cursor, not at the mouse pointer.
            const QRect cursor = m_editor->cursorRect();
            return openMenu(m_editor->textCursor().position(), m_editor->viewport()->mapToGlobal(cursor.bottomLeft()),
                            cursor.center());
        }
    } else if (event->type() == QEvent::KeyPress && watched == m_editor) {
        // Shift+F10 opens the context menu as the Menu key does.
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, m_editor->cursorRect().center());
            return eventFilter(m_editor, &menuEvent);
        }
    }
    return QObject::eventFilter(watched, event);
}

bool InlineSpellCheck::openMenu(int position, const QPoint &globalPosition, const QPoint &viewportPosition)
{
    std::unique_ptr<QMenu> menu(m_editor->createStandardContextMenu(viewportPosition));
    // The text area is left to right whatever the interface; its menu reads as the interface.
    menu->setLayoutDirection(QGuiApplication::layoutDirection());
    menu->setObjectName(QStringLiteral("spellingMenu"));
    if (m_enabled && m_ready) {
        const QTextBlock block = m_editor->document()->findBlock(position);
        const int offset = position - block.position();
        for (const SpellChecker::Misspelling &m : misspellingsOf(block)) {
            if (offset < m.start || offset > m.start + m.length)
                continue;
            const QString paragraph = block.text();
            const QString word = paragraph.mid(m.start, m.length);
            QAction *usual = menu->actions().value(0);
            // A cursor over the word follows any edit made while the menu is open.
            QTextCursor span(m_editor->document());
            span.setPosition(block.position() + m.start);
            span.setPosition(block.position() + m.start + m.length, QTextCursor::KeepAnchor);
            const QStringList suggestions = m_checker->suggestions(paragraph, m);
            for (const QString &suggestion : suggestions) {
                QAction *action = new QAction(QString(suggestion).replace(QLatin1Char('&'), QLatin1String("&&")), menu.get());
                connect(action, &QAction::triggered, this, [this, span, word, suggestion]() mutable {
                    if (span.selectedText() != word)
                        return;
                    span.beginEditBlock();
                    span.insertText(suggestion);
                    span.endEditBlock();
                    m_editor->setTextCursor(span);
                });
                menu->insertAction(usual, action);
            }
            if (suggestions.isEmpty()) {
                QAction *none = new QAction(tr("No Suggestions"), menu.get());
                none->setEnabled(false);
                menu->insertAction(usual, none);
            }
            QAction *add = new QAction(tr("&Add to Dictionary"), menu.get());
            add->setObjectName(QStringLiteral("actionAdd_to_Dictionary"));
            connect(add, &QAction::triggered, this, [this, word] {
                m_checker->addToPersonalDictionary(word);
                forgetChecks();
            });
            QAction *ignore = new QAction(tr("&Ignore All"), menu.get());
            ignore->setObjectName(QStringLiteral("actionIgnore_All"));
            connect(ignore, &QAction::triggered, this, [this, word] {
                m_checker->ignoreAll(word);
                forgetChecks();
            });
            menu->insertAction(usual, add);
            menu->insertAction(usual, ignore);
            menu->insertSeparator(usual);
            break;
        }
    }
    menu->exec(globalPosition);
    return true;
}
