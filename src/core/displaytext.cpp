// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/displaytext.h"

namespace {

bool isBidiControl(ushort c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E)
        || (c >= 0x2066 && c <= 0x2069);
}

// The marks only set a direction and are harmless inside an isolate; these open or close an
// embedding, an override or an isolate, and would act on the name or escape it.
bool isEmbeddingControl(ushort c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// The line and paragraph separators break a title into lines like a line feed.
bool isControl(ushort c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

}

QString displayName(const QString &name)
{
    if (name.isEmpty())
        return name;
    QString shown;
    shown.reserve(name.size() + 2);
    shown += QChar(0x2068);
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u < 0x20)
            shown += QChar(0x2400 + u); // the control pictures: U+240A for a line feed
        else if (u == 0x7F)
            shown += QChar(0x2421);
        else if (isControl(u) || isEmbeddingControl(u))
            shown += QStringLiteral("[U+%1]").arg(u, 4, 16, QLatin1Char('0')).toUpper();
        else
            shown += c;
    }
    return shown + QChar(0x2069);
}

QString displayText(const QString &name)
{
    for (const QChar c : name)
        if (isBidiControl(c.unicode()) || isControl(c.unicode()))
            return displayName(name);
    return name;
}
