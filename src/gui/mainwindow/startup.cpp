// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up from the settings store, and writing the view settings back when the window closes.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/settings.h"
#include "gui/editor/layoutmode.h"
#include "gui/recovery/journalkeeper.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QStandardPaths>

void MainWindow::startUp(const QStringList &arguments, bool fileNameDecodes)
{
    using Settings::Key;
    restoreGeometry(Settings::read(Key::Geometry).toByteArray());
    const QRect panelBefore = ui->dockWidget_2->geometry();
    restoreState(Settings::read(Key::WindowState).toByteArray(), 0);
    // A saved state that placed the find panel rules over the first placement.
    m_findPanelPlaced = ui->dockWidget_2->isVisible() || ui->dockWidget_2->geometry() != panelBefore;
    // The saved state shows a floating panel at once, before the window: it waits for it.
    if (ui->dockWidget_2->isVisible() && ui->dockWidget_2->isFloating() && !isVisible()) {
        ui->dockWidget_2->hide();
        m_panelAwaitsWindow = true;
    }
    m_remind = Settings::read(Key::Remind).toLongLong();
    m_defaultPath = Settings::read(Key::DefaultPath).toString();
    if (m_defaultPath == QString())
        m_defaultPath = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);

    // The silent check runs unless the user postponed it; its answer comes with the event loop.
    if (QDateTime::currentMSecsSinceEpoch() >= m_remind) {
        m_interactive = false;
        sendUpdateRequest();
    }

    setWrapMode(Settings::read(Key::Wrap).toInt());
    const QVariant font = Settings::read(Key::Font);
    if (font != Settings::defaultValue(Key::Font))
        setEditorFont(font.value<QFont>());

    // What a Tavlo that died left unsaved comes back first, and takes the command-line file's
    // place. Only the last argument names a file; whatever stands between is ignored.
    const bool recovered = m_journal->checkFolder() && recoverUnsavedWork();
    if (!recovered && arguments.size() > 1) {
        if (!fileNameDecodes)
            warnUndecodableName(arguments.last(), false);
        if (!fileNameDecodes || !loadFile(arguments.last()))
            m_modified = false;
    }

    applyViewSettings();
    setFullAddress(Settings::read(Key::FullAddress).toBool());
    ui->actionFinal_Yeh_as_Alef_Maksura->setChecked(Settings::read(Key::FinalYehAsAlefMaksura).toBool());
    setSpellCheck(Settings::read(Key::SpellCheck).toBool());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (hasUnsavedChanges() && !confirmDiscard(tr("Exit"))) {
        event->ignore();
        return;
    }
    saveViewSettings();
    m_journal->discard();
    event->accept();
}

void MainWindow::saveViewSettings()
{
    using Settings::Key;
    Settings::write(Key::Geometry, saveGeometry());
    Settings::write(Key::WindowState, saveState(0));
    Settings::write(Key::FullAddress, ui->actionFull_Address->isChecked());
    // With no mode checked (a stored mode out of range) this writes the right-to-left mode.
    const int mode = layoutMode();
    Settings::write(Key::Wrap, mode == 0 ? int(NoWrapRightToLeft) : mode);
    Settings::write(Key::Font, editorFont());
    Settings::write(Key::Zoom, zoom());
    Settings::write(Key::DefaultPath, m_defaultPath);
}
