// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/qmatch.h"
#include "ui_qmatch.h"
#include "gui/mainwindow/mainwindow.h"

qMatch::qMatch(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::qMatch)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->setupUi(this);
}

qMatch::~qMatch()
{
    delete ui;
}

int qMatch::exec(bool Case, bool YK, MainWindow *mw)
{
    this->mw = mw;
    ui->chkCase->setChecked(Case);
    ui->chkYK->setChecked(YK);
    return QDialog::exec();
}

void qMatch::on_buttonBox_accepted()
{
    mw->setMatchOptions(ui->chkCase->isChecked(), ui->chkYK->isChecked());
}
