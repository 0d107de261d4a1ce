// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FADINGNOTE_H
#define FADINGNOTE_H

#include <QLabel>
#include <QTimer>

class QPropertyAnimation;

// A short note in a tooltip's colours that shows beside the text cursor and fades away by
// itself. For results of commands that are often repeated, where a box to dismiss each time
// would be in the way; it takes neither the focus nor the mouse.
class FadingNote : public QLabel
{
    Q_OBJECT

public:
    explicit FadingNote(QWidget *parent);

    // Shows `text` below `anchor` (in global coordinates), kept inside `bounds` where it fits,
    // and starts the fade again if the note was already showing.
    void showNote(const QString &text, const QRect &anchor, const QRect &bounds);

private:
    void fadeOut();

    QTimer m_hold;
    QPropertyAnimation *m_fade;
};

#endif
