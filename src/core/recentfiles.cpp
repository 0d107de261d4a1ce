// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recentfiles.h"
#include "core/appinfo.h"

#include <QSettings>

namespace {
const QString RecentKey = QStringLiteral("recentFileList");
}

namespace RecentFiles {

QStringList load()
{
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    return settings.value(RecentKey).toStringList();
}

QStringList push(const QString &path)
{
    const QString entry = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    QStringList files = settings.value(RecentKey).toStringList();
    files.removeAll(entry);
    files.prepend(entry);
    while (files.size() > MaxCount)
        files.removeLast();
    settings.setValue(RecentKey, files);
    return files;
}

void clear()
{
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    settings.setValue(RecentKey, QStringList());
}

QString shortenPath(const QString &path)
{
    if (path.size() <= 69)
        return path;
    return path.left(3) + QStringLiteral("   ...   ") + path.right(58);
}

}
