// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/layoutmode.h"

QTextOption textOptionFor(int mode)
{
    QTextOption option;
    switch (mode) {
    case WrappedAuto:
        option.setWrapMode(QTextOption::WordWrap);
        option.setTextDirection(Qt::LayoutDirectionAuto);
        break;
    case NoWrapLeftToRight:
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(Qt::LeftToRight);
        option.setAlignment(Qt::AlignLeft);
        break;
    case NoWrapRightToLeft:
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(Qt::RightToLeft);
        // Absolute: in a right-to-left paragraph a plain AlignRight is mirrored to the left edge.
        option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        break;
    default:
        break;
    }
    return option;
}
