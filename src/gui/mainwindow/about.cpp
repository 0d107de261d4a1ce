// SPDX-License-Identifier: GPL-3.0-or-later
// The About box, the toolkit's About box and the file information command.
#include "gui/mainwindow/mainwindow.h"
#include "core/appinfo.h"
#include "gui/dialogs/fileinfo.h"
#include "ui_mainwindow.h"

#include <QFile>
#include <QMessageBox>

QString MainWindow::aboutText()
{
    // The picture travels inside the text, so the box needs no file of its own.
    QFile picture(QStringLiteral(":/Images/icons/rtl16.png"));
    picture.open(QIODevice::ReadOnly);
    const QString base64 = QString::fromLatin1(picture.readAll().toBase64());
    const QString page = AppInfo::productPage();

    return QStringLiteral("<b><center>Tavlo ver ") + QLatin1String(AppInfo::versionString())
        + QStringLiteral(" build ") + QString::number(AppInfo::buildNumber)
        + QStringLiteral("</center></b><br>Tavlo is a simple and useful plain text program for bidirectional texts:<br><br><img src=\"")
        + QStringLiteral("data:image/png;base64,") + base64 + QStringLiteral("\" align=\"middle\">")
        + QStringLiteral(" Start your paragraph with a Right-to-left mark to make it right-aligned!<br><br>")
        + QStringLiteral("Created by <a href=mailto:developers@") + AppInfo::vendorHost()
        + QStringLiteral(">the Tavlo developers</a><br>")
        + QStringLiteral("Some icons provided from <a href=http://tango.freedesktop.org/Tango_Icon_Library>Tango Icon Library</a><br><br>")
        + QStringLiteral("Homepage: <a href=\"") + page + QStringLiteral("\">") + page + QStringLiteral("</a>");
}

void MainWindow::on_actionAbout_triggered()
{
    QMessageBox::information(this, QStringLiteral("About"), aboutText(), QMessageBox::Ok);
}

void MainWindow::on_actionAbout_Qt_triggered()
{
    QMessageBox::aboutQt(this, QString());
}

void MainWindow::on_actionFile_Info_triggered()
{
    auto *dialog = new FileInfo(this);
    dialog->exec(&m_fileName, ui->textEdit);
    dialog->deleteLater();
}
