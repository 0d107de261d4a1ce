// SPDX-License-Identifier: GPL-3.0-or-later
#include "encodingcorpus.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>

QStringList corpusLengths()
{
    return {QStringLiteral("short"), QStringLiteral("line"), QStringLiteral("paragraph"), QStringLiteral("page")};
}

QVector<CorpusSample> loadEncodingCorpus(const QString &dir, QString *error)
{
    QVector<CorpusSample> samples;
    QFile index(dir + QStringLiteral("/languages.txt"));
    if (!index.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(index.fileName());
        return {};
    }
    const QStringList lines = QString::fromUtf8(index.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (fields.size() < 3)
            continue;
        for (const QString &length : corpusLengths()) {
            // <language>-<length>.txt, and more texts of the length as <language>-<length>-2.txt
            // and so on. Every language has a line, a paragraph and a page; short lines are extra.
            QStringList paths;
            const QString first = QStringLiteral("%1/%2-%3.txt").arg(dir, fields.at(0), length);
            if (QFile::exists(first) || length != QLatin1String("short"))
                paths << first;
            for (int n = 2; QFile::exists(QStringLiteral("%1/%2-%3-%4.txt").arg(dir, fields.at(0), length).arg(n)); ++n)
                paths << QStringLiteral("%1/%2-%3-%4.txt").arg(dir, fields.at(0), length).arg(n);
            for (const QString &path : qAsConst(paths)) {
                QFile file(path);
                if (!file.open(QIODevice::ReadOnly)) {
                    *error = QStringLiteral("cannot read %1").arg(file.fileName());
                    return {};
                }
                const QString text = QString::fromUtf8(file.readAll());
                for (int i = 2; i < fields.size(); ++i) {
                    const QByteArray encoding = fields.at(i).toLatin1();
                    QTextCodec *codec = QTextCodec::codecForName(encoding);
                    const QByteArray bytes = codec ? codec->fromUnicode(text) : QByteArray();
                    if (!codec || codec->toUnicode(bytes) != text) {
                        *error = QStringLiteral("%1 cannot hold %2").arg(fields.at(i), file.fileName());
                        return {};
                    }
                    samples.append({fields.at(0), length, encoding, text, bytes});
                }
            }
        }
    }
    return samples;
}
