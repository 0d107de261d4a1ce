// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SETTINGS_H
#define SETTINGS_H

#include <QVariant>

// Every key of the per-user settings store, with the default a read passes for it. Each read or
// write opens the store for itself and closes it again, so a value is on disk once written.
namespace Settings {

enum class Key {
    Geometry,              // QWidget::saveGeometry()
    WindowState,           // QMainWindow::saveState(0)
    Remind,                // no automatic update check before this time (ms since the epoch)
    DefaultPath,           // where the Open and Save As dialogs start
    Wrap,                  // the layout mode, 1 to 3
    Font,                  // the editor's font; -1 while none was chosen
    FullAddress,           // the whole path in the title
    RecentFileList,        // newest first
    Language,              // "system", "en", "fa" or "ar"
    FinalYehAsAlefMaksura, // Convert to Arabic letters writes a final Yeh as Alef Maksura
    Tidy,                  // "tidy/<rule>": whether Tidy Persian Text applies the rule
    SpellCheck,            // misspelled words are underlined, where a dictionary is installed
    StatusBar,             // the status bar shows
    Zoom,                  // the editor's zoom in percent; the font stays as chosen
    ShowInvisibles,        // markers for the invisible characters, tabs and paragraph ends
    VisualCursor,          // Left and Right move as on screen instead of through the text
};

QString name(Key key);
QVariant defaultValue(Key key);

QVariant read(Key key);
void write(Key key, const QVariant &value);

// A key that stands for a group, such as Tidy: one value per sub-name, stored as
// "<name>/<sub>", each with the key's default.
QString name(Key key, const QString &sub);
QVariant read(Key key, const QString &sub);
void write(Key key, const QString &sub, const QVariant &value);

}

#endif
