// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/updatereply.h"

#include <QTextCodec>

UpdateReply parseUpdateReply(const QByteArray &body)
{
    // A byte-order mark or a meta charset picks the codec; otherwise the body is Latin-1.
    QTextCodec *codec = QTextCodec::codecForHtml(body, QTextCodec::codecForName("ISO-8859-1"));
    const QString text = codec->toUnicode(body);

    UpdateReply reply;
    bool ok = false;
    const int build = text.left(6).trimmed().toInt(&ok, 10);
    reply.build = ok ? build : 0;
    reply.changeLog = text.mid(6);
    return reply;
}
