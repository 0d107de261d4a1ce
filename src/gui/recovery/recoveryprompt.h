// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECOVERYPROMPT_H
#define RECOVERYPROMPT_H

#include "core/filestate.h"
#include "core/orphanjournal.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class QWidget;

// What start-up does with the work of a Tavlo that died: files that a save cut short get their
// old bytes back, and each journal whose process is gone is offered in turn, oldest first,
// until one is taken. A journal that cannot be read back whole is never just deleted: its bytes
// go to the damaged folder first.
class RecoveryPrompt
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryPrompt)

public:
    struct Recovered {
        FileState file; // as the window takes it, its stamp the file as it is now
        QString text;
        OrphanJournal journal; // to be removed once the window's own journal holds the text
    };

    explicit RecoveryPrompt(QWidget *window);
    std::optional<Recovered> ask();

private:
    bool offer(const FileState &file, const QString &keptBytes);

    QWidget *m_window;
};

#endif
