// SPDX-License-Identifier: GPL-3.0-or-later
// The recent files list of the File menu.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/displaytext.h"
#include "core/recentfiles.h"

void MainWindow::createRecentActions()
{
    for (QAction *&action : m_recentActions) {
        action = new QAction(this);
        connect(action, &QAction::triggered, this, &MainWindow::openRecentFile);
        ui->menuFile->insertAction(ui->actionExit, action);
    }
    m_clearRecentAction = new QAction(this);
    connect(m_clearRecentAction, &QAction::triggered, this, &MainWindow::clearRecent);
    m_clearRecentAction->setText(tr("(&Clear Recent Files List)"));
    ui->menuFile->insertAction(ui->actionExit, m_clearRecentAction);
    m_recentSeparator = ui->menuFile->insertSeparator(ui->actionExit);
    refreshRecentMenu();
}

void MainWindow::refreshRecentMenu()
{
    const QStringList files = RecentFiles::load();
    const int shown = qMin(files.size(), RecentFiles::MaxCount);
    for (int i = 0; i < shown; ++i) {
        QAction *action = m_recentActions[i];
        // A menu reads "&" as the mark of a shortcut letter; the path shows as it is.
        QString shown = displayName(shortenPath(files.at(i)));
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        action->setText(tr("&%1: %2").arg(i + 1).arg(shown));
        action->setData(files.at(i));
        action->setToolTip(files.at(i));
        action->setVisible(true);
    }
    for (int i = shown; i < RecentFiles::MaxCount; ++i)
        m_recentActions[i]->setVisible(false);
    m_recentSeparator->setVisible(shown > 0);
    m_clearRecentAction->setVisible(shown > 0);
}

QString MainWindow::shortenPath(const QString &path)
{
    return RecentFiles::shortenPath(path);
}

void MainWindow::pushRecentFile(const QString &path)
{
    RecentFiles::push(path);
    refreshRecentMenu();
}

void MainWindow::clearRecent()
{
    RecentFiles::clear();
    refreshRecentMenu();
}

void MainWindow::openRecentFile()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    const QString path = action->data().toString();
    // Asked whenever the flag is set, even for an emptied untitled document.
    if (m_modified && !confirmDiscard(tr("Open")))
        return;
    loadFile(path);
}
