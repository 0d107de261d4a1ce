// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef UPDATEREPLY_H
#define UPDATEREPLY_H

#include <QByteArray>
#include <QString>

// The update endpoint's answer: a build number in the first six characters, the change log
// after them.
struct UpdateReply {
    int build = 0; // 0: no usable number
    QString changeLog;
};

UpdateReply parseUpdateReply(const QByteArray &body);

// An error text of the network library with the server's address taken out: the endpoint, its
// host and the vendor's domain each become "website", so no part of the host name is shown.
QString scrubServerAddress(QString text, const QString &endpoint);

#endif
