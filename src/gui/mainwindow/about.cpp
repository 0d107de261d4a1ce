// SPDX-License-Identifier: GPL-3.0-or-later
// The About box, the toolkit's About box and the file information command.
#include "gui/mainwindow/mainwindow.h"
#include "core/appinfo.h"
#include "core/displaytext.h"
#include "gui/dialogs/fileinfo.h"
#include "ui_mainwindow.h"
#include "gui/language.h"

#include <QFile>
#include <QMessageBox>

QString MainWindow::aboutText()
{
    // The picture travels inside the text, so the box needs no file of its own.
    QFile png(QStringLiteral(":/Images/icons/rtl16.png"));
    png.open(QIODevice::ReadOnly);
    const QString base64 = QString::fromLatin1(png.readAll().toBase64());
    const QString page = AppInfo::productPage();

    const QString picture = QStringLiteral("<img src=\"data:image/png;base64,") + base64
        + QStringLiteral("\" align=\"middle\">");
    const QString authors = QStringLiteral("<a href=mailto:developers@") + AppInfo::vendorHost() + QLatin1Char('>')
        + tr("the Tavlo developers") + QStringLiteral("</a>");
    const QString icons = QStringLiteral("<a href=http://tango.freedesktop.org/Tango_Icon_Library>")
        + tr("Tango Icon Library") + QStringLiteral("</a>");
    const QString homepage = QStringLiteral("<a href=\"") + page + QStringLiteral("\">") + displayName(page) + QStringLiteral("</a>");

    return QStringLiteral("<b><center>")
        + tr("Tavlo ver %1 build %2").arg(localDigits(QLatin1String(AppInfo::versionString())), localNumber(AppInfo::buildNumber))
        + QStringLiteral("</center></b><br>") + tr("Tavlo is a simple and useful plain text program for bidirectional texts:")
        + QStringLiteral("<br><br>") + picture + QLatin1Char(' ')
        + tr("Start your paragraph with a Right-to-left mark to make it right-aligned!") + QStringLiteral("<br><br>")
        + tr("Created by %1").arg(authors) + QStringLiteral("<br>")
        + tr("Some icons provided from %1").arg(icons) + QStringLiteral("<br><br>")
        + tr("Homepage: %1").arg(homepage);
}

void MainWindow::on_actionAbout_triggered()
{
    QMessageBox::information(this, tr("About"), aboutText(), QMessageBox::Ok);
}

void MainWindow::on_actionAbout_Qt_triggered()
{
    QMessageBox::aboutQt(this, QString());
}

void MainWindow::on_actionFile_Info_triggered()
{
    auto *dialog = new FileInfo(this);
    QString path = m_file.path;
    dialog->exec(&path, ui->textEdit);
    dialog->deleteLater();
}
