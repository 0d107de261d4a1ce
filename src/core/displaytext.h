// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DISPLAYTEXT_H
#define DISPLAYTEXT_H

#include <QString>

// A file name or path as the title and the messages show it. A name that holds bidirectional
// controls or control characters could reorder the text around it ("evil" U+202E "txt.sh" reads
// "evilhs.txt") or break a title into lines, so such a name is isolated between U+2068 and
// U+2069; control characters become their visible symbols, and the controls that embed,
// override or isolate become their code point in brackets, so none can act inside the name
// either. Any other name is returned exactly as it is.
QString displayText(const QString &name);

#endif
