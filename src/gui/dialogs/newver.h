// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NEWVER_H
#define NEWVER_H

#include <QDialog>

class MainWindow;

namespace Ui {
class NewVer;
}

// Tells that a newer build exists, shows its change log, and offers the download page or a
// reminder that postpones the automatic check.
class NewVer : public QDialog
{
    Q_OBJECT

public:
    explicit NewVer(QWidget *parent = nullptr);
    ~NewVer() override;

    // How long each entry of the reminder list postpones the check, in milliseconds.
    static qint64 reminderDuration(int index);

public slots:
    virtual int exec(QString *newLog, MainWindow *mw);

private slots:
    void on_pushDl_clicked();
    void on_pushRemind_clicked();

private:
    Ui::NewVer *ui;
    MainWindow *m_mainWindow = nullptr;
};

#endif
