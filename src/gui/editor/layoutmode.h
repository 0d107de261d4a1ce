// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LAYOUTMODE_H
#define LAYOUTMODE_H

#include <QTextOption>

// The layout modes, stored as these numbers under `Wrap`.
enum LayoutMode { WrappedAuto = 1, NoWrapLeftToRight = 2, NoWrapRightToLeft = 3 };

// The document's text option in a layout mode; any other number gives Qt's default option.
QTextOption textOptionFor(int mode);

#endif
