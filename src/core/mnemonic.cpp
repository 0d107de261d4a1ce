// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mnemonic.h"

namespace {

bool canJoinNext(QChar c)
{
    const QChar::JoiningType type = c.joiningType();
    return type == QChar::Joining_Dual || type == QChar::Joining_Causing;
}

bool canJoinPrevious(QChar c)
{
    const QChar::JoiningType type = c.joiningType();
    return type == QChar::Joining_Dual || type == QChar::Joining_Right || type == QChar::Joining_Causing;
}

bool isTransparent(QChar c)
{
    return c.joiningType() == QChar::Joining_Transparent;
}

}

namespace Mnemonic {

QString shownText(const QString &text, int *marked)
{
    QString shown;
    shown.reserve(text.size());
    int mark = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
            // The first single "&" marks; Qt underlines no other.
            if (text.at(i) != QLatin1Char('&') && mark < 0)
                mark = shown.size();
        }
        shown += text.at(i);
    }
    if (marked)
        *marked = mark;
    return shown;
}

bool joinsPrevious(const QString &shown, int at)
{
    if (at < 0 || at >= shown.size() || !canJoinPrevious(shown.at(at)))
        return false;
    int before = at - 1;
    while (before >= 0 && isTransparent(shown.at(before)))
        --before;
    return before >= 0 && canJoinNext(shown.at(before));
}

bool joinsNext(const QString &shown, int at)
{
    if (at < 0 || at >= shown.size() || !canJoinNext(shown.at(at)))
        return false;
    int after = at + 1;
    while (after < shown.size() && isTransparent(shown.at(after)))
        ++after;
    return after < shown.size() && canJoinPrevious(shown.at(after));
}

}
