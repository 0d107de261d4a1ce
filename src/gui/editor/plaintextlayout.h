// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QTextOption>
#include <QTextLayout>
#include <QTimer>
#include <functional>

class QAbstractScrollArea;

// A document layout for plain text that lays a paragraph out only when it is painted, hit or
// walked by a cursor. Each block's height in pixels is kept as its line count, so the document's
// block map sums the heights and finds the block at a given y in O(log n). Heights of blocks never
// laid out are estimated from their text; an unwrapped block's estimate is exact for Latin and
// Arabic-script text. Blocks, frames and formats other than plain paragraphs are not supported.
class PlainTextLayout : public QAbstractTextDocumentLayout
{
    Q_OBJECT
    Q_PROPERTY(int cursorWidth READ cursorWidth WRITE setCursorWidth)

public:
    explicit PlainTextLayout(QTextDocument *document);

    void draw(QPainter *painter, const PaintContext &context) override;
    int hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override;
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame *frame) const override;
    QRectF blockBoundingRect(const QTextBlock &block) const override;

    int cursorWidth() const { return m_cursorWidth; }
    void setCursorWidth(int width) { m_cursorWidth = width; }

    // Formats drawn over a paragraph's text while it is painted, beneath the selections (the
    // spell checker's underlines). They live only in the drawing: the document never holds
    // them, so neither its undo stack nor its modified flag sees them. Asked for the paragraphs
    // being painted alone, each time they are.
    using ExtraFormats = std::function<QVector<QTextLayout::FormatRange>(const QTextBlock &block)>;
    void setExtraFormats(ExtraFormats source);
    // Markers over the invisible characters, tabs and paragraph ends (see InvisibleMarks).
    bool invisiblesShown() const { return m_invisiblesShown; }
    // Whether heights are still being estimated between turns of the event loop.
    bool isEstimating() const { return m_walkPosition >= 0; }
    void setInvisiblesShown(bool shown);

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    // Single-line height and line pitch of the fonts a paragraph can end up in: the editor's
    // font alone, the Arabic-script fallback alone, or both on one line.
    struct LineMetrics {
        int height = 0;
        int pitch = 0;
        qreal charWidth = 0;
    };
    enum Script { Primary, Arabic, Mixed };

    void geometryChanged(bool contentReplaced);
    void contentChanged(int from, int charsRemoved, int charsAdded);
    void measureFonts();
    // Clears the lines laid out for the old geometry and, when `estimate`, estimates every
    // block's height anew. A large document is walked in slices between turns of the event
    // loop, the first of them at once, so adopting or resizing it does not hold the window.
    void resetBlocks(bool estimate);
    // One slice of that walk, from the block at `from`; where the next slice starts, or -1.
    int walkBlocks(int from);
    void findLongest();
    QTextBlock longestBlock() const;

    bool wraps() const;
    // Unwrapped right-to-left text: every line ends at the right edge of the widest.
    bool endsAtRightEdge() const;
    qreal rightEdge() const;
    qreal availableWidth() const;
    int blockTop(const QTextBlock &block) const;
    QTextBlock blockAt(qreal y) const;
    // The height of a block from its text, which many blocks at once take from one copy of
    // the document instead of one copy each.
    int estimateHeight(QStringView text) const;
    // `raw` holds the document's text from `rawStart` on, or is null: the block is read alone.
    int estimateHeight(const QTextBlock &block, const QString &raw, int rawStart = 0) const;
    bool isLaidOut(const QTextBlock &block) const;
    void ensureLayout(const QTextBlock &block) const;
    void layoutBlock(const QTextBlock &block) const;
    qreal longestWidth() const;
    QAbstractScrollArea *view() const;

    void requestFlush() const;
    void flush(bool fromEventLoop = false) const;

    int m_cursorWidth = 1;
    ExtraFormats m_extraFormats;
    bool m_invisiblesShown = false;
    int m_generation = 0;
    bool m_initialized = false;
    bool m_suspended = false;
    // Set by the document's contentsChange, which comes just before documentChanged() for an
    // edit but not for a new page size or text option: both arrive as a change of everything.
    bool m_contentEdit = false;

    qreal m_pageWidth = 0;
    qreal m_margin = 0;
    QFont m_font;
    QTextOption m_option;
    LineMetrics m_metrics[3];

    // The block with the most characters, by its position, which edits before it shift. Not a
    // QTextCursor: one made while QTextDocument::clear() runs is lost by the document.
    int m_longestPosition = 0;
    int m_longestLength = 0;
    mutable qreal m_longestWidth = -1;
    QTimer m_longestTimer;
    // The position of the next block the walk of resetBlocks() visits, or -1 when none is due.
    int m_walkPosition = -1;
    bool m_walkEstimates = false;
    QTimer m_walkTimer;
    mutable qreal m_widestLaidOut = 0;

    // Changes found while laying out, reported together: inside draw() the view must not be
    // scrolled or resized, so the report waits for the event loop.
    mutable int m_dirtyTop = -1;
    mutable int m_scrollDelta = 0;
    mutable int m_scrollBase = 0;
    int m_blockCount = 0;
    // The line at the top of the view, kept there through a change of geometry: the position
    // of its first character and how far down the line the view starts, as a share of its
    // height; or, for a paragraph that was never laid out, its start and a distance in pixels.
    mutable int m_anchorPosition = -1;
    mutable int m_anchorOffset = 0;
    // The scroll value the anchor was taken at, or the layout itself moved it to since.
    mutable int m_anchorValue = 0;
    mutable qreal m_anchorShare = -1;
    // Unwrapped right-to-left lines start at the right: after new text or a new format the
    // view shows their starts.
    mutable bool m_showRightEnd = false;
    mutable bool m_drawing = false;
    mutable bool m_flushing = false;
    mutable bool m_flushQueued = false;
    mutable QSizeF m_reportedSize;
};
