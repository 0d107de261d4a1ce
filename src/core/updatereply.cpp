// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/updatereply.h"

#include <QTextCodec>
#include <QUrl>

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

QString scrubServerAddress(QString text, const QString &endpoint)
{
    const QString website = QStringLiteral("website");
    text.replace(endpoint, website);
    const QString host = QUrl(endpoint).host();
    if (host.isEmpty())
        return text;
    // The whole host first: its domain alone would leave the first label standing.
    text.replace(host, website);
    // The domain only when it is more than a top-level domain, which also stands in words.
    const bool numeric = host.contains(QLatin1Char(':')) || host.at(host.size() - 1).isDigit();
    const int dot = host.indexOf(QLatin1Char('.'));
    const QString domain = host.mid(dot + 1);
    if (!numeric && dot > 0 && domain.contains(QLatin1Char('.')))
        text.replace(domain, website);
    return text;
}
