// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/safesave.h"

#include <QFileInfo>
#include <QSaveFile>

namespace SafeSave {

bool write(const QString &path, const QByteArray &bytes, QString *reason)
{
    // Write through a link to its target, so the link itself stays.
    QString target = path;
    const QFileInfo link(path);
    if (link.isSymLink())
        target = link.symLinkTarget();

    const QFileInfo info(target);
    if (info.exists() && !info.isFile()) {
        *reason = QStringLiteral("It is not a regular file.");
        return false;
    }

    QSaveFile file(target);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    if (info.exists())
        file.setPermissions(info.permissions());

    // Flush before commit(): Qt 5.15's commit() can report success after a failed final flush
    // and leave an empty file behind.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *reason = file.errorString();
        // The temporary file goes with the QSaveFile; the target was never touched.
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

}
