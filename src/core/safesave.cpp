// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/safesave.h"

#include <QFileInfo>
#include <QSaveFile>

namespace SafeSave {

SaveResult write(const QString &path, const QByteArray &bytes)
{
    SaveResult result;
    // Write through a link to its target, so the link itself stays.
    QString target = path;
    const QFileInfo link(path);
    if (link.isSymLink())
        target = link.symLinkTarget();

    const QFileInfo info(target);
    if (info.exists() && !info.isFile()) {
        result.status = SaveResult::NotRegular;
        return result;
    }

    QSaveFile file(target);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        result.reason = file.errorString();
        return result;
    }
    if (info.exists())
        file.setPermissions(info.permissions());

    // Flush before commit(): Qt 5.15's commit() can report success after a failed final flush
    // and leave an empty file behind.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        result.reason = file.errorString();
        // The temporary file goes with the QSaveFile; the target was never touched.
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.reason = file.errorString();
        return result;
    }
    result.status = SaveResult::Ok;
    return result;
}

}
