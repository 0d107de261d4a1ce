// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/print/pagelayout.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

namespace {

bool takesItsNeighboursDirection(QChar c)
{
    return !(c.isLetterOrNumber() || c.isMark() || c.isSurrogate() || c.unicode() == 0x200C || c.unicode() == 0x200D);
}

// Lays out every line at the width. The print preview keeps text as strings, which it lays out
// again one piece of a line at a time and left to right: a full stop that ends a right-to-left
// line would come back at its other end, and a bracket unmirrored. For the preview, each
// character that takes its direction from its neighbours is made a piece of its own, and a
// bracket that a right-to-left line mirrors is kept as its mirror image.
void layOutLines(QTextLayout *layout, qreal width, bool forPreview)
{
    const auto layOut = [layout, width] {
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine())
            line.setLineWidth(width);
        layout->endLayout();
    };
    if (!forPreview) {
        layOut();
        return;
    }
    QString text = layout->text();
    QVector<QTextLayout::FormatRange> pieces;
    for (int i = 0; i < text.size(); ++i) {
        if (takesItsNeighboursDirection(text.at(i)))
            pieces.append({i, 1, QTextCharFormat()});
    }
    layout->setFormats(pieces);
    layOut();
    bool mirrored = false;
    for (int i = 0; i < text.size(); ++i) {
        if (!text.at(i).hasMirrored())
            continue;
        const QList<QGlyphRun> runs = layout->lineForTextPosition(i).glyphRuns(i, 1);
        if (!runs.isEmpty() && runs.constFirst().isRightToLeft()) {
            text[i] = text.at(i).mirroredChar();
            mirrored = true;
        }
    }
    if (mirrored) {
        layout->setText(text);
        layout->setFormats(pieces);
        layOut();
    }
}

}

QtLineWalker::QtLineWalker(const QString &text, const PageSetup &setup, QPaintDevice *device, qreal width)
    : LineWalker(text, setup.option)
    , m_font(setup.font)
    , m_device(device)
    , m_width(width)
{
}

QtLineWalker::~QtLineWalker() = default;

QTextLine QtLineWalker::current() const
{
    return m_layout->lineAt(line());
}

int QtLineWalker::layOut(int from, int to, bool rightToLeft)
{
    m_layout = std::make_unique<QTextLayout>(m_text.mid(from, to - from), m_font, m_device);
    QTextOption option = m_option;
    // The paragraph's own direction, also for a piece that does not start it.
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    // Its alignment made absolute: QTextLayout takes a plain left as the left also in a
    // right-to-left paragraph, where the editor's layout takes it as the paragraph's start.
    Qt::Alignment alignment = option.alignment();
    if (!(alignment & Qt::AlignHorizontal_Mask))
        alignment |= Qt::AlignLeft;
    if (!(alignment & Qt::AlignAbsolute) && rightToLeft && (alignment & (Qt::AlignLeft | Qt::AlignRight)))
        alignment ^= Qt::AlignLeft | Qt::AlignRight;
    option.setAlignment(alignment | Qt::AlignAbsolute);
    m_layout->setTextOption(option);
    m_layout->setCacheEnabled(true);
    layOutLines(m_layout.get(), m_width, m_forPreview);
    return qMax(1, m_layout->lineCount());
}

int QtLineWalker::lineOffset(int line) const
{
    return line < m_layout->lineCount() ? m_layout->lineAt(line).textStart() : 0;
}

PageLayout::PageLayout(const PrintSource &source, const PageSetup &setup, QPaintDevice *device)
    : m_source(source)
    , m_setup(setup)
    , m_device(device)
    , m_perPoint(device->logicalDpiY() / 72.0)
{
}

PageLayout::~PageLayout() = default;

bool PageLayout::paginate(int msecs)
{
    if (m_done)
        return true;
    QElapsedTimer clock;
    clock.start();
    const int perPage = m_setup.linesPerPage();
    if (!m_counter) {
        m_counter = std::make_unique<QtLineWalker>(m_source.text, m_setup, m_device, m_setup.body.width() * m_perPoint);
        m_counter->setForPreview(m_forPreview);
        m_counter->start();
    }
    do {
        if (m_counted % perPage == 0)
            m_pages.append({m_counter->paragraphStart(), m_counter->lineStart()});
        ++m_counted;
        m_paginated = m_counter->lineStart();
        if (!m_counter->next()) {
            m_done = true;
            m_paginated = m_source.text.size();
            m_counter.reset();
            return true;
        }
    } while (clock.elapsed() < msecs);
    return false;
}

void PageLayout::drawCentered(QPainter *painter, const QString &text, const QRectF &box) const
{
    const QRectF rect(box.topLeft() * m_perPoint, box.size() * m_perPoint);
    const QFontMetricsF metrics(m_setup.headerFont, m_device);
    QTextLayout layout(metrics.elidedText(text, Qt::ElideMiddle, rect.width()), m_setup.headerFont, m_device);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layOutLines(&layout, rect.width(), m_forPreview);
    const QTextLine line = layout.lineAt(0);
    line.draw(painter, QPointF(rect.left(), rect.top() + m_setup.headerAscent * m_perPoint - line.ascent()));
}

void PageLayout::drawPage(QPainter *painter, int page, const QString &footer)
{
    if (page < 0 || page >= m_pages.size())
        return;
    painter->save();
    painter->setPen(Qt::black);
    drawCentered(painter, m_source.title, m_setup.header);
    drawCentered(painter, footer, m_setup.footer);
    const qreal rule = m_perPoint * 0.5;
    painter->setPen(QPen(Qt::black, rule));
    const qreal below = (m_setup.header.bottom() + m_setup.body.top()) / 2 * m_perPoint;
    painter->drawLine(QPointF(m_setup.header.left() * m_perPoint, below), QPointF(m_setup.header.right() * m_perPoint, below));
    painter->setPen(Qt::black);

    if (!m_drawer || m_drawerPage != page) {
        m_drawer = std::make_unique<QtLineWalker>(m_source.text, m_setup, m_device, m_setup.body.width() * m_perPoint);
        m_drawer->setForPreview(m_forPreview);
        m_drawer->start(m_pages[page].paragraph, m_pages[page].line);
    }
    const QPointF origin = m_setup.body.topLeft() * m_perPoint;
    const int perPage = m_setup.linesPerPage();
    bool more = true;
    for (int i = 0; i < perPage && more; ++i) {
        const QTextLine line = m_drawer->current();
        // Every line's baseline at the same pitch, whichever fonts it holds, as in the PDF.
        const qreal baseline = origin.y() + (i * m_setup.pitch + m_setup.ascent) * m_perPoint;
        line.draw(painter, QPointF(origin.x(), baseline - line.ascent()) - line.position());
        more = m_drawer->next();
    }
    m_drawerPage = more ? page + 1 : -1;
    if (!more)
        m_drawer.reset();
    painter->restore();
}
