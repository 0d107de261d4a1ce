// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FILEINFO_H
#define FILEINFO_H

#include <QDialog>

class QTextEdit;

namespace Ui {
class FileInfo;
}

// Where the current file lives, the document's length and the cursor or selection.
class FileInfo : public QDialog
{
    Q_OBJECT

public:
    explicit FileInfo(QWidget *parent = nullptr);
    ~FileInfo() override;

    // The summary line block for a document of this length and this selection.
    static QString summary(int length, int selectionStart, int selectionEnd);

public slots:
    virtual int exec(QString *mFileName, QTextEdit *te);

private slots:
    void on_buttonBox_accepted();
    void on_pushCopy_clicked();

private:
    Ui::FileInfo *ui;
    QString *m_fileName = nullptr;
};

#endif
