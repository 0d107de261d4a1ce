// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/filename.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

bool FileName::decodesExactly(const QByteArray &bytes)
{
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

bool FileName::isAmbiguous(const QString &path)
{
#ifdef Q_OS_UNIX
    if (!path.contains(QChar::ReplacementCharacter))
        return false;
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString folder = QStringLiteral("/");
    for (const QString &part : parts) {
        if (part.contains(QChar::ReplacementCharacter)) {
            const QByteArray exact = QFile::encodeName(part);
            DIR *dir = ::opendir(QFile::encodeName(folder).constData());
            bool ambiguous = false;
            while (dir && !ambiguous) {
                const dirent *entry = ::readdir(dir);
                if (!entry)
                    break;
                const QByteArray name(entry->d_name);
                ambiguous = name != exact && QFile::decodeName(name) == part;
            }
            if (dir)
                ::closedir(dir);
            if (ambiguous)
                return true;
        }
        folder = folder.endsWith(QLatin1Char('/')) ? folder + part : folder + QLatin1Char('/') + part;
    }
#else
    Q_UNUSED(path)
#endif
    return false;
}
