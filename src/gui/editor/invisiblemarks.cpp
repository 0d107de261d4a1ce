// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/invisiblemarks.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// In a line longer than this, only the characters near the part in view are looked at: finding
// the place of each marker in a line of a million characters would take too long per paint.
constexpr int LongLine = 2000;
// How far beyond the view's edges, in characters, a long line is looked at: text of the other
// direction within it stands elsewhere than its logical neighbours.
constexpr int Slack = 400;

}

InvisibleMarks::InvisibleMarks(const QPalette &palette)
{
    // Colours that stand out from text of either lightness, and from one another.
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    m_colors[Joiner] = dark ? QColor(255, 150, 60) : QColor(214, 92, 0);
    m_colors[Mark] = dark ? QColor(100, 170, 255) : QColor(20, 100, 220);
    m_colors[Embedding] = dark ? QColor(220, 130, 255) : QColor(150, 40, 190);
    m_colors[Isolate] = dark ? QColor(60, 210, 190) : QColor(0, 140, 130);
    m_colors[Space] = dark ? QColor(230, 200, 80) : QColor(170, 120, 0);
    QColor layout = palette.color(QPalette::Text);
    layout.setAlphaF(0.35);
    m_colors[Layout] = layout;
}

bool InvisibleMarks::isMarked(QChar c)
{
    const ushort u = c.unicode();
    return u == 0x0009 || u == 0x00A0 || u == 0x061C || (u >= 0x200C && u <= 0x200F) || (u >= 0x202A && u <= 0x202F)
        || (u >= 0x2066 && u <= 0x2069);
}

QVector<InvisibleMarks::Marker> InvisibleMarks::place(const QTextBlock &block, const QRectF &clip)
{
    QVector<Marker> markers;
    const QTextLayout *layout = block.layout();
    // The layout of a block holds no text of its own.
    const QString text = block.text();
    const bool rightToLeft = layout->textOption().textDirection() == Qt::RightToLeft;
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        if (line.y() > clip.bottom() || line.y() + line.height() < clip.top())
            continue;
        int from = line.textStart();
        int to = from + line.textLength();
        if (line.textLength() > LongLine) {
            const int left = line.xToCursor(clip.left());
            const int right = line.xToCursor(clip.right());
            from = qMax(from, qMin(left, right) - Slack);
            to = qMin(to, qMax(left, right) + Slack);
        }
        for (int at = from; at < to; ++at) {
            const QChar c = text.at(at);
            if (!isMarked(c))
                continue;
            // The edges of the character itself, which for one between runs of both
            // directions are not the places of its neighbours' cursors.
            int position = at;
            const qreal x0 = line.cursorToX(&position, QTextLine::Leading);
            position = at;
            qreal x1 = line.cursorToX(&position, QTextLine::Trailing);
            if (c == QLatin1Char('\t')) {
                // A tab's width is not its glyph's: it reaches to the nearer edge of the next
                // character, which in the paragraph's direction lies within a tab stop.
                position = at + 1;
                const qreal leading = line.cursorToX(&position, QTextLine::Leading);
                position = at + 1;
                const qreal trailing = line.cursorToX(&position, QTextLine::Trailing);
                const qreal next = rightToLeft ? qMax(leading, trailing) : qMin(leading, trailing);
                const qreal width = rightToLeft ? x0 - next : next - x0;
                // Qt's own tab stops are 80 pixels apart where the option sets none.
                const qreal stop = layout->textOption().tabStopDistance();
                if (width > 0 && width <= (stop > 0 ? stop : 80) + 1)
                    x1 = next;
            }
            if (qMax(x0, x1) + line.height() < clip.left() || qMin(x0, x1) - line.height() > clip.right())
                continue;
            markers.append({c.unicode(), i, x0, x1});
        }
        // The last paragraph has no end in the text: a file need not end in a line break.
        // The mark stands after the paragraph's last glyph in the paragraph's direction.
        if (i == layout->lineCount() - 1 && block.next().isValid()) {
            const QRectF natural = line.naturalTextRect();
            const qreal x = rightToLeft ? natural.left() : natural.right();
            markers.append({ushort(QChar::ParagraphSeparator), i, x, x});
        }
    }
    return markers;
}

void InvisibleMarks::draw(QPainter *painter, const QTextBlock &block, const QVector<Marker> &markers) const
{
    if (markers.isEmpty())
        return;
    const QTextLayout *layout = block.layout();
    const bool rightToLeft = layout->textOption().textDirection() == Qt::RightToLeft;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    for (const Marker &marker : markers) {
        const QTextLine line = layout->lineAt(marker.line);
        if (marker.character == QChar::ParagraphSeparator)
            drawParagraphEnd(painter, line, marker.x0, rightToLeft);
        else
            drawCharacter(painter, line, marker.character, marker.x0, marker.x1, rightToLeft);
    }
    painter->restore();
}

void InvisibleMarks::drawCharacter(QPainter *painter, const QTextLine &line, ushort c, qreal x0, qreal x1, bool rightToLeft) const
{
    const qreal top = line.y();
    const qreal baseline = top + line.ascent();
    const qreal em = line.ascent();
    const qreal s = qMax<qreal>(2.5, em * 0.18); // half a marker's width
    const qreal pen = qMax<qreal>(1.0, em / 14);
    // A zero-width character stands at its cursor position; a space between its edges.
    const bool spacing = c == 0x0009 || c == 0x00A0 || c == 0x202F;
    const qreal x = spacing ? (x0 + x1) / 2 : x0;
    const qreal markTop = top + line.leading() + em * 0.22;
    QPainterPath path;
    Kind kind = Mark;
    bool fill = false;

    // An arrow head at (tipX, y) pointing right (dir 1) or left (dir -1).
    auto arrowHead = [&path, s](qreal tipX, qreal y, int dir) {
        path.moveTo(tipX - dir * s * 0.7, y - s * 0.55);
        path.lineTo(tipX, y);
        path.lineTo(tipX - dir * s * 0.7, y + s * 0.55);
    };
    // A bracket at x opening toward dir, with an arrow inside pointing that way.
    auto bracket = [&](int dir, bool round) {
        const qreal y0 = markTop;
        const qreal y1 = baseline;
        if (round) {
            path.moveTo(x + dir * s * 0.6, y0);
            path.quadTo(x - dir * s * 0.4, (y0 + y1) / 2, x + dir * s * 0.6, y1);
        } else {
            path.moveTo(x + dir * s * 0.6, y0);
            path.lineTo(x, y0);
            path.lineTo(x, y1);
            path.lineTo(x + dir * s * 0.6, y1);
        }
        path.moveTo(x, y0 + s * 0.9);
        path.lineTo(x + dir * s * 1.6, y0 + s * 0.9);
        arrowHead(x + dir * s * 1.6, y0 + s * 0.9, dir);
    };
    // A closing stroke: a bar standing on a foot, for the pops that end an embedding or isolate.
    auto pop = [&] {
        path.moveTo(x, markTop);
        path.lineTo(x, baseline);
        path.moveTo(x - s * 0.8, baseline);
        path.lineTo(x + s * 0.8, baseline);
    };

    switch (c) {
    case 0x200C: // non-joiner: a bar crossed at its top
        kind = Joiner;
        path.moveTo(x, markTop);
        path.lineTo(x, baseline);
        path.moveTo(x - s * 0.7, markTop);
        path.lineTo(x + s * 0.7, markTop + s * 1.2);
        path.moveTo(x + s * 0.7, markTop);
        path.lineTo(x - s * 0.7, markTop + s * 1.2);
        break;
    case 0x200D: // joiner: a bar under a cup
        kind = Joiner;
        path.moveTo(x, markTop + s * 0.8);
        path.lineTo(x, baseline);
        path.moveTo(x - s * 0.9, markTop);
        path.quadTo(x, markTop + s * 1.8, x + s * 0.9, markTop);
        break;
    case 0x200E: // left-to-right mark: a hooked arrow to the right
    case 0x200F: // right-to-left mark and the Arabic letter mark: to the left
    case 0x061C: {
        const int dir = c == 0x200E ? 1 : -1;
        path.moveTo(x, baseline);
        path.lineTo(x, markTop);
        path.lineTo(x + dir * s * 1.6, markTop);
        arrowHead(x + dir * s * 1.6, markTop, dir);
        if (c == 0x061C) {
            // The Arabic letter mark is the right-to-left mark with a dot.
            path.addEllipse(QPointF(x - s * 0.8, markTop + s * 1.2), s * 0.3, s * 0.3);
        }
        break;
    }
    case 0x202A: // embeddings and overrides; an override's arrow is doubled
    case 0x202B:
    case 0x202D:
    case 0x202E: {
        kind = Embedding;
        const int dir = (c == 0x202A || c == 0x202D) ? 1 : -1;
        bracket(dir, false);
        if (c == 0x202D || c == 0x202E)
            arrowHead(x + dir * s * 1.0, markTop + s * 0.9, dir);
        break;
    }
    case 0x202C:
        kind = Embedding;
        pop();
        break;
    case 0x2066: // isolates, with round brackets
    case 0x2067:
    case 0x2068: {
        kind = Isolate;
        const int dir = c == 0x2067 ? -1 : 1;
        bracket(dir, true);
        if (c == 0x2068)
            path.addEllipse(QPointF(x + s * 0.8, baseline - s * 0.8), s * 0.3, s * 0.3);
        break;
    }
    case 0x2069:
        kind = Isolate;
        pop();
        break;
    case 0x00A0: // no-break space: a ring, a narrow one: a dot
        kind = Space;
        path.addEllipse(QPointF(x, baseline - em * 0.3), s * 0.6, s * 0.6);
        break;
    case 0x202F:
        kind = Space;
        fill = true;
        path.addEllipse(QPointF(x, baseline - em * 0.3), s * 0.45, s * 0.45);
        break;
    case 0x0009: { // tab: an arrow across it, in the direction of the line
        kind = Layout;
        const int dir = rightToLeft ? -1 : 1;
        const qreal y = baseline - em * 0.3;
        const qreal left = qMin(x0, x1) + s * 0.5;
        const qreal right = qMax(left + s, qMax(x0, x1) - s * 0.5);
        path.moveTo(dir > 0 ? left : right, y);
        path.lineTo(dir > 0 ? right : left, y);
        arrowHead(dir > 0 ? right : left, y, dir);
        break;
    }
    default:
        return;
    }
    painter->setPen(QPen(m_colors[kind], pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(fill ? QBrush(m_colors[kind]) : QBrush());
    painter->drawPath(path);
}

void InvisibleMarks::drawParagraphEnd(QPainter *painter, const QTextLine &line, qreal x, bool rightToLeft) const
{
    // A pilcrow after the last character, mirrored in a right-to-left paragraph.
    const qreal em = line.ascent();
    const qreal top = line.y() + line.leading() + em * 0.15;
    const qreal bottom = line.y() + line.ascent();
    const qreal r = em * 0.18;
    const int dir = rightToLeft ? -1 : 1;
    const qreal stem = x + dir * (em * 0.15 + r);
    const qreal stem2 = stem + dir * r * 1.1;
    QPainterPath bowl;
    bowl.moveTo(stem, top);
    bowl.arcTo(QRectF(stem - r, top, 2 * r, 2 * r), 90, dir * 180);
    bowl.closeSubpath();
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_colors[Layout]);
    painter->drawPath(bowl);
    painter->setPen(QPen(m_colors[Layout], qMax<qreal>(1.0, em / 14), Qt::SolidLine, Qt::FlatCap));
    painter->setBrush(Qt::NoBrush);
    painter->drawLine(QPointF(stem, top), QPointF(stem, bottom));
    painter->drawLine(QPointF(stem2, top), QPointF(stem2, bottom));
    painter->drawLine(QPointF(stem, top), QPointF(stem2, top));
}
