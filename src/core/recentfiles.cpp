// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recentfiles.h"
#include "core/settings.h"

namespace RecentFiles {

QStringList load()
{
    return Settings::read(Settings::Key::RecentFileList).toStringList();
}

QStringList push(const QString &path)
{
    const QString entry = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList files = load();
    files.removeAll(entry);
    files.prepend(entry);
    while (files.size() > MaxCount)
        files.removeLast();
    Settings::write(Settings::Key::RecentFileList, files);
    return files;
}

void clear()
{
    Settings::write(Settings::Key::RecentFileList, QStringList());
}

QString shortenPath(const QString &path)
{
    if (path.size() <= 69)
        return path;
    return path.left(3) + QStringLiteral("   ...   ") + path.right(58);
}

}
