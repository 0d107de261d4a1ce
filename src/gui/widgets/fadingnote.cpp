// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/fadingnote.h"

#include <QPropertyAnimation>

namespace {

constexpr int HoldMs = 1800;
constexpr int FadeMs = 600;

}

FadingNote::FadingNote(QWidget *parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    , m_fade(new QPropertyAnimation(this, "windowOpacity", this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(4);
    setTextFormat(Qt::PlainText);

    m_hold.setSingleShot(true);
    m_hold.setInterval(HoldMs);
    connect(&m_hold, &QTimer::timeout, this, &FadingNote::fadeOut);
    m_fade->setDuration(FadeMs);
    m_fade->setStartValue(1.0);
    m_fade->setEndValue(0.0);
    connect(m_fade, &QPropertyAnimation::finished, this, &QWidget::hide);
}

void FadingNote::showNote(const QString &text, const QRect &anchor, const QRect &bounds)
{
    m_fade->stop();
    setText(text);
    adjustSize();
    QPoint at(anchor.left(), anchor.bottom() + 4);
    if (at.x() + width() > bounds.right())
        at.setX(bounds.right() - width());
    if (at.y() + height() > bounds.bottom())
        at.setY(anchor.top() - height() - 4);
    at.setX(qMax(at.x(), bounds.left()));
    at.setY(qMax(at.y(), bounds.top()));
    move(at);
    setWindowOpacity(1.0);
    show();
    m_hold.start();
}

void FadingNote::fadeOut()
{
    m_fade->start();
}
