// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the interface: the View menu's choice, and retranslating when it changes.
#include "gui/mainwindow/mainwindow.h"
#include "ui_mainwindow.h"
#include "gui/language.h"
#include "gui/editor/paragraphdirection.h"
#include "gui/widgets/matchhighlights.h"

#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QKeySequence>

namespace {

// Two shortcuts as the shortcut column of a menu names them, in the words Qt names the others.
QString twoShortcuts(const QKeySequence &first, const QKeySequence &second)
{
    return MainWindow::tr("%1, %2", "two shortcuts of one command")
        .arg(first.toString(QKeySequence::NativeText), second.toString(QKeySequence::NativeText));
}

// Qt's own translations carry this string; it is repeated here so that Tavlo's decide the
// direction even where Qt's are missing.
const char *const LayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");
}

void MainWindow::createLanguageMenu()
{
    ui->menuView_2->addSeparator();
    m_languageMenu = ui->menuView_2->addMenu(QString());
    m_languageMenu->setObjectName(QStringLiteral("menuLanguage"));
    auto *group = new QActionGroup(this);
    // The languages are named in their own words, so that anyone can find theirs. The mnemonic
    // of an Arabic-script name stands before a letter that joins neither of its neighbours.
    const QPair<QString, QString> choices[] = {{QStringLiteral("system"), QString()},
                                               {QStringLiteral("en"), QStringLiteral("&English")},
                                               {QStringLiteral("fa"), QStringLiteral("فا&رسی")},
                                               {QStringLiteral("ar"), QStringLiteral("&العربية")}};
    const QString stored = Language::storedChoice();
    for (const auto &choice : choices) {
        QAction *action = m_languageMenu->addAction(choice.second);
        action->setObjectName(QStringLiteral("actionLanguage_") + choice.first);
        action->setData(choice.first);
        action->setCheckable(true);
        action->setChecked(choice.first == stored);
        group->addAction(action);
        if (choice.first == QLatin1String("system"))
            m_systemLanguageAction = action;
    }
    connect(group, &QActionGroup::triggered, this, &MainWindow::chooseLanguage);
}

void MainWindow::chooseLanguage(QAction *action)
{
    const QString choice = action->data().toString();
    Language::storeChoice(choice);
    const QString language = Language::resolve(choice);
    if (language != Language::current())
        Language::apply(language);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate()
{
    Q_UNUSED(LayoutDirection)
    m_languageMenu->setTitle(tr("&Language"));
    m_systemLanguageAction->setText(tr("&System"));
    m_clearRecentAction->setText(tr("(&Clear Recent Files List)"));
    // A menu shows one shortcut of its own for a command; these two name both of theirs.
    ui->actionExit->setText(tr("E&xit") + QLatin1Char('\t')
                            + twoShortcuts(QKeySequence(Qt::ALT | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_W)));
    ui->actionFind->setText(tr("&Find and Replace...") + QLatin1Char('\t')
                            + twoShortcuts(QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_H)));
    retranslateSpelling();
    retranslateViewActions();
    // The form's texts came back with the language: the count is shown again in the new one.
    m_matches->retranslate();
    refreshRecentMenu();
    refreshTitle(m_modified);
    // A button's new text takes its shortcut away again.
    ui->pushNext->setShortcut(QKeySequence(Qt::Key_Return));
    ui->pushPrev->setShortcut(QKeySequence(Qt::SHIFT + Qt::Key_Return));
    // The form fixes the main toolbar left to right; in a right-to-left interface it follows.
    ui->mainToolBar->setLayoutDirection(QApplication::layoutDirection());
    // The text area keeps its own layout modes whatever the interface's direction.
    ui->textEdit->setLayoutDirection(Qt::LeftToRight);
    // An empty find box waits at the side the interface reads from.
    for (QPlainTextEdit *box : {ui->plainFind, ui->plainReplace}) {
        if (auto *layout = qobject_cast<ParagraphDirectionLayout *>(box->document()->documentLayout()))
            layout->setNeutralDirection(QApplication::layoutDirection());
        box->viewport()->update();
    }
}
