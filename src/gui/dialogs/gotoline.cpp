// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/gotoline.h"
#include "ui_gotoline.h"
#include "gui/language.h"

namespace {

QString latinDigits(QString text)
{
    for (QChar &c : text) {
        const ushort u = c.unicode();
        if ((u >= 0x0660 && u <= 0x0669) || (u >= 0x06F0 && u <= 0x06F9))
            c = QLatin1Char(char('0' + (u & 0xF)));
    }
    return text;
}

}

QValidator::State LineNumberBox::validate(QString &input, int &pos) const
{
    // The box's own validation reads the digits of its locale and Latin ones; the text typed
    // stays as it was typed.
    QString latin = latinDigits(input);
    return QSpinBox::validate(latin, pos);
}

int LineNumberBox::valueFromText(const QString &text) const
{
    return QSpinBox::valueFromText(latinDigits(text));
}

GoToLine::GoToLine(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::GoToLine)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->setupUi(this);
}

GoToLine::~GoToLine()
{
    delete ui;
}

int GoToLine::line() const
{
    return ui->spinLine->value();
}

int GoToLine::exec(int current, int count)
{
    ui->spinLine->setLocale(interfaceLocale());
    ui->spinLine->setRange(1, qMax(1, count));
    ui->spinLine->setValue(current);
    ui->labelLine->setText(tr("&Line number (%1 to %2):")
                               .arg(interfaceLocale().toString(1), interfaceLocale().toString(qMax(1, count))));
    ui->spinLine->selectAll();
    ui->spinLine->setFocus();
    return QDialog::exec();
}
