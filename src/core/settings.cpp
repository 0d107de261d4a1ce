// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings.h"
#include "core/appinfo.h"

#include <QSettings>
#include <QStringList>

namespace Settings {

namespace {

struct Entry {
    const char *name;
    QVariant fallback;
};

Entry entry(Key key)
{
    switch (key) {
    case Key::Geometry: return {"geometry", QByteArray()};
    case Key::WindowState: return {"windowState", QByteArray()};
    case Key::Remind: return {"remind", 0};
    case Key::DefaultPath: return {"defaultPath", QString()};
    case Key::Wrap: return {"Wrap", 1};
    // -1 stands for "no font stored": the form's font stays.
    case Key::Font: return {"font", -1};
    case Key::FullAddress: return {"FullAddress", false};
    case Key::RecentFileList: return {"recentFileList", QStringList()};
    case Key::Language: return {"language", QStringLiteral("system")};
    case Key::FinalYehAsAlefMaksura: return {"finalYehAsAlefMaksura", false};
    case Key::Tidy: return {"tidy", true};
    case Key::SpellCheck: return {"spellCheck", true};
    case Key::StatusBar: return {"statusBar", true};
    case Key::Zoom: return {"zoom", 100};
    case Key::ShowInvisibles: return {"showInvisibles", false};
    case Key::VisualCursor: return {"visualCursor", false};
    }
    Q_UNREACHABLE();
}

}

QString name(Key key)
{
    return QString::fromLatin1(entry(key).name);
}

QVariant defaultValue(Key key)
{
    return entry(key).fallback;
}

QVariant read(Key key)
{
    const Entry e = entry(key);
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    return settings.value(QString::fromLatin1(e.name), e.fallback);
}

void write(Key key, const QVariant &value)
{
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    settings.setValue(name(key), value);
}

QString name(Key key, const QString &sub)
{
    return name(key) + QLatin1Char('/') + sub;
}

QVariant read(Key key, const QString &sub)
{
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    return settings.value(name(key, sub), entry(key).fallback);
}

void write(Key key, const QString &sub, const QVariant &value)
{
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    settings.setValue(name(key, sub), value);
}

}
