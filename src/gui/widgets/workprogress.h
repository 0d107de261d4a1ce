// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WORKPROGRESS_H
#define WORKPROGRESS_H

#include "core/documentfile.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QString>
#include <QtConcurrent>
#include <atomic>
#include <functional>
#include <memory>

class QProgressDialog;
class QTimer;
class QWidget;

// A modal progress dialog in front of work too long to run in one go on the GUI thread. The
// window keeps repainting while the work runs on a worker thread (run) or in short slices on the
// GUI thread between turns of the event loop (runInSlices). Cancel makes the progress callback
// return false, which the work answers by stopping.
class WorkProgress
{
public:
    WorkProgress(QWidget *parent, const QString &title, const QString &label);
    ~WorkProgress();

    // Runs `work` on a worker thread; returns its result once it is done.
    template<typename Result>
    Result run(const std::function<Result(const Progress &)> &work)
    {
        QFutureWatcher<Result> watcher;
        QEventLoop loop;
        QObject::connect(&watcher, &QFutureWatcher<Result>::finished, &loop, &QEventLoop::quit);
        const Progress progress = callback();
        watcher.setFuture(QtConcurrent::run([&work, progress] { return work(progress); }));
        loop.exec();
        return watcher.result();
    }

    // Calls `step` again and again on the GUI thread until it returns true, a few times per turn
    // of the event loop; each call should take a few milliseconds. False when Cancel stopped it.
    bool runInSlices(const std::function<bool(const Progress &)> &step);

    bool cancelled() const { return m_state->cancelled; }
    // For a phase that must not stop half way (a write, taking back what a cancelled edit
    // did): the dialog's Cancel is disabled, and a Cancel pressed before is forgotten.
    void setCancellable(bool cancellable);

private:
    struct State {
        std::atomic<int> permille{-1};
        std::atomic<bool> cancelled{false};
        std::atomic<bool> cancellable{true};
    };
    Progress callback() const;

    std::shared_ptr<State> m_state;
    QProgressDialog *m_dialog;
    QTimer *m_poll;
};

#endif
