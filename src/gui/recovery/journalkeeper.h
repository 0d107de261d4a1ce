// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef JOURNALKEEPER_H
#define JOURNALKEEPER_H

#include "core/filestate.h"
#include "core/orphanjournal.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <vector>

class QTextDocument;
class QWidget;
class RecoveryJournal;

// Keeps the recovery journal of the window's document: the text it was read as, saved as or
// recovered as, and every edit since. The journal starts with the first change and is written
// at most a second after the last one, and every two seconds during continuous typing; a
// keystroke only hands the writer a reference to what it typed. When the journal cannot be
// written, one warning says that recovery is off.
class JournalKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int QuietMs = 1000;
    static constexpr int LongestWaitMs = 2000;

    explicit JournalKeeper(QWidget *window);
    // Removes the journal: a window that goes away leaves nothing to recover.
    ~JournalKeeper() override;

    // Whether journals can be kept; when they cannot, the one warning.
    bool checkFolder();
    // The window's editor shows this document now.
    void follow(QTextDocument *document);
    // The document now holds `text`, as read from `file`, saved to it or recovered: the journal
    // starts afresh from it, at once when the text counts as changed. The journals in `replaced`
    // go once the new one is safe on the disk.
    void restart(const FileState &file, const QString &text, bool modified,
                 std::vector<OrphanJournal> replaced = {});
    void setFile(const FileState &file);
    // Has the edits so far written now, as before a save.
    void flush();
    // The changes were given up: the journal goes.
    void discard();

private:
    void documentChanged(int from, int removed, int added);
    void warn(const QString &reason);

    QWidget *m_window;
    std::unique_ptr<RecoveryJournal> m_journal;
    QPointer<QTextDocument> m_document;
    QTimer m_quiet;
    QTimer m_longest;
    FileState m_file;
    // What the journal starts from at the first change; dropped once it is handed over.
    QString m_base;
    // The document's length after the last change the journal followed.
    int m_length = 0;
    // False once the text changed in a way the journal did not follow (a load, a reset), until
    // restart() says what the document holds.
    bool m_inStep = true;
    bool m_warned = false;
};

#endif
