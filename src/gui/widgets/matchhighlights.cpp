// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/matchhighlights.h"
#include "core/searchengine.h"
#include "gui/editor/documenttext.h"
#include "gui/language.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFontMetrics>
#include <QFutureWatcher>
#include <QtConcurrent>
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
// A document this long is counted off the GUI thread: folding it and finding ten million
// matches would take more than a second on it.
constexpr int BackgroundChars = 1 << 22;
// The text for a fresh fold is taken for this long per turn of the event loop.
constexpr int TakeBudgetMs = 20;

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
    m_take.setInterval(0);
    connect(&m_take, &QTimer::timeout, this, &MatchHighlights::takeText);

    // contentsChange, not contentsChanged: the editor reports its moved cursor between the two,
    // and by then the starts must be known to be old.
    connect(editor->document(), &QTextDocument::contentsChange, this, &MatchHighlights::documentChanged);
    connect(editor, &QTextEdit::cursorPositionChanged, this, &MatchHighlights::selectionMoved);
    connect(editor, &QTextEdit::selectionChanged, this, &MatchHighlights::selectionMoved);
    for (QScrollBar *bar : {editor->verticalScrollBar(), editor->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, &m_visible, qOverload<>(&QTimer::start));
    editor->viewport()->installEventFilter(this);
}

MatchHighlights::~MatchHighlights()
{
    stopCount();
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
        stopCount();
        clear();
    }
}

void MatchHighlights::setPaused(bool paused)
{
    m_paused = paused;
    if (!paused && m_recountDue) {
        m_recountDue = false;
        m_recount.start();
    }
}

void MatchHighlights::recount()
{
    m_recount.stop();
    stopCount();
    ++m_generation;
    if (!m_active || m_findText.isEmpty()) {
        clear();
        return;
    }
    if (m_paused) {
        m_recountDue = true;
        return;
    }
    if (m_editor->document()->characterCount() <= BackgroundChars) {
        m_starts = m_engine->findAll(m_findText);
        m_length = m_findText.size();
        m_countedText = m_findText;
        m_current = selectedMatch();
        showCount();
        highlightVisible();
        return;
    }
    // The highlights of another find text go at once; those of this one follow the edits
    // until the new count replaces them.
    if (m_countedText != m_findText) {
        m_starts.clear();
        m_current = -1;
        m_editor->setExtraSelections({});
    }
    m_counting = true;
    m_label->setText(tr("Counting..."));
    if (!m_engine->needsFullFold()) {
        countInBackground(m_engine->foldedText(), false);
    } else {
        QTextDocument *document = m_editor->document();
        m_taker = std::make_unique<TextTaker>(document, 0, document->characterCount() - 1);
        m_take.start();
    }
}

void MatchHighlights::takeText()
{
    QElapsedTimer budget;
    budget.start();
    bool done = false;
    while (!done && budget.elapsed() < TakeBudgetMs)
        done = m_taker->step(Progress());
    if (!done)
        return;
    m_take.stop();
    const QString text = m_taker->take();
    m_taker.reset();
    countInBackground(text, true);
}

void MatchHighlights::countInBackground(const QString &text, bool fold)
{
    const auto stop = std::make_shared<std::atomic<bool>>(false);
    m_stop = stop;
    const int generation = m_generation;
    const QString foldedFind = m_engine->fold(m_findText);
    const bool matchCase = m_engine->matchCase();
    const bool matchLetters = m_engine->matchLetters();
    auto *watcher = new QFutureWatcher<Count>(this);
    connect(watcher, &QFutureWatcher<Count>::finished, this, [this, watcher, generation, stop, fold] {
        watcher->deleteLater();
        if (generation == m_generation && !*stop)
            countFinished(watcher->result(), fold);
    });
    watcher->setFuture(QtConcurrent::run([text, fold, foldedFind, matchCase, matchLetters, stop] {
        Count count;
        if (fold)
            count.folded = SearchEngine::foldDocumentText(text, matchCase, matchLetters);
        else
            count.folded = text;
        if (!*stop)
            count.starts = SearchEngine::findAllIn(count.folded, foldedFind, stop.get());
        return count;
    }));
}

void MatchHighlights::countFinished(const Count &count, bool folded)
{
    m_counting = false;
    m_stop.reset();
    // Nothing changed since the text was taken: the fold saves Find Next folding it again.
    if (folded)
        m_engine->adoptFold(count.folded);
    m_starts = count.starts;
    m_length = m_findText.size();
    m_countedText = m_findText;
    m_current = selectedMatch();
    showCount();
    highlightVisible();
}

void MatchHighlights::stopCount()
{
    m_take.stop();
    m_taker.reset();
    if (m_stop)
        *m_stop = true;
    m_stop.reset();
    m_counting = false;
}

void MatchHighlights::documentChanged()
{
    // The highlights are cursors and move with the edit; the count waits for a pause.
    if (m_counting) {
        stopCount();
        ++m_generation;
    }
    if (m_active && !m_findText.isEmpty())
        m_recount.start();
}

void MatchHighlights::selectionMoved()
{
    // While a recount is due the starts are those of an older text.
    if (!m_active || m_findText.isEmpty() || m_recount.isActive() || m_counting)
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
    if (!m_active || m_recount.isActive() || m_counting)
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
    m_countedText.clear();
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
