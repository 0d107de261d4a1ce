// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECENTFILES_H
#define RECENTFILES_H

#include <QString>
#include <QStringList>

// The recently opened or saved files, newest first, kept in the settings store under
// `recentFileList` and written the moment they change, so a run that does not end normally
// keeps them too.
namespace RecentFiles {

constexpr int MaxCount = 10;

// The stored list as it is (an edited store may hold more than MaxCount).
QStringList load();
// Puts a path at the head (with forward slashes, once), trims to MaxCount, stores and returns.
QStringList push(const QString &path);
void clear();

// The path as a menu shows it: whole up to 69 characters, else its first 3 and last 58 around
// "   ...   ".
QString shortenPath(const QString &path);

}

#endif
