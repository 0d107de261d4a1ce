// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef INVISIBLEMARKS_H
#define INVISIBLEMARKS_H

#include <QColor>
#include <QRectF>
#include <QVector>

class QPainter;
class QPalette;
class QTextBlock;
class QTextLine;

// Small coloured markers drawn over a laid-out paragraph for what cannot be seen: the joiner
// and non-joiner, the direction marks, the embeddings, overrides and isolates, the no-break
// spaces, tabs and the end of the paragraph. They are drawn over the text, which keeps its
// shaping and its line breaks.
class InvisibleMarks
{
public:
    explicit InvisibleMarks(const QPalette &palette);

    // Whether a character gets a marker; the end of a paragraph always does.
    static bool isMarked(QChar c);

    struct Marker {
        ushort character; // U+2029 for the paragraph's end
        int line;
        qreal x0;
        qreal x1;
    };
    // Where the markers of a laid-out block go, for the part within `clip` (in the block's
    // coordinates). Asked before the block's text is drawn: drawing frees the glyphs, which
    // finding a character's place would otherwise shape again.
    static QVector<Marker> place(const QTextBlock &block, const QRectF &clip);
    // Draws them at the painter's origin.
    void draw(QPainter *painter, const QTextBlock &block, const QVector<Marker> &markers) const;

private:
    enum Kind { Joiner, Mark, Embedding, Isolate, Space, Layout, KindCount };
    void drawCharacter(QPainter *painter, const QTextLine &line, ushort c, qreal x0, qreal x1, bool rightToLeft) const;
    void drawParagraphEnd(QPainter *painter, const QTextLine &line, qreal x, bool rightToLeft) const;

    QColor m_colors[KindCount];
};

#endif
