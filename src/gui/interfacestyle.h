// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef INTERFACESTYLE_H
#define INTERFACESTYLE_H

#include <QProxyStyle>

// The platform's style, with two things mended that a right-to-left interface shows:
// - Qt draws a mnemonic's underlined letter as a shaping run of its own, so an Arabic-script
//   letter that joins a neighbour comes apart from it («&بله» shows «ب له») and the text grows
//   past the room measured for it. Such a text is drawn whole, and the underline goes under its
//   letter where the whole word put it.
// - A push button with an icon puts its text against the button's left border right to left;
//   here the icon and the text stand together in the middle, mirrored from left to right.
class InterfaceStyle : public QProxyStyle
{
    Q_OBJECT

public:
    InterfaceStyle();

    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                      const QString &text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};

#endif
