// SPDX-License-Identifier: GPL-3.0-or-later
// Editing commands, the invisible bidirectional characters, layout modes, font and title option.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/datestamp.h"
#include "gui/editor/editorfont.h"
#include "gui/editor/layoutmode.h"

#include <QDateTime>
#include <QFontDialog>
#include <QFontInfo>
#include <QLocale>

void MainWindow::on_actionCut_triggered()
{
    ui->textEdit->cut();
}

void MainWindow::on_actionCopy_triggered()
{
    ui->textEdit->copy();
    ui->actionPaste->setEnabled(ui->textEdit->canPaste());
}

void MainWindow::on_actionPaste_triggered()
{
    ui->textEdit->paste();
}

void MainWindow::on_actionUndo_triggered()
{
    ui->textEdit->undo();
}

void MainWindow::on_actionRedo_triggered()
{
    ui->textEdit->redo();
}

void MainWindow::on_actionSelect_All_triggered()
{
    ui->textEdit->selectAll();
}

void MainWindow::on_actionZero_with_non_Joiner_triggered()
{
    // The non-joiner is typed inside words, also the words being searched for.
    const QString zwnj(QChar(0x200C));
    if (ui->textEdit->hasFocus())
        ui->textEdit->insertPlainText(zwnj);
    else if (ui->plainFind->hasFocus())
        ui->plainFind->insertPlainText(zwnj);
    else if (ui->plainReplace->hasFocus())
        ui->plainReplace->insertPlainText(zwnj);
}

void MainWindow::on_actionRight_to_left_mark_triggered()
{
    ui->textEdit->insertPlainText(QString(QChar(0x200F)));
}

void MainWindow::on_actionLeft_to_right_mark_triggered()
{
    ui->textEdit->insertPlainText(QString(QChar(0x200E)));
}

void MainWindow::setWrapMode(int mode)
{
    ui->actionWord_Wrap->setChecked(mode == WrappedAuto);
    ui->actionLeft_To_Right->setChecked(mode == NoWrapLeftToRight);
    ui->actionRight_To_Left->setChecked(mode == NoWrapRightToLeft);

    const QTextOption option = textOptionFor(mode);
    ui->textEdit->document()->setDefaultTextOption(option);
    // The editor puts its own wrap mode on every document it takes: a large one, built off
    // the GUI thread and taken whole, would come up wrapped whatever the mode.
    ui->textEdit->setWordWrapMode(option.wrapMode());
}

int MainWindow::layoutMode() const
{
    if (ui->actionWord_Wrap->isChecked())
        return WrappedAuto;
    if (ui->actionLeft_To_Right->isChecked())
        return NoWrapLeftToRight;
    if (ui->actionRight_To_Left->isChecked())
        return NoWrapRightToLeft;
    return 0;
}

void MainWindow::on_actionWord_Wrap_triggered()
{
    setWrapMode(WrappedAuto);
}

void MainWindow::on_actionLeft_To_Right_triggered()
{
    setWrapMode(NoWrapLeftToRight);
}

void MainWindow::on_actionRight_To_Left_triggered()
{
    setWrapMode(NoWrapRightToLeft);
}

void MainWindow::setEditorFont(const QFont &font)
{
    m_font->setChosen(font);
}

void MainWindow::on_actionFont_triggered()
{
    // The dialog lists installed families only: a chosen family that is not installed is shown
    // as the family drawn in its place, and kept when the user changes nothing.
    const QFont chosen = editorFont();
    QFont shown = chosen;
    shown.setFamily(QFontInfo(chosen).family());
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, shown, this);
    const auto same = [](const QFont &a, const QFont &b) {
        return a.family() == b.family() && qFuzzyCompare(a.pointSizeF(), b.pointSizeF()) && a.weight() == b.weight()
            && a.italic() == b.italic() && a.underline() == b.underline() && a.strikeOut() == b.strikeOut();
    };
    if (ok && !same(font, shown))
        setEditorFont(font);
}

void MainWindow::setFullAddress(bool show)
{
    ui->actionFull_Address->setChecked(show);
    refreshTitle(m_modified);
}

void MainWindow::on_actionTime_Date_triggered()
{
    ui->textEdit->insertPlainText(dateTimeStamp(QDateTime::currentDateTime(), StampCalendar::Gregorian));
}

void MainWindow::on_actionTime_Date_Solar_Hijri_triggered()
{
    ui->textEdit->insertPlainText(dateTimeStamp(QDateTime::currentDateTime(), StampCalendar::SolarHijri));
}

void MainWindow::on_actionTime_Date_Hijri_triggered()
{
    ui->textEdit->insertPlainText(dateTimeStamp(QDateTime::currentDateTime(), StampCalendar::Hijri));
}

void MainWindow::on_textEdit_undoAvailable(bool)
{
    ui->actionUndo->setEnabled(ui->textEdit->document()->isUndoAvailable());
}

void MainWindow::on_textEdit_redoAvailable(bool)
{
    ui->actionRedo->setEnabled(ui->textEdit->document()->isRedoAvailable());
}

void MainWindow::on_textEdit_copyAvailable(bool available)
{
    ui->actionCopy->setEnabled(available);
    ui->actionCut->setEnabled(available);
    ui->actionPaste->setEnabled(ui->textEdit->canPaste());
}

void MainWindow::on_textEdit_cursorPositionChanged()
{
    ui->actionPaste->setEnabled(ui->textEdit->canPaste());
}
