// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/plaintextlayout.h"
#include "gui/editor/documenttext.h"
#include "gui/editor/invisiblemarks.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>
#include <optional>

namespace {

// Lines up to this many characters are laid out to measure the document's width exactly; a
// longer one is estimated from its length, since laying it out takes seconds.
const int widthByLayoutLimit = 200000;

const qreal farAway = 1e9;

// A line this long is not laid out a second time to widen it.
const int longLine = 2000;

// One slice of the walk over every block reads about this many characters or visits this many
// blocks, some 5-10 ms: a walk of 100 MB takes about a second, which the window must not wait.
const int walkSliceChars = 1 << 19;
const int walkSliceBlocks = 20000;

// Tells that a block was laid out for the current fonts, text option and page width. The
// document owns it and deletes it with the block.
struct LayoutStamp : QTextBlockUserData {
    int generation = -1;
    qreal advance = 0; // the widest line's natural width
    qreal shift = 0;   // how far its lines were moved right to end at the common right edge
    qreal edge = 0;    // that edge
};

LayoutStamp *stampOf(const QTextBlock &block)
{
    return dynamic_cast<LayoutStamp *>(block.userData());
}

// Which fonts a paragraph's single line is drawn in. Qt gives characters of the Common and
// Inherited scripts (spaces, digits, punctuation, ZWNJ) the script of their neighbours, so a
// Persian line with digits and commas is drawn in the Arabic-script font alone.
bool isArabicLetter(ushort u)
{
    return (u >= 0x0621 && u <= 0x063F) || (u >= 0x0641 && u <= 0x064A) || (u >= 0x066E && u <= 0x06D3);
}

}

PlainTextLayout::PlainTextLayout(QTextDocument *document)
    : QAbstractTextDocumentLayout(document)
{
    // QTextEdit gave its viewport to the layout this one replaces; fonts are measured on it.
    // Asked for its layout, a document without one would make one and lay itself out.
    if (auto *previous = document->findChild<QAbstractTextDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly))
        setPaintDevice(previous->paintDevice());
    connect(document, &QTextDocument::contentsChange, this, [this] { m_contentEdit = true; });
    m_longestTimer.setSingleShot(true);
    m_longestTimer.setInterval(0);
    connect(&m_longestTimer, &QTimer::timeout, this, [this] {
        findLongest();
        requestFlush();
    });
    m_walkTimer.setSingleShot(true);
    m_walkTimer.setInterval(0);
    connect(&m_walkTimer, &QTimer::timeout, this, [this] {
        m_walkPosition = walkBlocks(m_walkPosition);
        if (m_walkPosition >= 0)
            m_walkTimer.start();
        else
            m_longestWidth = -1;
        flush(true);
    });
}

void PlainTextLayout::setExtraFormats(ExtraFormats source)
{
    m_extraFormats = std::move(source);
    emit update(QRectF(0, 0, farAway, farAway));
}

void PlainTextLayout::setInvisiblesShown(bool shown)
{
    if (shown == m_invisiblesShown)
        return;
    m_invisiblesShown = shown;
    emit update(QRectF(0, 0, farAway, farAway));
}

int PlainTextLayout::pageCount() const
{
    return 1;
}

bool PlainTextLayout::wraps() const
{
    return m_pageWidth > 0 && m_option.wrapMode() != QTextOption::NoWrap
        && m_option.wrapMode() != QTextOption::ManualWrap;
}

qreal PlainTextLayout::availableWidth() const
{
    return m_pageWidth > 0 ? qMax<qreal>(0, m_pageWidth - 2 * m_margin) : 0;
}

int PlainTextLayout::blockTop(const QTextBlock &block) const
{
    return qRound(m_margin) + block.firstLineNumber();
}

QTextBlock PlainTextLayout::blockAt(qreal y) const
{
    const int line = qFloor(y) - qRound(m_margin);
    if (line < 0)
        return document()->firstBlock();
    if (line >= document()->lineCount())
        return document()->lastBlock();
    return document()->findBlockByLineNumber(line);
}

QAbstractScrollArea *PlainTextLayout::view() const
{
    auto *viewport = dynamic_cast<QWidget *>(paintDevice());
    auto *area = viewport ? qobject_cast<QAbstractScrollArea *>(viewport->parentWidget()) : nullptr;
    return area && area->viewport() == viewport ? area : nullptr;
}

void PlainTextLayout::measureFonts()
{
    static const char *const samples[] = {
        "The quick brown fox jumps over the lazy dog 0123",
        "\u0633\u0644\u0627\u0645 \u062f\u0646\u06cc\u0627 \u0627\u06cc\u0646 \u06cc\u06a9 \u0645\u062a\u0646 \u0641\u0627\u0631\u0633\u06cc \u0627\u0633\u062a",
        "The quick brown fox \u0633\u0644\u0627\u0645 \u062f\u0646\u06cc\u0627 \u0645\u062a\u0646"};
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    for (int i = 0; i < 3; ++i) {
        const QString sample = QString::fromUtf8(samples[i]);
        QTextLayout layout(sample, document()->defaultFont(), paintDevice());
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLeadingIncluded(true);
        line.setLineWidth(farAway);
        layout.endLayout();
        LineMetrics &m = m_metrics[i];
        m.pitch = qCeil(line.ascent() + line.descent() + line.leading());
        m.height = qMax(m.pitch, int(line.height()));
        m.charWidth = line.horizontalAdvance() / sample.size();
    }
}

int PlainTextLayout::estimateHeight(const QTextBlock &block, const QString &raw, int rawStart) const
{
    if (raw.isNull())
        return estimateHeight(QStringView(block.text()));
    return estimateHeight(QStringView(raw).mid(block.position() - rawStart, block.length() - 1));
}

int PlainTextLayout::estimateHeight(QStringView text) const
{
    bool arabic = false;
    bool other = false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x80) {
            if ((u | 0x20) >= 'a' && (u | 0x20) <= 'z')
                other = true;
        } else if (u >= 0x0600 && u <= 0x06FF) {
            if (!arabic)
                arabic = isArabicLetter(u) || c.script() == QChar::Script_Arabic;
        } else if (!c.isSurrogate()) {
            const QChar::Script script = c.script();
            if (script == QChar::Script_Arabic)
                arabic = true;
            else if (script > QChar::Script_Common)
                other = true;
        }
        if (arabic && other)
            break;
    }
    const LineMetrics &m = m_metrics[!arabic ? Primary : other ? Mixed : Arabic];
    if (!wraps() || text.isEmpty())
        return m.height;
    const int lines = qMax(1, qCeil(text.size() * m.charWidth / qMax<qreal>(1, availableWidth())));
    return m.height + (lines - 1) * m.pitch;
}

bool PlainTextLayout::isLaidOut(const QTextBlock &block) const
{
    const LayoutStamp *stamp = stampOf(block);
    return stamp && stamp->generation == m_generation && block.layout()->lineCount() > 0
        && (!endsAtRightEdge() || stamp->edge == rightEdge());
}

void PlainTextLayout::ensureLayout(const QTextBlock &block) const
{
    if (block.isValid() && !isLaidOut(block))
        layoutBlock(block);
}

void PlainTextLayout::layoutBlock(const QTextBlock &block) const
{
    QTextLayout *layout = block.layout();
    const Qt::LayoutDirection direction = block.textDirection();
    QTextOption option = m_option;
    option.setTextDirection(direction);
    option.setAlignment(QStyle::visualAlignment(direction, m_option.alignment()));
    const qreal width = availableWidth();
    if (width <= 0)
        option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);

    // Lines stack as in QTextDocumentLayout: each advances by its ceiled ascent, descent and
    // leading, and the block ends at the last line's bottom if that lies lower.
    int y = 0;
    int bottom = 0;
    qreal advance = 0;
    layout->beginLayout();
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        // Qt aligns a line wider than its width by pushing its start off the left edge, where
        // no scroll bar reaches. Widened to its text, as QTextDocumentLayout does, it starts at
        // the left edge instead; a long line is moved there rather than laid out twice, which
        // costs a key in it twice the time for sub-pixel differences in the selection's edges.
        qreal shift = 0;
        if (line.naturalTextWidth() > width) {
            if (line.textLength() < longLine) {
                line.setLineWidth(line.naturalTextWidth());
            } else {
                const Qt::Alignment alignment = option.alignment();
                if (alignment & Qt::AlignRight)
                    shift = line.horizontalAdvance() - width;
                else if (alignment & Qt::AlignHCenter)
                    shift = (line.horizontalAdvance() - width) / 2;
            }
        }
        line.setPosition(QPointF(shift, y));
        advance = qMax(advance, qMax(line.horizontalAdvance(), line.naturalTextWidth()));
        bottom = y + int(line.height());
        y += qCeil(line.ascent() + line.descent() + line.leading());
    }
    layout->endLayout();

    bool changed = false;
    const qreal edgeBefore = rightEdge();
    if (advance + 2 * m_margin > m_widestLaidOut) {
        m_widestLaidOut = advance + 2 * m_margin;
        changed = m_widestLaidOut > m_reportedSize.width();
    }
    // Unwrapped right-to-left lines all end at one right edge, where they start, so that the
    // view at the right end shows every line's start. A wider line moves that edge: the lines
    // laid out for the old one are laid out again when next needed, and drawn again now.
    qreal edgeShift = 0;
    const qreal edge = rightEdge();
    if (endsAtRightEdge()) {
        if (edge != edgeBefore) {
            m_dirtyTop = 0;
            changed = true;
        }
        edgeShift = qMax<qreal>(0, edge - qMax(width, advance));
        if (edgeShift > 0) {
            for (int i = 0; i < layout->lineCount(); ++i) {
                QTextLine line = layout->lineAt(i);
                line.setPosition(line.position() + QPointF(edgeShift, 0));
            }
        }
    }

    QTextBlock handle = block;
    LayoutStamp *stamp = stampOf(block);
    if (!stamp) {
        stamp = new LayoutStamp;
        handle.setUserData(stamp);
    }
    stamp->generation = m_generation;
    stamp->advance = advance;
    stamp->shift = edgeShift;
    stamp->edge = edge;
    const int height = qMax(y, bottom);
    const int oldHeight = block.lineCount();
    if (height != oldHeight) {
        const int top = blockTop(block);
        handle.setLineCount(height);
        if (m_dirtyTop < 0 || top < m_dirtyTop)
            m_dirtyTop = top;
        // A block above the view that changes height would move the text under the reader's
        // eyes; the view follows it instead.
        if (QAbstractScrollArea *area = view()) {
            const int viewTop = area->verticalScrollBar()->value();
            if (top < viewTop) {
                if (m_scrollDelta == 0)
                    m_scrollBase = viewTop;
                m_scrollDelta += height - oldHeight;
            }
        }
        changed = true;
    }
    if (changed)
        requestFlush();
}

void PlainTextLayout::resetBlocks(bool estimate)
{
    // Blocks the walk had not reached yet still need the estimate an earlier reset asked for.
    const bool pending = m_walkPosition >= 0;
    m_walkEstimates = estimate || (pending && m_walkEstimates);
    m_longestLength = 0;
    m_longestPosition = 0;
    m_longestWidth = -1;
    // A reset while the walk goes on (the view taking a document sets its width, a resize
    // comes in steps) starts it again between turns of the event loop, not now.
    if (pending) {
        m_walkPosition = 0;
        m_walkTimer.start();
        return;
    }
    m_walkPosition = walkBlocks(0);
    if (m_walkPosition < 0)
        return;
    // Ctrl+End is the next place a reader goes: the last slice is estimated at once too, so
    // the end of the document does not move away from a view that jumped there.
    QTextDocument *doc = document();
    const int tail = qMax(doc->findBlock(doc->characterCount() - walkSliceChars).position(),
                          doc->findBlockByNumber(qMax(0, doc->blockCount() - walkSliceBlocks)).position());
    if (tail > m_walkPosition)
        walkBlocks(tail);
    m_walkTimer.start();
}

int PlainTextLayout::walkBlocks(int from)
{
    // QTextCursor and QWidgetTextControl use any lines a block's layout has, so lines laid out
    // for the old geometry go. A block drawn since the reset already has its exact height.
    QTextDocument *doc = document();
    const QTextBlock first = doc->findBlock(from);
    const int start = first.position();
    QTextBlock end = first;
    int blocks = 0;
    while (end.isValid() && blocks < walkSliceBlocks && (blocks == 0 || end.position() - start < walkSliceChars)) {
        end = end.next();
        ++blocks;
    }
    const int stop = end.isValid() ? end.position() : doc->characterCount();
    const QString raw = m_walkEstimates ? documentText(doc, start, stop - 1) : QString();

    // The view's top as the heights stand now, with what the view still has to follow of them.
    QAbstractScrollArea *area = view();
    int viewTop = area ? area->verticalScrollBar()->value() : 0;
    if (m_scrollDelta != 0)
        viewTop = m_scrollBase + m_scrollDelta;
    int top = viewTop > 0 ? blockTop(first) : 0;
    int changedTop = -1;
    for (QTextBlock block = first; block != end; block = block.next()) {
        const int oldHeight = block.lineCount();
        if (!isLaidOut(block)) {
            block.clearLayout();
            if (m_walkEstimates) {
                const int height = estimateHeight(block, raw, start);
                if (height != oldHeight) {
                    block.setLineCount(height);
                    if (changedTop < 0)
                        changedTop = top;
                    // The text in view stays where it is while the heights above it change.
                    if (top < viewTop) {
                        if (m_scrollDelta == 0)
                            m_scrollBase = viewTop;
                        m_scrollDelta += height - oldHeight;
                        viewTop += height - oldHeight;
                    }
                }
            }
        }
        top += block.lineCount();
        if (block.length() > m_longestLength) {
            m_longestLength = block.length();
            m_longestPosition = block.position();
            m_longestWidth = -1;
        }
    }
    if (changedTop >= 0 && (m_dirtyTop < 0 || changedTop < m_dirtyTop))
        m_dirtyTop = changedTop;
    return end.isValid() ? stop : -1;
}

void PlainTextLayout::findLongest()
{
    QTextBlock longest;
    m_longestLength = 0;
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        if (block.length() > m_longestLength) {
            m_longestLength = block.length();
            longest = block;
        }
    }
    m_longestPosition = longest.position();
    m_longestWidth = -1;
}

QTextBlock PlainTextLayout::longestBlock() const
{
    return document()->findBlock(qBound(0, m_longestPosition, document()->characterCount() - 1));
}

qreal PlainTextLayout::longestWidth() const
{
    if (m_longestWidth < 0) {
        const QTextBlock block = longestBlock();
        if (!block.isValid()) {
            m_longestWidth = 0;
        } else if (m_walkPosition >= 0) {
            // The longest block so far changes as the walk goes on: laying each out in turn
            // could cost more than the walk. The width is estimated until the walk ends.
            qreal charWidth = 0;
            for (const LineMetrics &m : m_metrics)
                charWidth = qMax(charWidth, m.charWidth);
            return block.length() * charWidth;
        } else if (block.length() <= widthByLayoutLimit) {
            ensureLayout(block);
            m_longestWidth = stampOf(block)->advance;
        } else {
            qreal charWidth = 0;
            for (const LineMetrics &m : m_metrics)
                charWidth = qMax(charWidth, m.charWidth);
            m_longestWidth = block.length() * charWidth;
        }
    }
    return m_longestWidth;
}

bool PlainTextLayout::endsAtRightEdge() const
{
    return !wraps() && m_option.textDirection() == Qt::RightToLeft;
}

qreal PlainTextLayout::rightEdge() const
{
    // Whole pixels: the edge is where short lines end, and where the view's right end is.
    return qCeil(qMax(availableWidth(), qMax(m_widestLaidOut - 2 * m_margin, m_longestWidth)));
}

QSizeF PlainTextLayout::documentSize() const
{
    qreal width = qMax(m_pageWidth, m_widestLaidOut);
    if (!wraps())
        width = qMax(width, longestWidth() + 2 * m_margin);
    if (endsAtRightEdge())
        width = rightEdge() + 2 * m_margin;
    return QSizeF(width, document()->lineCount() + 2 * m_margin);
}

QRectF PlainTextLayout::frameBoundingRect(QTextFrame *) const
{
    return QRectF(QPointF(0, 0), documentSize());
}

QRectF PlainTextLayout::blockBoundingRect(const QTextBlock &block) const
{
    if (!block.isValid() || !m_initialized)
        return QRectF();
    ensureLayout(block);
    const qreal width = qMax(availableWidth(), stampOf(block)->advance) + stampOf(block)->shift;
    return QRectF(m_margin, blockTop(block), width, block.lineCount());
}

int PlainTextLayout::hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const
{
    if (!m_initialized)
        return -1;
    const QTextBlock block = blockAt(point.y());
    ensureLayout(block);
    const QTextLayout *layout = block.layout();
    const QPointF local = point - QPointF(m_margin, blockTop(block));

    int offset = 0;
    bool exact = false;
    if (local.y() >= block.lineCount()) {
        offset = block.length();
    } else if (local.y() >= 0) {
        // The first line whose bottom lies below the point, as QTextDocumentLayout picks it.
        int low = 0;
        int high = layout->lineCount() - 1;
        while (low < high) {
            const int middle = (low + high) / 2;
            const QTextLine line = layout->lineAt(middle);
            if (line.y() + line.height() > local.y())
                high = middle;
            else
                low = middle + 1;
        }
        const QTextLine line = layout->lineAt(low);
        const QRectF rect = line.naturalTextRect();
        exact = rect.left() <= local.x() && rect.right() >= local.x();
        offset = line.xToCursor(local.x(), accuracy == Qt::ExactHit ? QTextLine::CursorOnCharacter
                                                                     : QTextLine::CursorBetweenCharacters);
    }
    if (accuracy == Qt::ExactHit && !exact)
        return -1;
    const int last = document()->characterCount() - 1 + layout->preeditAreaText().size();
    return qBound(0, block.position() + offset, last);
}

void PlainTextLayout::draw(QPainter *painter, const PaintContext &context)
{
    if (!m_initialized)
        return;
    QRectF clip = context.clip.isValid() ? context.clip : QRectF(QPointF(0, 0), documentSize());
    m_drawing = true;

    QVector<QTextBlock> visible;
    const auto layOutVisible = [&] {
        visible.clear();
        for (QTextBlock block = blockAt(clip.top()); block.isValid(); block = block.next()) {
            ensureLayout(block);
            const int top = blockTop(block);
            if (top > clip.bottom())
                break;
            if (top + block.lineCount() >= clip.top())
                visible.append(block);
        }
    };
    layOutVisible();

    // Blocks laid out above the view's top changed height: scroll by as much, quietly, and
    // paint the result now, so the text in view does not jump for a frame.
    QAbstractScrollArea *area = view();
    if (area && m_scrollDelta != 0) {
        QScrollBar *bar = area->verticalScrollBar();
        const int target = m_scrollBase + m_scrollDelta;
        if (bar->value() == m_scrollBase && target >= bar->minimum() && target <= bar->maximum()) {
            {
                const QSignalBlocker blocker(bar);
                bar->setValue(target);
            }
            m_anchorValue = target;
            painter->translate(0, -m_scrollDelta);
            clip.translate(0, m_scrollDelta);
            m_scrollDelta = 0;
            area->viewport()->update();
            layOutVisible();
        }
    }

    const QRectF pageClip = clip & QRectF(m_margin, 0, documentSize().width() - 2 * m_margin, farAway);
    const std::optional<InvisibleMarks> marks = m_invisiblesShown ? std::make_optional(InvisibleMarks(context.palette)) : std::nullopt;
    for (const QTextBlock &block : qAsConst(visible)) {
        const QTextLayout *layout = block.layout();
        // Each block is drawn at the painter's origin, moved there by the painter: glyphs are
        // placed in single precision, which loses whole pixels past 2^23 (8,388,608) px down a
        // document, and a large file reaches far beyond. The painter's own arithmetic is double.
        const QPointF offset(m_margin, blockTop(block));
        painter->translate(offset);
        const int start = block.position();
        const int length = block.length();

        QVector<QTextLayout::FormatRange> selections;
        if (m_extraFormats)
            selections = m_extraFormats(block);
        for (const Selection &range : context.selections) {
            const int selectionStart = range.cursor.selectionStart() - start;
            const int selectionEnd = range.cursor.selectionEnd() - start;
            if (selectionStart < length && selectionEnd > 0 && selectionEnd > selectionStart) {
                selections.append({selectionStart, selectionEnd - selectionStart, range.format});
            } else if (!range.cursor.hasSelection() && range.format.hasProperty(QTextFormat::FullWidthSelection)
                       && block.contains(range.cursor.position())) {
                // A full-width selection needs no selected text: its cursor names the line.
                const QTextLine line = layout->lineForTextPosition(range.cursor.position() - start);
                QTextLayout::FormatRange o{line.textStart(), line.textLength(), range.format};
                if (o.start + o.length == length - 1)
                    ++o.length;
                selections.append(o);
            }
        }

        const QPen oldPen = painter->pen();
        painter->setPen(context.palette.color(QPalette::Text));
        const QVector<InvisibleMarks::Marker> markers = marks ? InvisibleMarks::place(block, pageClip.translated(-offset))
                                                              : QVector<InvisibleMarks::Marker>();
        layout->draw(painter, QPointF(), selections, pageClip.translated(-offset));
        if (marks)
            marks->draw(painter, block, markers);
        const bool preedit = context.cursorPosition < -1 && !layout->preeditAreaText().isEmpty();
        if ((context.cursorPosition >= start && context.cursorPosition < start + length) || preedit) {
            const int position = preedit ? layout->preeditAreaPosition() - (context.cursorPosition + 2)
                                         : context.cursorPosition - start;
            layout->drawCursor(painter, QPointF(), position, m_cursorWidth);
        }
        painter->setPen(oldPen);
        painter->translate(-offset);
    }
    m_drawing = false;
    if (m_dirtyTop >= 0 || m_scrollDelta != 0)
        requestFlush();
}

void PlainTextLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    const int length = document()->characterCount();
    const bool edit = m_contentEdit;
    m_contentEdit = false;
    // Text set into an empty document looks like a change of geometry; its blocks are new and
    // need their estimates all the same.
    if (!m_initialized || (from == 0 && charsRemoved == 0 && charsAdded == length))
        geometryChanged(edit);
    else
        contentChanged(from, charsRemoved, charsAdded);
}

void PlainTextLayout::geometryChanged(bool contentReplaced)
{
    QTextDocument *doc = document();
    // A null page (0 x 0) keeps the geometry as it was until a real page is back: estimates
    // for no width at all would only be thrown away.
    if (m_initialized && doc->pageSize().isNull()) {
        m_suspended = true;
        return;
    }
    const qreal pageWidth = doc->pageSize().width();
    const QTextOption option = doc->defaultTextOption();
    const bool formatChanged = !m_initialized || doc->defaultFont() != m_font
        || doc->documentMargin() != m_margin || option.wrapMode() != m_option.wrapMode()
        || option.textDirection() != m_option.textDirection() || option.alignment() != m_option.alignment()
        || option.flags() != m_option.flags() || option.tabStopDistance() != m_option.tabStopDistance()
        || option.tabs() != m_option.tabs();
    const bool widthChanged = pageWidth != m_pageWidth;
    if (m_suspended && !formatChanged && !widthChanged && !contentReplaced) {
        m_suspended = false;
        return;
    }
    m_suspended = false;

    // Wrapped heights are about to become estimates again: keep the paragraph at the top of
    // the view there.
    const bool wrappedBefore = wraps();
    QScrollBar *horizontal = view() ? view()->horizontalScrollBar() : nullptr;
    const bool atRightEnd = horizontal && horizontal->value() == horizontal->maximum();
    if (QAbstractScrollArea *area = view()) {
        const int viewTop = area->verticalScrollBar()->value();
        if (m_initialized && viewTop > 0) {
            const QTextBlock top = blockAt(viewTop);
            m_anchorPosition = top.position();
            m_anchorOffset = viewTop - blockTop(top);
            m_anchorValue = viewTop;
            m_anchorShare = -1;
            if (isLaidOut(top)) {
                const QTextLayout *layout = top.layout();
                for (int i = layout->lineCount() - 1; i >= 0; --i) {
                    const QTextLine line = layout->lineAt(i);
                    if (line.y() <= m_anchorOffset || i == 0) {
                        m_anchorPosition += line.textStart();
                        m_anchorShare = qBound<qreal>(0, (m_anchorOffset - line.y()) / qMax<qreal>(1, line.height()), 1);
                        break;
                    }
                }
            }
        }
    }

    m_pageWidth = pageWidth;
    m_option = option;
    ++m_generation;
    if (formatChanged) {
        m_font = doc->defaultFont();
        m_margin = doc->documentMargin();
        measureFonts();
        m_widestLaidOut = 0;
        m_longestWidth = -1;
    }
    resetBlocks(!m_initialized || contentReplaced || formatChanged || (widthChanged && (wrappedBefore || wraps())));
    // Seen from the right end, a new width keeps the view there.
    if ((formatChanged || contentReplaced || atRightEnd) && !wraps() && option.textDirection() == Qt::RightToLeft)
        m_showRightEnd = true;
    m_initialized = true;
    m_blockCount = doc->blockCount();
    m_dirtyTop = 0;
    flush();
    if (m_anchorPosition >= 0 || m_showRightEnd)
        requestFlush();
}

void PlainTextLayout::contentChanged(int from, int charsRemoved, int charsAdded)
{
    QTextDocument *doc = document();
    QTextBlock first = doc->findBlock(from);
    if (!first.isValid())
        first = doc->lastBlock();
    QTextBlock last = doc->findBlock(from + charsAdded);
    if (!last.isValid())
        last = doc->lastBlock();
    bool longestTouched = false;
    if (from + charsRemoved <= m_longestPosition)
        m_longestPosition += charsAdded - charsRemoved;
    else if (from < m_longestPosition + m_longestLength)
        longestTouched = true;
    m_longestPosition = longestBlock().position();
    const bool single = first == last;
    const int top = blockTop(first);
    const int firstHeight = first.lineCount();
    // An edit over many paragraphs that keeps every length and every paragraph (a conversion of
    // letters or digits) keeps their estimates: they depend on the length, and are corrected
    // anyway when a paragraph is laid out. Other large changes (a paste) read the paragraphs
    // from one copy of the document.
    const bool sameShape = !single && charsAdded == charsRemoved && doc->blockCount() == m_blockCount;
    const int rawStart = first.position();
    const QString raw = charsAdded > 65536 && !sameShape
        ? documentText(doc, rawStart, qMin(last.position() + last.length(), doc->characterCount()) - 1)
        : QString();
    if (m_walkPosition >= 0) {
        if (from + charsRemoved <= m_walkPosition)
            m_walkPosition += charsAdded - charsRemoved;
        else if (from < m_walkPosition)
            m_walkPosition = from;
    }

    bool heightsChanged = false;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        // Typing into a paragraph on screen: lay it out now, as the cursor needs it next.
        const bool wasShown = single && stampOf(block) && stampOf(block)->generation == m_generation;
        block.clearLayout();
        if (wasShown) {
            layoutBlock(block);
        } else if (!sameShape) {
            const int height = estimateHeight(block, raw, rawStart);
            if (height != block.lineCount()) {
                block.setLineCount(height);
                heightsChanged = true;
            }
        }
        if (block.length() > m_longestLength) {
            longestTouched = false;
            m_longestPosition = block.position();
            m_longestLength = block.length();
            m_longestWidth = -1;
        }
        if (block == last)
            break;
    }
    if (longestTouched) {
        const int length = longestBlock().length();
        if (length < m_longestLength)
            m_longestTimer.start();
        m_longestLength = length;
        m_longestWidth = -1;
    }

    if (single && !heightsChanged && first.lineCount() == firstHeight && doc->blockCount() == m_blockCount) {
        emit update(QRectF(0, top, farAway, first.lineCount()));
    } else if (m_dirtyTop < 0 || top < m_dirtyTop) {
        m_dirtyTop = top;
    }
    m_blockCount = doc->blockCount();
    flush();
}

void PlainTextLayout::requestFlush() const
{
    if (m_flushQueued)
        return;
    m_flushQueued = true;
    QMetaObject::invokeMethod(const_cast<PlainTextLayout *>(this), [this] {
        m_flushQueued = false;
        flush(true);
    }, Qt::QueuedConnection);
}

void PlainTextLayout::flush(bool fromEventLoop) const
{
    if (m_drawing || m_flushing) {
        requestFlush();
        return;
    }
    m_flushing = true;
    auto *self = const_cast<PlainTextLayout *>(this);
    QScrollBar *bar = view() ? view()->verticalScrollBar() : nullptr;
    const bool atBottom = bar && bar->maximum() > 0 && bar->value() == bar->maximum();

    if (m_dirtyTop >= 0) {
        const int top = m_dirtyTop;
        m_dirtyTop = -1;
        emit self->update(QRectF(0, top, farAway, farAway));
    }
    const QSizeF size = documentSize();
    if (size != m_reportedSize) {
        // Lines that end at the right edge all move with it, and a view that showed their
        // starts keeps showing them.
        if (endsAtRightEdge() && size.width() != m_reportedSize.width()) {
            emit self->update(QRectF(0, 0, farAway, farAway));
            QScrollBar *horizontal = view() ? view()->horizontalScrollBar() : nullptr;
            if (horizontal && horizontal->value() == horizontal->maximum() && !m_showRightEnd) {
                m_showRightEnd = true;
                requestFlush();
            }
        }
        m_reportedSize = size;
        emit self->documentSizeChanged(size);
    }
    if (bar) {
        // The anchor waits for the event loop: a resize sets the scroll range only after the
        // page size, and a value set before then would be clamped to the old range.
        // A view scrolled since by someone else (the reader, a file opening at its top) stays
        // where it was put; one only clamped to the old, shorter range goes back to the anchor.
        if (m_anchorPosition >= 0 && fromEventLoop && bar->value() != m_anchorValue && bar->value() != bar->maximum()) {
            m_anchorPosition = -1;
        } else if (m_anchorPosition >= 0 && fromEventLoop) {
            const QTextBlock block = document()->findBlock(m_anchorPosition);
            if (m_anchorShare < 0) {
                bar->setValue(blockTop(block) + qMin(m_anchorOffset, block.lineCount() - 1));
            } else {
                ensureLayout(block);
                const QTextLine line = block.layout()->lineForTextPosition(m_anchorPosition - block.position());
                const qreal y = line.isValid() ? line.y() + m_anchorShare * line.height() : 0;
                bar->setValue(blockTop(block) + qRound(y));
            }
            m_anchorPosition = -1;
        } else if (m_scrollDelta != 0 && bar->value() == m_scrollBase) {
            bar->setValue(m_scrollBase + m_scrollDelta);
        } else if (atBottom) {
            bar->setValue(bar->maximum());
        }
    }
    m_scrollDelta = 0;
    if (m_showRightEnd && fromEventLoop && view() && view()->isVisible()) {
        QScrollBar *horizontal = view()->horizontalScrollBar();
        horizontal->setValue(horizontal->maximum());
        m_showRightEnd = false;
    }
    m_flushing = false;
}
