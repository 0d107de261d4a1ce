// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/recovery/journalkeeper.h"
#include "core/displaytext.h"
#include "core/recoveryjournal.h"

#include <QDir>
#include <QMessageBox>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

JournalKeeper::JournalKeeper(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_journal(std::make_unique<RecoveryJournal>())
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(QuietMs);
    m_longest.setSingleShot(true);
    m_longest.setInterval(LongestWaitMs);
    connect(&m_quiet, &QTimer::timeout, this, &JournalKeeper::flush);
    connect(&m_longest, &QTimer::timeout, this, &JournalKeeper::flush);
    // The writer reports from its own thread.
    connect(m_journal.get(), &RecoveryJournal::failed, this, &JournalKeeper::warn, Qt::QueuedConnection);
}

JournalKeeper::~JournalKeeper()
{
    disconnect(m_journal.get(), nullptr, this, nullptr);
    discard();
    m_journal.reset();
}

bool JournalKeeper::checkFolder()
{
    QString reason;
    if (RecoveryJournal::prepareFolder(RecoveryJournal::folder(), &reason))
        return true;
    warn(reason);
    return false;
}

void JournalKeeper::follow(QTextDocument *document)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    m_length = document->characterCount() - 1;
    // Until restart() says what the document holds, only an empty one is known.
    m_inStep = m_length == 0 && m_base.isEmpty() && !m_journal->isStarted();
    connect(document, &QTextDocument::contentsChange, this, &JournalKeeper::documentChanged);
}

void JournalKeeper::restart(const FileState &file, const QString &text, bool modified,
                            std::vector<OrphanJournal> replaced)
{
    m_quiet.stop();
    m_longest.stop();
    if (m_journal->isStarted())
        m_journal->discard();
    m_file = file;
    m_base = text;
    m_length = m_document ? m_document->characterCount() - 1 : 0;
    m_inStep = true;
    if (modified) {
        m_journal->start(file, text, std::move(replaced));
        m_base = QString();
    }
}

void JournalKeeper::setFile(const FileState &file)
{
    m_file = file;
    m_journal->setFile(file);
}

void JournalKeeper::flush()
{
    m_quiet.stop();
    m_longest.stop();
    m_journal->flush();
}

void JournalKeeper::discard()
{
    m_quiet.stop();
    m_longest.stop();
    m_journal->discard();
}

void JournalKeeper::documentChanged(int from, int removed, int added)
{
    const int length = m_document->characterCount() - 1;
    // A load or a reset sets the whole text with the undo stack off; restart() comes next.
    if (!m_document->isUndoRedoEnabled()) {
        m_length = length;
        m_inStep = false;
        return;
    }
    // A change that reaches the document's last, invisible paragraph break counts it on both
    // sides.
    const int beyond = from + removed - m_length;
    if (beyond > 0) {
        removed -= beyond;
        added -= beyond;
    }
    const bool follows = m_inStep && from >= 0 && removed >= 0 && added >= 0 && from + added <= length
        && m_length - removed + added == length;
    m_length = length;
    if (!follows) {
        // The journal lost track of the text: it starts again from the text as it is now.
        m_journal->start(m_file, m_document->toRawText());
        m_base = QString();
        m_inStep = true;
    } else {
        if (!m_journal->isStarted()) {
            m_journal->start(m_file, m_base);
            m_base = QString();
        }
        QString inserted;
        if (added > 0) {
            QTextCursor cursor(m_document);
            cursor.setPosition(from);
            cursor.setPosition(from + added, QTextCursor::KeepAnchor);
            inserted = cursor.selectedText();
        }
        m_journal->record(from, removed, inserted);
    }
    m_quiet.start();
    if (!m_longest.isActive())
        m_longest.start();
}

void JournalKeeper::warn(const QString &reason)
{
    if (m_warned)
        return;
    m_warned = true;
    const QString folder = displayName(QDir::toNativeSeparators(RecoveryJournal::folder()));
    QMessageBox box(QMessageBox::Warning, tr("Recovery"),
                    tr("Recovery is off: Tavlo cannot keep its recovery journal in '%1'. Changes not yet "
                       "saved will be lost if Tavlo or the computer stops.")
                            .arg(folder)
                        + QLatin1Char('\n') + reason,
                    QMessageBox::Ok, m_window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
