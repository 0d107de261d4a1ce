// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/paragraphdirection.h"

#include <QTextBlock>
#include <QTextLayout>

ParagraphDirectionLayout::ParagraphDirectionLayout(QTextDocument *document)
    : QPlainTextDocumentLayout(document)
{
}

QRectF ParagraphDirectionLayout::blockBoundingRect(const QTextBlock &block) const
{
    const QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
    if (QTextLayout *layout = block.layout()) {
        QTextOption option = layout->textOption();
        const Qt::Alignment alignment = block.textDirection() == Qt::RightToLeft
            ? Qt::AlignRight | Qt::AlignAbsolute
            : Qt::AlignLeft | Qt::AlignAbsolute;
        if (option.alignment() != alignment) {
            option.setAlignment(alignment);
            layout->setTextOption(option);
        }
    }
    return rect;
}
