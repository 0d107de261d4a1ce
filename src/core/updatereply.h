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

#endif
