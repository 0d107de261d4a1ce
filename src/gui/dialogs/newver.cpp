// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/newver.h"
#include "ui_newver.h"
#include "core/appinfo.h"
#include "core/displaytext.h"
#include "core/settings.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/language.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QUrl>

NewVer::NewVer(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::NewVer)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->setupUi(this);
    ui->comboBox->addItems({tr("1 Day"), tr("3 Days"), tr("1 Week"), tr("1 Month")});
    ui->comboBox->setCurrentIndex(1);
}

NewVer::~NewVer()
{
    delete ui;
}

qint64 NewVer::reminderDuration(int index)
{
    // A month of milliseconds does not fit an int: every duration is 64-bit.
    constexpr qint64 day = 24LL * 60 * 60 * 1000;
    switch (index) {
    case 0:
        return day;
    case 1:
        return 3 * day;
    case 2:
        return 7 * day;
    default:
        return 30 * day;
    }
}

int NewVer::exec(QString *newLog, MainWindow *mw)
{
    m_mainWindow = mw;
    const QString page = AppInfo::productPage();
    const QString link = QStringLiteral("<a href=\"") + page + QStringLiteral("\">") + displayName(page) + QStringLiteral("</a>");
    ui->label->setText(QStringLiteral("<b>") + tr("New version available!") + QStringLiteral("</b> ")
                       + tr("Your Version: %1 Build %2").arg(localDigits(QLatin1String(AppInfo::versionString())), localNumber(AppInfo::buildNumber))
                       + QStringLiteral("<br><br> ") + tr("Go to %1 to download!").arg(link) + QStringLiteral("<br>"));
    ui->plainTextEdit->setPlainText(*newLog);
    return QDialog::exec();
}

void NewVer::on_pushDl_clicked()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(AppInfo::productPage()));
    close();
}

void NewVer::on_pushRemind_clicked()
{
    const qint64 remind = QDateTime::currentMSecsSinceEpoch() + reminderDuration(ui->comboBox->currentIndex());
    m_mainWindow->setReminderTime(remind);
    Settings::write(Settings::Key::Remind, remind);
    close();
}
