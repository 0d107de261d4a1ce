// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/fileinfo.h"
#include "ui_fileinfo.h"

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
    QString text = QStringLiteral("Document Length: ") + QString::number(length) + QStringLiteral("\n\n")
        + QStringLiteral("Position: ") + QString::number(selectionStart);
    if (selectionStart != selectionEnd)
        text += QStringLiteral(" to ") + QString::number(selectionEnd) + QStringLiteral(" (Selection Length: ")
            + QString::number(selectionEnd - selectionStart) + QLatin1Char(')');
    return text + QStringLiteral("\n\n");
}

int FileInfo::exec(QString *mFileName, QTextEdit *te)
{
    const QTextCursor cursor = te->textCursor();
    const QString text = summary(te->toPlainText().size(), cursor.selectionStart(), cursor.selectionEnd());

    QString address;
    QString name = QStringLiteral("(Untitled)");
    if (!mFileName->isEmpty()) {
        const QFileInfo info(*mFileName);
        address = QDir::toNativeSeparators(info.absolutePath());
        name = info.fileName();
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
