// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/workprogress.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

namespace {

// Slices run for about this long before the event loop gets its turn: well inside the 100 ms
// at which a window still seems to answer at once, on a loaded machine too.
constexpr int SliceBudgetMs = 25;

}

WorkProgress::WorkProgress(QWidget *parent, const QString &title, const QString &label)
    : m_state(std::make_shared<State>())
    , m_dialog(new QProgressDialog(label, QCoreApplication::translate("MainWindow", "Cancel"), 0, 1000, parent))
    , m_poll(new QTimer(m_dialog))
{
    m_dialog->setWindowTitle(title);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    // Escape and closing the dialog cancel too; while the work may not stop they are ignored,
    // and the dialog, which hides itself on them, stays in front of the window.
    QObject::connect(m_dialog, &QProgressDialog::canceled, m_dialog, [this] {
        if (m_state->cancellable)
            m_state->cancelled = true;
        else
            m_dialog->show();
    });
    QObject::connect(m_poll, &QTimer::timeout, m_dialog, [this] {
        // Without a total (a decode, say) the bar just shows that work goes on.
        const int permille = m_state->permille;
        if (permille < 0)
            m_dialog->setMaximum(0);
        else
            m_dialog->setValue(permille);
    });
    m_poll->start(50);
    m_dialog->show();
}

WorkProgress::~WorkProgress()
{
    delete m_dialog;
}

Progress WorkProgress::callback() const
{
    const std::shared_ptr<State> state = m_state;
    return [state](qint64 done, qint64 total) {
        state->permille = total > 0 ? int(qBound<qint64>(0, done * 1000 / total, 1000)) : -1;
        return !state->cancelled;
    };
}

void WorkProgress::setCancellable(bool cancellable)
{
    m_state->cancellable = cancellable;
    if (!cancellable) {
        m_state->cancelled = false;
        // Cancel hides the dialog; what follows is shown all the same.
        m_dialog->show();
    }
    if (auto *button = m_dialog->findChild<QPushButton *>())
        button->setEnabled(cancellable);
}

bool WorkProgress::runInSlices(const std::function<bool(const Progress &)> &step)
{
    const Progress progress = callback();
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(0);
    bool done = false;
    bool inStep = false;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        // The dialog's own repaint may run the event loop; a step never starts inside another.
        if (inStep)
            return;
        inStep = true;
        QElapsedTimer slice;
        slice.start();
        while (!done && !m_state->cancelled && slice.elapsed() < SliceBudgetMs)
            done = step(progress);
        inStep = false;
        if (done || m_state->cancelled)
            loop.quit();
    });
    tick.start();
    loop.exec();
    return done;
}
