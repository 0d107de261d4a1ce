// Opening and reloading files.
#include "mainwindow.h"
#include "ui_mainwindow.h"
#include "codecscan.h"
#include "opendialog.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTextCodec>
#include <limits>
#include <new>

namespace {

// The largest text a QString holds, in UTF-16 units. No codec makes fewer units than bytes
// except the wide ones, so a file of more bytes than this may not decode at all.
constexpr qint64 MaxFileBytes = (std::numeric_limits<int>::max() - 64) / 2;

}

void MainWindow::warn(const QString &title, const QString &text)
{
    // Paths and reasons come from outside: never let them be read as markup.
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MainWindow::loadFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        warn(QStringLiteral("Open"), QStringLiteral("File '") + path + QStringLiteral("' was not found."));
        return false;
    }
    // A FIFO would block the read forever and a device may never end: only regular files open.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("Open"), QStringLiteral("Unable to open '") + path + QStringLiteral("'."));
        return false;
    }
    // Qt 5 reads an empty array, without an error, from a file over 2 GiB; refuse it up front
    // rather than show an empty document that a save would write over the file.
    if (file.size() > MaxFileBytes) {
        warn(QStringLiteral("Open"), QStringLiteral("File '") + path
                 + QStringLiteral("' is too large to open."));
        return false;
    }

    QString text;
    int mib = 106;
    try {
        // Read everything first: the codec is chosen from the whole file, never from a prefix.
        QByteArray data = file.readAll();
        if (data.size() != file.size()) {
            warn(QStringLiteral("Open"), QStringLiteral("Unable to open '") + path + QStringLiteral("'."));
            return false;
        }
        bool utf8 = false;
        text = CodecScan::decode(QTextCodec::codecForName("UTF-8"), data, &utf8);
        if (!utf8) {
            text.clear();
            int chosen = -1;
            auto *dialog = new OpenDialog(this);
            dialog->exec(&data, &chosen);
            dialog->deleteLater();
            if (chosen == -1)
                return false;
            mib = chosen;
            text = CodecScan::decode(QTextCodec::codecForMib(mib), data);
            // Qt's UTF-16 and UTF-32 decoders keep the byte-order mark; it is no part of the
            // text, and would come back as a UTF-8 mark at the next save.
            if (text.startsWith(QChar(0xFEFF)))
                text.remove(0, 1);
        }
    } catch (const std::bad_alloc &) {
        warn(QStringLiteral("Open"), QStringLiteral("File '") + path
                 + QStringLiteral("' is too large to open."));
        return false;
    }
    file.close();

    m_fileName = path;
    setRecordedTime(QFileInfo(path).lastModified());
    m_defaultPath = path;
    m_sourceMib = mib;
    pushRecentFile(m_fileName);
    ui->textEdit->setPlainText(text);
    ui->textEdit->document()->clearUndoRedoStacks();
    refreshTitle(false);
    return true;
}

QString MainWindow::dialogFolder(const QString &path)
{
    if (path.isEmpty())
        return QString();
    // The desktop folder stands in the default path until a file is opened or saved.
    const QFileInfo info(path);
    return info.isDir() ? info.absoluteFilePath() : info.absolutePath();
}

void MainWindow::on_actionOpen_triggered()
{
    if (hasUnsavedChanges() && !confirmDiscard(QStringLiteral("Open")))
        return;
    const QString folder = dialogFolder(m_fileName.isEmpty() ? m_defaultPath : m_fileName);
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), folder,
                                                      QStringLiteral("Text (*.txt);;All Files (*.*)"));
    if (!path.isEmpty())
        loadFile(path);
}

void MainWindow::on_actionReload_triggered()
{
    if (m_fileName.isEmpty()) {
        on_actionNew_triggered();
        return;
    }
    if (m_modified && !confirmDiscard(QStringLiteral("Reload")))
        return;
    loadFile(m_fileName);
}
