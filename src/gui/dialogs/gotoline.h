// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GOTOLINE_H
#define GOTOLINE_H

#include <QDialog>
#include <QSpinBox>

namespace Ui {
class GoToLine;
}

// A spin box that shows the interface's digits and reads Latin, Persian and Arabic-Indic ones
// alike, whichever the keyboard gives.
class LineNumberBox : public QSpinBox
{
    Q_OBJECT

public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    int valueFromText(const QString &text) const override;
};

// Edit > Go to Line: asks for a line number of the document.
class GoToLine : public QDialog
{
    Q_OBJECT

public:
    explicit GoToLine(QWidget *parent = nullptr);
    ~GoToLine() override;

    int line() const;

public slots:
    // Offers the lines 1 to `count`, starting at `current`, all selected so that typing
    // replaces it.
    virtual int exec(int current, int count);

private:
    Ui::GoToLine *ui;
};

#endif
