// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PARAGRAPHDIRECTION_H
#define PARAGRAPHDIRECTION_H

#include <QPlainTextDocumentLayout>

class QPlainTextEdit;
class QTextOption;

// The layout of a QPlainTextEdit whose paragraphs each take the direction of their own text:
// a right-to-left paragraph stands at the right edge, a left-to-right one at the left.
// QPlainTextDocumentLayout gives every block the document's one text option, whose plain
// left alignment it does not mirror for a right-to-left block.
class ParagraphDirectionLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT

public:
    explicit ParagraphDirectionLayout(QTextDocument *document);

    // Gives the box a document of its own laid out so, in the box's font and with `option`.
    static void install(QPlainTextEdit *box, const QTextOption &option);

    // The side of a paragraph with no letter of either direction, an empty one among them:
    // left to right unless set.
    void setNeutralDirection(Qt::LayoutDirection direction) { m_neutral = direction; }

    // Lays the block out as the base does, then aligns it by its direction. Painting and hit
    // testing ask for this rectangle first, and a line's alignment is read only when it is used.
    QRectF blockBoundingRect(const QTextBlock &block) const override;

private:
    Qt::LayoutDirection m_neutral = Qt::LeftToRight;
};

#endif
