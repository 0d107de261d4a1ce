// SPDX-License-Identifier: GPL-3.0-or-later
// Taking back at start-up what a Tavlo that died left unsaved.
#include "gui/mainwindow/mainwindow.h"
#include "gui/recovery/journalkeeper.h"
#include "gui/recovery/recoveryprompt.h"

bool MainWindow::recoverUnsavedWork()
{
    std::optional<RecoveryPrompt::Recovered> recovered = RecoveryPrompt(this).ask();
    if (!recovered || !showRecoveredText(recovered->file, recovered->text))
        return false;
    // The old journal goes once the window's own holds the text.
    std::vector<OrphanJournal> replaced;
    if (!recovered->journal.isNull())
        replaced.push_back(std::move(recovered->journal));
    m_journal->restart(m_file, recovered->text, true, std::move(replaced));
    return true;
}
