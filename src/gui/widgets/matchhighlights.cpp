// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/matchhighlights.h"
#include "core/searchengine.h"
#include "gui/language.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Long enough for a writer's pause between two keys, short enough to read as immediate.
constexpr int RecountDelayMs = 300;
// How far beyond the view's corners matches are still highlighted: the lines at the corners
// can reach further than the corners' positions (a right-to-left line ends on the left, a long
// line may be scrolled sideways), and a slack of a few screens is cheap.
constexpr int Slack = 4000;
// Overlapping matches of a single letter could otherwise make one per character in view.
constexpr int MaxHighlights = 10000;

}

MatchHighlights::MatchHighlights(QTextEdit *editor, SearchEngine *engine, QLabel *label, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_engine(engine)
    , m_label(label)
{
    m_recount.setSingleShot(true);
    m_recount.setInterval(RecountDelayMs);
    connect(&m_recount, &QTimer::timeout, this, &MatchHighlights::recount);
    m_visible.setSingleShot(true);
    m_visible.setInterval(0);
    connect(&m_visible, &QTimer::timeout, this, &MatchHighlights::highlightVisible);

    // contentsChange, not contentsChanged: the editor reports its moved cursor between the two,
    // and by then the starts must be known to be old.
    connect(editor->document(), &QTextDocument::contentsChange, this, &MatchHighlights::documentChanged);
    connect(editor, &QTextEdit::cursorPositionChanged, this, &MatchHighlights::selectionMoved);
    connect(editor, &QTextEdit::selectionChanged, this, &MatchHighlights::selectionMoved);
    for (QScrollBar *bar : {editor->verticalScrollBar(), editor->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, &m_visible, qOverload<>(&QTimer::start));
    editor->viewport()->installEventFilter(this);
}

void MatchHighlights::followDocument()
{
    connect(m_editor->document(), &QTextDocument::contentsChange, this, &MatchHighlights::documentChanged,
            Qt::UniqueConnection);
    recount();
}

void MatchHighlights::setFindText(const QString &findText)
{
    m_findText = findText;
    recount();
}

void MatchHighlights::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active) {
        recount();
    } else {
        m_recount.stop();
        m_visible.stop();
        clear();
    }
}

void MatchHighlights::recount()
{
    m_recount.stop();
    if (!m_active || m_findText.isEmpty()) {
        clear();
        return;
    }
    m_starts = m_engine->findAll(m_findText);
    m_length = m_findText.size();
    m_current = selectedMatch();
    showCount();
    highlightVisible();
}

void MatchHighlights::documentChanged()
{
    // The highlights are cursors and move with the edit; the count waits for a pause.
    if (m_active && !m_findText.isEmpty())
        m_recount.start();
}

void MatchHighlights::selectionMoved()
{
    // While a recount is due the starts are those of an older text.
    if (!m_active || m_findText.isEmpty() || m_recount.isActive())
        return;
    const int current = selectedMatch();
    if (current == m_current)
        return;
    m_current = current;
    showCount();
    highlightVisible();
}

int MatchHighlights::selectedMatch() const
{
    const QTextCursor cursor = m_editor->textCursor();
    if (cursor.selectionEnd() - cursor.selectionStart() != m_length)
        return -1;
    const auto at = std::lower_bound(m_starts.cbegin(), m_starts.cend(), cursor.selectionStart());
    return at != m_starts.cend() && *at == cursor.selectionStart() ? int(at - m_starts.cbegin()) : -1;
}

void MatchHighlights::showCount()
{
    if (m_findText.isEmpty())
        m_label->clear();
    else if (m_starts.isEmpty())
        m_label->setText(tr("No matches"));
    else if (m_current >= 0)
        m_label->setText(tr("%1 of %2").arg(localNumber(m_current + 1), localNumber(m_starts.size())));
    else
        m_label->setText(tr("%n matches", nullptr, m_starts.size()));
}

void MatchHighlights::highlightVisible()
{
    if (!m_active || m_recount.isActive())
        return;
    QList<QTextEdit::ExtraSelection> selections;
    if (!m_starts.isEmpty()) {
        QTextDocument *document = m_editor->document();
        // The positions under the view's corners, inside the document's margin: a point in the
        // margin matches no line, and the editor then tries every paragraph in turn.
        const int margin = int(std::ceil(document->documentMargin())) + 1;
        const QRect view = m_editor->viewport()->rect().adjusted(margin, margin, -margin, -margin);
        int from = INT_MAX;
        int to = 0;
        for (const QPoint &corner : {view.topLeft(), view.topRight(), view.bottomLeft(), view.bottomRight()}) {
            const int at = m_editor->cursorForPosition(corner).position();
            from = qMin(from, at);
            to = qMax(to, at);
        }
        const QTextBlock first = document->findBlock(from);
        const QTextBlock last = document->findBlock(to);
        from = qMax(first.position(), from - Slack);
        to = qMin(last.position() + last.length(), to + Slack);
        // Part of a document still being laid out can answer with a far position; no view
        // shows more than its area in narrow glyphs.
        const QFontMetrics metrics(m_editor->font());
        const int glyphs = (view.width() / qMax(1, metrics.averageCharWidth() / 4) + 1)
            * (view.height() / qMax(1, metrics.lineSpacing()) + 1);
        to = qMin(to, from + 16 * glyphs + 2 * Slack);

        const bool dark = m_editor->palette().color(QPalette::Base).lightness() < 128;
        const QColor soft = dark ? QColor(100, 84, 20) : QColor(255, 236, 150);
        const QColor strong = dark ? QColor(176, 112, 0) : QColor(255, 176, 64);
        const int end = document->characterCount() - 1;
        for (auto at = std::lower_bound(m_starts.cbegin(), m_starts.cend(), from - m_length + 1);
             at != m_starts.cend() && *at < to && *at + m_length <= end && selections.size() < MaxHighlights; ++at) {
            QTextEdit::ExtraSelection selection;
            selection.cursor = QTextCursor(document);
            selection.cursor.setPosition(*at);
            selection.cursor.setPosition(*at + m_length, QTextCursor::KeepAnchor);
            selection.format.setBackground(at - m_starts.cbegin() == m_current ? strong : soft);
            selections.append(selection);
        }
    }
    m_editor->setExtraSelections(selections);
}

void MatchHighlights::clear()
{
    m_starts.clear();
    m_current = -1;
    m_label->clear();
    m_editor->setExtraSelections({});
}

bool MatchHighlights::eventFilter(QObject *watched, QEvent *event)
{
    // Only the viewport is watched; asking the editor for it could be asked of an editor that
    // is being destroyed.
    Q_UNUSED(watched)
    if (event->type() == QEvent::Resize && m_active)
        m_visible.start();
    return QObject::eventFilter(watched, event);
}
