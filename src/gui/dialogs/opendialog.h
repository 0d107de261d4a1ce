// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef OPENDIALOG_H
#define OPENDIALOG_H

#include <QDialog>

class QModelIndex;
class QShortcut;

namespace Ui {
class OpenDialog;
}

// Lets the user choose the code page of a file that is not UTF-8, previewing each candidate.
class OpenDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OpenDialog(QWidget *parent = nullptr);
    ~OpenDialog() override;

    // The label of a codec in the list: its name, and for the Windows code pages their script.
    static QString labelFor(int mib, const QByteArray &codecName);

public slots:
    // Fills the list from the codecs that decode *data cleanly and runs the dialog; the chosen
    // MIB number is written to *ret, which keeps its value when the user cancels.
    virtual int exec(QByteArray *data, int *ret);

private slots:
    void on_buttonBox_accepted();
    void on_listWidget_itemSelectionChanged();
    void on_listWidget_doubleClicked(const QModelIndex &index);

private:
    // Lists the codecs, preselects one, and offers the first suggestion on a button.
    void fillList(const QList<int> &cleanMibs, const QList<int> &suggested);
    // Makes the list as wide as its longest label, so that none is cut.
    void fitListToLabels();

    Ui::OpenDialog *ui;
    int *m_ret = nullptr;
    QByteArray *m_data = nullptr;
    QShortcut *m_suggestionKey = nullptr;
};

#endif
