// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TESTUTIL_H
#define TESTUTIL_H

#include "fileutil.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class MainWindow;
class QTextEdit;

// Points the settings store at a fresh temporary folder and the update check at a closed
// loopback port, so a test never reads the developer's settings nor reaches the network.
void isolateTestEnvironment();
// Removes every key the program stores.
void clearSettings();

QTextEdit *editorOf(MainWindow &window);

// A name as the window shows it: between U+2068 and U+2069.
inline QString isolated(const QString &name)
{
    return QChar(0x2068) + name + QChar(0x2069);
}

// Answers the modal windows that open while it lives, in order, by polling for them (never by
// sleeping). A modal window nobody planned for is recorded and rejected, so the test fails
// instead of hanging.
class ModalBot : public QObject
{
public:
    struct Seen {
        QString className;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        Qt::TextFormat format = Qt::AutoText;
        bool expected = true;
    };
    using Action = std::function<void(QWidget *)>;

    ModalBot();
    void answer(QMessageBox::StandardButton button);
    void act(const Action &action);
    // Acts in the next progress dialog, which the bot otherwise lets go by.
    void actOnProgress(const Action &action);
    // Presses Escape in the next modal window.
    void escape();
    // Closes the next modal window as its title bar's close button would.
    void closeWindow();
    int pending() const { return m_actions.size(); }
    bool sawUnexpected() const;

    QList<Seen> seen;

private:
    void poll();

    QTimer m_poll;
    QList<Action> m_actions;
    QList<bool> m_forProgress;
    QPointer<QWidget> m_last;
};

// Picks the codec with this MIB number in the encoding dialog and presses OK; *offered, when
// given, collects the MIB numbers the dialog listed.
ModalBot::Action chooseEncoding(int mib, QStringList *offered = nullptr);

#endif
