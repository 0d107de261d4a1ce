// SPDX-License-Identifier: GPL-3.0-or-later
#include "testutil.h"
#include "core/appinfo.h"
#include "gui/mainwindow/mainwindow.h"

#include <QApplication>
#include <QProgressDialog>
#include <QCloseEvent>
#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

void isolateTestEnvironment()
{
    static QTemporaryDir configDir;
    qputenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configDir.path());
    AppInfo::setUpdateEndpointForTesting(QStringLiteral("https://127.0.0.1:9/tavlo/getLastStable.php"));
}

void clearSettings()
{
    QSettings settings(AppInfo::organisation(), AppInfo::application());
    settings.clear();
}

QTextEdit *editorOf(MainWindow &window)
{
    return window.findChild<QTextEdit *>(QStringLiteral("textEdit"));
}

ModalBot::Action chooseEncoding(int mib, QStringList *offered)
{
    return [mib, offered](QWidget *w) {
        auto *list = w->findChild<QListWidget *>(QStringLiteral("listWidget"));
        for (int i = 0; i < list->count(); ++i) {
            const int itemMib = list->item(i)->data(Qt::UserRole).toInt();
            if (offered)
                *offered << QString::number(itemMib);
            if (itemMib == mib)
                list->item(i)->setSelected(true);
        }
        w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    };
}

ModalBot::ModalBot()
{
    connect(&m_poll, &QTimer::timeout, this, &ModalBot::poll);
    m_poll.start(10);
}

void ModalBot::answer(QMessageBox::StandardButton button)
{
    act([button](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        QAbstractButton *b = box ? box->button(button) : nullptr;
        if (b)
            b->click();
        else if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
    });
}

void ModalBot::act(const Action &action)
{
    m_actions.append(action);
    m_forProgress.append(false);
}

void ModalBot::actOnProgress(const Action &action)
{
    m_actions.append(action);
    m_forProgress.append(true);
}

void ModalBot::escape()
{
    act([](QWidget *w) { QTest::keyClick(w, Qt::Key_Escape); });
}

void ModalBot::closeWindow()
{
    act([](QWidget *w) { w->close(); });
}

bool ModalBot::sawUnexpected() const
{
    for (const Seen &s : seen)
        if (!s.expected)
            return true;
    return false;
}

void ModalBot::poll()
{
    QWidget *w = QApplication::activeModalWidget();
    if (!w || w == m_last || !w->isVisible())
        return;
    // A progress dialog asks nothing and goes by itself: long work shows one, or not, as fast
    // as the machine is. Only a test that means to act in one catches it.
    if (qobject_cast<QProgressDialog *>(w) && (m_forProgress.isEmpty() || !m_forProgress.first()))
        return;
    m_last = w;
    Seen s;
    s.className = QString::fromLatin1(w->metaObject()->className());
    s.title = w->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(w)) {
        s.text = box->text();
        s.icon = box->icon();
        s.format = box->textFormat();
    }
    if (m_actions.isEmpty()) {
        s.expected = false;
        seen.append(s);
        if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
        return;
    }
    seen.append(s);
    // Act from a fresh event: what the action opens may run a modal loop of its own, and this
    // timer must stay free to answer it.
    const Action action = m_actions.takeFirst();
    m_forProgress.removeFirst();
    QPointer<QWidget> target = w;
    QTimer::singleShot(0, this, [action, target] {
        if (target)
            action(target);
    });
}
