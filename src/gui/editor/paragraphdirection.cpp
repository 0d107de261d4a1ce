// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/paragraphdirection.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextLayout>

namespace {

bool hasStrongLetter(const QString &text)
{
    for (const QChar c : text) {
        const QChar::Direction direction = c.direction();
        if (direction == QChar::DirL || direction == QChar::DirR || direction == QChar::DirAL)
            return true;
    }
    return false;
}

}

ParagraphDirectionLayout::ParagraphDirectionLayout(QTextDocument *document)
    : QPlainTextDocumentLayout(document)
{
}

void ParagraphDirectionLayout::install(QPlainTextEdit *box, const QTextOption &option)
{
    auto *document = new QTextDocument(box);
    document->setDocumentLayout(new ParagraphDirectionLayout(document));
    document->setDefaultFont(box->font());
    document->setDefaultTextOption(option);
    // The box starts empty either way: its owner is not told of a change that is none.
    const QSignalBlocker quiet(box);
    box->setDocument(document);
}

QRectF ParagraphDirectionLayout::blockBoundingRect(const QTextBlock &block) const
{
    const QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
    if (QTextLayout *layout = block.layout()) {
        QTextOption option = layout->textOption();
        Qt::LayoutDirection direction = block.textDirection();
        if (m_neutral == Qt::RightToLeft && direction == Qt::LeftToRight && !hasStrongLetter(block.text()))
            direction = Qt::RightToLeft;
        const Qt::Alignment alignment = direction == Qt::RightToLeft ? Qt::AlignRight | Qt::AlignAbsolute
                                                                     : Qt::AlignLeft | Qt::AlignAbsolute;
        if (option.alignment() != alignment) {
            option.setAlignment(alignment);
            layout->setTextOption(option);
        }
    }
    return rect;
}
