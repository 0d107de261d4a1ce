// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DISPLAYTEXT_H
#define DISPLAYTEXT_H

#include <QString>

// A file name, a path or an address as every place that names one shows it: the title, the
// recent files menu, File Information, the dialogs and the messages. The name is isolated
// between U+2068 and U+2069, so that it keeps its own order and leaves the text around it in
// the order of the sentence: "/srv/نامه‌ها/گزارش ۲.txt" inside a Persian message, or a Persian
// name before " - Tavlo", read right in any language. Its control characters become their
// visible symbols (a TAB "␉", a line feed "␊"), and the controls that embed, override or isolate
// become their code point in brackets, so that none can act inside the name or escape it
// ("evil" U+202E "txt.sh" would read "evilhs.txt"), break it into lines or push what follows
// into a menu's shortcut column. An empty name stays empty.
QString displayName(const QString &name);

// The same for a text that stands alone, such as the name above each printed page: a name with
// bidirectional controls or control characters is shown as displayName() shows it; any other
// is returned exactly as it is.
QString displayText(const QString &name);

#endif
