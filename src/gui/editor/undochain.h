// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef UNDOCHAIN_H
#define UNDOCHAIN_H

#include <QHash>
#include <QObject>
#include <QPair>

class QTextDocument;

// An edit too large for one go (a paste of 100 MB, a conversion of every paragraph) is made as
// several edit blocks of the document, each one undo step of its own, so that the window can
// repaint between them. A chain makes them one step for the user again: a mark inside the first
// and the last block tells when the document undoes or redoes them, whoever asked it to, and
// while the document stands between the two marks an undo or redo must go on.
class UndoChain : public QObject
{
    Q_OBJECT

public:
    // The chains of this document; made with it, and gone with it.
    static UndoChain *of(QTextDocument *document);

    // Call with the chain's first edit block open; returns the chain's number.
    int begin();
    // Call with its last edit block open.
    void end(int chain);
    // A chain whose building stopped before end(): the document now stands inside it, and
    // undoing until inside() is false takes all of it back.
    void abandon(int chain);

    bool inside() const { return m_inside != 0; }
    // How many of the document's undo commands (availableUndoSteps()) lie inside the chain the
    // document stands in, and how many of them are applied: for a progress bar.
    int length() const { return m_end - m_start; }
    int applied(const QTextDocument *document) const;

private:
    explicit UndoChain(QTextDocument *document);
    friend struct ChainMark;
    void marked(int chain, bool first, bool redone);
    void forget(int chain);

    QTextDocument *m_document;
    int m_next = 1;
    int m_inside = 0;
    int m_start = 0;
    int m_end = 0;
    // Where each chain lies among the document's undo commands, for the progress bar.
    QHash<int, QPair<int, int>> m_ranges;
};

#endif
