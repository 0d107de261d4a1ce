// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/opendialog.h"
#include "ui_opendialog.h"
#include "core/codecscan.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTextCodec>

OpenDialog::OpenDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::OpenDialog)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->setupUi(this);
}

OpenDialog::~OpenDialog()
{
    delete ui;
}

QString OpenDialog::labelFor(int mib, const QByteArray &codecName)
{
    static const char *const groups[] = {"Central European", "Cyrillic", "Western European",
                                         "Greek", "Turkish", "Hebrew", "Arabic", "Baltic",
                                         "Vietnamese"};
    const QString name = QString::fromLatin1(codecName);
    if (mib >= 2250 && mib <= 2258)
        return name + QStringLiteral(" (") + QLatin1String(groups[mib - 2250]) + QLatin1Char(')');
    return name;
}

int OpenDialog::exec(QByteArray *data, int *ret)
{
    m_data = data;
    m_ret = ret;

    for (int mib : CodecScan::cleanMibs(*data)) {
        QTextCodec *codec = QTextCodec::codecForMib(mib);
        auto *item = new QListWidgetItem(labelFor(codec->mibEnum(), codec->name()));
        item->setData(Qt::UserRole, codec->mibEnum());
        ui->listWidget->addItem(item);
    }
    ui->listWidget->sortItems(Qt::AscendingOrder);

    const QList<QListWidgetItem *> western =
        ui->listWidget->findItems(QStringLiteral("windows-1252"), Qt::MatchStartsWith);
    if (!western.isEmpty())
        western.first()->setSelected(true);
    if (ui->listWidget->count() > 0) {
        if (ui->listWidget->selectedItems().isEmpty())
            ui->listWidget->item(0)->setSelected(true);
        ui->listWidget->setCurrentItem(ui->listWidget->selectedItems().first());
        ui->listWidget->scrollToItem(ui->listWidget->selectedItems().first());
    }
    return QDialog::exec();
}

void OpenDialog::on_buttonBox_accepted()
{
    const QList<QListWidgetItem *> selected = ui->listWidget->selectedItems();
    // Without a choice the dialog stays open, so the user can still pick one or cancel.
    if (selected.isEmpty()) {
        QMessageBox::warning(this, tr("Open"), tr("Select an encoding."));
        return;
    }
    *m_ret = selected.first()->data(Qt::UserRole).toInt();
    accept();
}

void OpenDialog::on_listWidget_itemSelectionChanged()
{
    if (ui->listWidget->selectedItems().isEmpty())
        return;
    const QString previous = ui->plainTextEdit->toPlainText();
    ui->plainTextEdit->setPlainText(tr("# Converting..."));
    // Paint the notice before a long decode.
    QCoreApplication::processEvents();

    // The selection may have changed while events were processed.
    const QList<QListWidgetItem *> selected = ui->listWidget->selectedItems();
    if (selected.isEmpty()) {
        ui->plainTextEdit->setPlainText(previous);
        return;
    }
    QTextCodec *codec = QTextCodec::codecForMib(selected.first()->data(Qt::UserRole).toInt());
    QTextCodec::ConverterState state;
    const QString text = codec->toUnicode(m_data->constData(), m_data->size(), &state);
    ui->plainTextEdit->setPlainText(state.remainingChars != 0 ? tr("# Error.") : text);
}

void OpenDialog::on_listWidget_doubleClicked(const QModelIndex &)
{
    on_buttonBox_accepted();
}
