// SPDX-License-Identifier: GPL-3.0-or-later
// The recent files list of the File menu.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/appinfo.h"

#include <QSettings>

namespace {
constexpr int MaxRecent = 10;
const QString RecentKey = QStringLiteral("recentFileList");
}

void MainWindow::createRecentActions()
{
    for (QAction *&action : m_recentActions) {
        action = new QAction(this);
        connect(action, &QAction::triggered, this, &MainWindow::openRecentFile);
        ui->menuFile->insertAction(ui->actionExit, action);
    }
    m_clearRecentAction = new QAction(this);
    connect(m_clearRecentAction, &QAction::triggered, this, &MainWindow::clearRecent);
    m_clearRecentAction->setText(tr("(Clear Recent Files List)"));
    ui->menuFile->insertAction(ui->actionExit, m_clearRecentAction);
    m_recentSeparator = ui->menuFile->insertSeparator(ui->actionExit);
    refreshRecentMenu();
}

void MainWindow::refreshRecentMenu()
{
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    const QStringList files = settings.value(RecentKey).toStringList();
    const int shown = qMin(files.size(), MaxRecent);
    for (int i = 0; i < shown; ++i) {
        QAction *action = m_recentActions[i];
        action->setText(tr("&%1: %2").arg(i + 1).arg(shortenPath(files.at(i))));
        action->setData(files.at(i));
        action->setToolTip(files.at(i));
        action->setVisible(true);
    }
    for (int i = shown; i < MaxRecent; ++i)
        m_recentActions[i]->setVisible(false);
    m_recentSeparator->setVisible(shown > 0);
    m_clearRecentAction->setVisible(shown > 0);
}

QString MainWindow::shortenPath(const QString &path)
{
    if (path.size() <= 69)
        return path;
    return path.left(3) + QStringLiteral("   ...   ") + path.right(58);
}

void MainWindow::pushRecentFile(const QString &path)
{
    const QString entry = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    QStringList files = settings.value(RecentKey).toStringList();
    files.removeAll(entry);
    files.prepend(entry);
    while (files.size() > MaxRecent)
        files.removeLast();
    settings.setValue(RecentKey, files);
    refreshRecentMenu();
}

void MainWindow::clearRecent()
{
    {
        QSettings settings(AppInfo::organisation(), AppInfo::application());
        settings.setValue(RecentKey, QStringList());
    }
    refreshRecentMenu();
}

void MainWindow::openRecentFile()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    const QString path = action->data().toString();
    // Asked whenever the flag is set, even for an emptied untitled document.
    if (m_modified && !confirmDiscard(QStringLiteral("Open")))
        return;
    loadFile(path);
}
