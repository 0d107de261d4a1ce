// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/fileinfo.h"
#include "ui_fileinfo.h"
#include "core/displaytext.h"
#include "gui/language.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextEdit>

FileInfo::FileInfo(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::FileInfo)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->setupUi(this);
}

FileInfo::~FileInfo()
{
    delete ui;
}

QString FileInfo::summary(int length, int selectionStart, int selectionEnd)
{
    QString text = tr("Document Length: %1").arg(localNumber(length)) + QStringLiteral("\n\n");
    if (selectionStart == selectionEnd)
        text += tr("Position: %1").arg(localNumber(selectionStart));
    else
        text += tr("Position: %1 to %2 (Selection Length: %3)")
                    .arg(localNumber(selectionStart), localNumber(selectionEnd), localNumber(selectionEnd - selectionStart));
    return text + QStringLiteral("\n\n");
}

int FileInfo::exec(QString *mFileName, QTextEdit *te)
{
    const QTextCursor cursor = te->textCursor();
    const QString text = summary(te->toPlainText().size(), cursor.selectionStart(), cursor.selectionEnd());

    QString address;
    QString name = tr("(Untitled)");
    if (!mFileName->isEmpty()) {
        const QFileInfo info(*mFileName);
        address = displayName(QDir::toNativeSeparators(info.absolutePath()));
        name = displayName(info.fileName());
    }
    ui->pushCopy->setEnabled(!mFileName->isEmpty());
    m_fileName = mFileName;
    ui->plainTextEdit->setPlainText(address);
    ui->plainTextEditName->setPlainText(name);
    ui->label_2->setText(text);
    return QDialog::exec();
}

void FileInfo::on_buttonBox_accepted()
{
    close();
}

void FileInfo::on_pushCopy_clicked()
{
    // The full path, also for a file opened under a relative one.
    QGuiApplication::clipboard()->setText(QDir::toNativeSeparators(QFileInfo(*m_fileName).absoluteFilePath()),
                                          QClipboard::Clipboard);
}
