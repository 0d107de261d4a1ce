// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up from the settings store, and writing the view settings back when the window closes.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/appinfo.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QSettings>
#include <QStandardPaths>

void MainWindow::startUp(const QStringList &arguments)
{
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    restoreGeometry(settings.value(QStringLiteral("geometry"), QByteArray()).toByteArray());
    const QRect panelBefore = ui->dockWidget_2->geometry();
    restoreState(settings.value(QStringLiteral("windowState"), QByteArray()).toByteArray(), 0);
    // A saved state that placed the find panel rules over the first placement.
    m_findPanelPlaced = ui->dockWidget_2->isVisible() || ui->dockWidget_2->geometry() != panelBefore;
    m_remind = settings.value(QStringLiteral("remind"), 0).toLongLong();
    m_defaultPath = settings.value(QStringLiteral("defaultPath"), QString()).toString();
    if (m_defaultPath == QString())
        m_defaultPath = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);

    // The silent check runs unless the user postponed it; its answer comes with the event loop.
    if (QDateTime::currentMSecsSinceEpoch() >= m_remind) {
        m_interactive = false;
        sendUpdateRequest();
    }

    setWrapMode(settings.value(QStringLiteral("Wrap"), int(WrappedAuto)).toInt());
    const QVariant font = settings.value(QStringLiteral("font"), -1);
    if (font != QVariant(-1))
        setEditorFont(font.value<QFont>());

    // Only the last argument names a file; whatever stands between is ignored.
    if (arguments.size() > 1 && !loadFile(arguments.last()))
        m_modified = false;

    setFullAddress(settings.value(QStringLiteral("FullAddress"), false).toBool());
    ui->actionFinal_Yeh_as_Alef_Maksura->setChecked(settings.value(QStringLiteral("finalYehAsAlefMaksura"), false).toBool());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (hasUnsavedChanges() && !confirmDiscard(tr("Exit"))) {
        event->ignore();
        return;
    }
    saveViewSettings();
    event->accept();
}

void MainWindow::saveViewSettings()
{
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.setValue(QStringLiteral("windowState"), saveState(0));
    settings.setValue(QStringLiteral("FullAddress"), ui->actionFull_Address->isChecked());
    // With no mode checked (a stored mode out of range) this writes the right-to-left mode.
    LayoutMode wrap = NoWrapRightToLeft;
    if (ui->actionWord_Wrap->isChecked())
        wrap = WrappedAuto;
    else if (ui->actionLeft_To_Right->isChecked())
        wrap = NoWrapLeftToRight;
    settings.setValue(QStringLiteral("Wrap"), int(wrap));
    settings.setValue(QStringLiteral("font"), ui->textEdit->font());
    settings.setValue(QStringLiteral("defaultPath"), m_defaultPath);
}
