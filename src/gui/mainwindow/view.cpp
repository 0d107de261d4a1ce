// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu's status bar, zoom, invisible characters and cursor movement, and Go to Line.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "core/settings.h"
#include "gui/dialogs/gotoline.h"
#include "gui/editor/editorfont.h"
#include "gui/editor/plaintextlayout.h"
#include "gui/widgets/documentstatus.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace {

QAction *makeAction(QObject *parent, const char *name, bool checkable = false)
{
    auto *action = new QAction(parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

}

void MainWindow::createViewActions()
{
    m_view.goToLine = makeAction(this, "actionGo_to_Line");
    m_view.goToLine->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_G));
    connect(m_view.goToLine, &QAction::triggered, this, &MainWindow::askForLine);
    const QList<QAction *> edit = ui->menuEdit->actions();
    ui->menuEdit->insertAction(edit.value(edit.indexOf(ui->actionFind_Previous) + 1), m_view.goToLine);

    m_view.statusBar = makeAction(this, "actionStatus_Bar", true);
    m_view.statusBar->setChecked(true);
    connect(m_view.statusBar, &QAction::triggered, this, [this](bool shown) {
        m_status->setVisible(shown);
        Settings::write(Settings::Key::StatusBar, shown);
    });
    m_view.zoomIn = makeAction(this, "actionZoom_In");
    m_view.zoomIn->setShortcuts({QKeySequence(Qt::CTRL + Qt::Key_Plus), QKeySequence(Qt::CTRL + Qt::Key_Equal)});
    connect(m_view.zoomIn, &QAction::triggered, m_font, &EditorFont::zoomIn);
    m_view.zoomOut = makeAction(this, "actionZoom_Out");
    m_view.zoomOut->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_Minus));
    connect(m_view.zoomOut, &QAction::triggered, m_font, &EditorFont::zoomOut);
    m_view.resetZoom = makeAction(this, "actionReset_Zoom");
    m_view.resetZoom->setShortcut(QKeySequence(Qt::CTRL + Qt::Key_0));
    connect(m_view.resetZoom, &QAction::triggered, m_font, [this] { m_font->setZoom(100); });
    const auto followZoom = [this](int zoom) {
        m_view.zoomIn->setEnabled(zoom < EditorFont::MaxZoom);
        m_view.zoomOut->setEnabled(zoom > EditorFont::MinZoom);
        m_view.resetZoom->setEnabled(zoom != 100);
    };
    connect(m_font, &EditorFont::zoomChanged, this, followZoom);
    followZoom(m_font->zoom());

    m_view.invisibles = makeAction(this, "actionShow_Invisibles", true);
    connect(m_view.invisibles, &QAction::triggered, this, [this](bool shown) {
        setInvisiblesShown(shown);
        Settings::write(Settings::Key::ShowInvisibles, shown);
    });
    m_view.visualCursor = makeAction(this, "actionVisual_Cursor", true);
    connect(m_view.visualCursor, &QAction::triggered, this, [this](bool visual) {
        setVisualCursor(visual);
        Settings::write(Settings::Key::VisualCursor, visual);
    });

    QAction *before = ui->actionFull_Address;
    ui->menuView_2->insertAction(before, m_view.statusBar);
    ui->menuView_2->insertSeparator(before);
    ui->menuView_2->insertActions(before, {m_view.zoomIn, m_view.zoomOut, m_view.resetZoom});
    ui->menuView_2->insertSeparator(before);
    ui->menuView_2->insertActions(before, {m_view.invisibles, m_view.visualCursor});
    ui->menuView_2->insertSeparator(before);
}

void MainWindow::retranslateViewActions()
{
    m_view.goToLine->setText(tr("&Go to Line..."));
    m_view.statusBar->setText(tr("&Status Bar"));
    m_view.zoomIn->setText(tr("Zoom &In"));
    m_view.zoomOut->setText(tr("Zoom &Out"));
    m_view.resetZoom->setText(tr("&Reset Zoom"));
    m_view.invisibles->setText(tr("Show In&visible Characters"));
    m_view.visualCursor->setText(tr("Visual &Cursor Movement"));
}

void MainWindow::applyViewSettings()
{
    using Settings::Key;
    const bool statusBar = Settings::read(Key::StatusBar).toBool();
    m_view.statusBar->setChecked(statusBar);
    m_status->setVisible(statusBar);
    m_font->setZoom(Settings::read(Key::Zoom).toInt());
    m_view.invisibles->setChecked(Settings::read(Key::ShowInvisibles).toBool());
    setInvisiblesShown(m_view.invisibles->isChecked());
    m_view.visualCursor->setChecked(Settings::read(Key::VisualCursor).toBool());
    setVisualCursor(m_view.visualCursor->isChecked());
}

void MainWindow::setInvisiblesShown(bool shown)
{
    if (auto *layout = qobject_cast<PlainTextLayout *>(ui->textEdit->document()->documentLayout()))
        layout->setInvisiblesShown(shown);
}

void MainWindow::setVisualCursor(bool visual)
{
    ui->textEdit->document()->setDefaultCursorMoveStyle(visual ? Qt::VisualMoveStyle : Qt::LogicalMoveStyle);
}

QFont MainWindow::editorFont() const
{
    return m_font->chosen();
}

int MainWindow::zoom() const
{
    return m_font->zoom();
}

void MainWindow::askForLine()
{
    auto *dialog = new GoToLine(this);
    const int current = ui->textEdit->textCursor().blockNumber() + 1;
    if (dialog->exec(current, ui->textEdit->document()->blockCount()) == QDialog::Accepted)
        goToLine(dialog->line());
    dialog->deleteLater();
}

void MainWindow::goToLine(int line)
{
    QTextDocument *document = ui->textEdit->document();
    const QTextBlock block = document->findBlockByNumber(qBound(1, line, document->blockCount()) - 1);
    QTextCursor cursor(document);
    cursor.setPosition(block.position());
    // A line out of sight comes to the middle of the view, with what stands around it.
    const QRect view = ui->textEdit->viewport()->rect();
    const bool inSight = view.contains(ui->textEdit->cursorRect(cursor));
    ui->textEdit->setTextCursor(cursor);
    if (!inSight)
        ui->textEdit->centerCursor();
}
