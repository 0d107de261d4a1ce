// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/recovery/recoveryprompt.h"
#include "core/displaytext.h"
#include "core/keptcopy.h"
#include "core/recoveryjournal.h"
#include "core/safesave.h"

#include <QDir>
#include <QMessageBox>
#include <QWidget>

namespace {

// The file as it is now stands in the state the window takes; a change since the journal's
// stamp is remembered for the next Save to ask about.
FileState asFoundNow(FileState file)
{
    if (file.isUntitled() || !file.stamp)
        return file;
    FileStamp now;
    file.changedBeforeRecovery = !file.stamp->matchesFile(file.path, &now);
    file.stamp = now;
    return file;
}

}

RecoveryPrompt::RecoveryPrompt(QWidget *window)
    : m_window(window)
{
}

std::optional<RecoveryPrompt::Recovered> RecoveryPrompt::ask()
{
    // The file first, so that the text offered next is the only one of the two still missing.
    KeptCopy::restoreOrphans(SafeSave::keptCopiesFolder());

    for (OrphanJournal &journal : OrphanJournal::claim(RecoveryJournal::folder())) {
        JournalFormat::Replayed replayed = journal.replay();
        QString kept;
        if (replayed.status != JournalFormat::Replayed::Ok) {
            QString reason;
            kept = journal.keepCopy(RecoveryJournal::damagedFolder(), &reason);
        }
        // Bytes that could not be kept elsewhere stay where they are, offered again next time.
        const bool keepJournal = replayed.status != JournalFormat::Replayed::Ok && kept.isEmpty();
        if (replayed.status == JournalFormat::Replayed::Unreadable) {
            if (keepJournal)
                continue;
            QMessageBox box(QMessageBox::Warning, tr("Recover"),
                            tr("A recovery journal could not be read. Its bytes are kept in '%1'.")
                                .arg(displayName(QDir::toNativeSeparators(kept))),
                            QMessageBox::Ok, m_window);
            box.setTextFormat(Qt::PlainText);
            box.exec();
            journal.remove();
            continue;
        }
        // Text typed into an untitled document and deleted again is nothing to lose.
        if (replayed.status == JournalFormat::Replayed::Ok && replayed.file.isUntitled() && replayed.text.isEmpty()) {
            journal.remove();
            continue;
        }
        if (!offer(replayed.file, kept)) {
            if (!keepJournal)
                journal.remove();
            continue;
        }
        Recovered recovered{asFoundNow(replayed.file), replayed.text, OrphanJournal()};
        if (!keepJournal)
            recovered.journal = std::move(journal);
        return recovered;
    }
    return std::nullopt;
}

bool RecoveryPrompt::offer(const FileState &file, const QString &keptBytes)
{
    QString text = file.isUntitled()
        ? tr("Tavlo was closed without saving the changes to an untitled document. Recover them?")
        : tr("Tavlo was closed without saving the changes to '%1'. Recover them?")
              .arg(displayName(QDir::toNativeSeparators(file.path)));
    if (!keptBytes.isEmpty())
        text += QStringLiteral("\n\n")
            + tr("Part of what Tavlo kept could not be read back: the text is what could be rebuilt. The "
                 "journal's bytes are kept in '%1'.")
                  .arg(displayName(QDir::toNativeSeparators(keptBytes)));
    QMessageBox box(QMessageBox::Question, tr("Recover"), text, QMessageBox::Yes | QMessageBox::No, m_window);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
