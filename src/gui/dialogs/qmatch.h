// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef QMATCH_H
#define QMATCH_H

#include <QDialog>

class MainWindow;

namespace Ui {
class qMatch;
}

// The two match options of find and replace: letter case, and the Arabic-script letter variants.
class qMatch : public QDialog
{
    Q_OBJECT

public:
    explicit qMatch(QWidget *parent = nullptr);
    ~qMatch() override;

public slots:
    virtual int exec(bool Case, bool YK, MainWindow *mw);

private slots:
    void on_buttonBox_accepted();

private:
    Ui::qMatch *ui;
    MainWindow *mw = nullptr;
};

#endif
