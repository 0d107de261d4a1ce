// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/undochain.h"

#include <QAbstractUndoItem>
#include <QPointer>
#include <QTextDocument>

// The document owns its marks and deletes them with the commands they sit among, when it clears
// its stacks or drops the redo steps that a new edit replaces.
struct ChainMark : QAbstractUndoItem {
    ChainMark(UndoChain *owner, int chain, bool first)
        : owner(owner)
        , chain(chain)
        , first(first)
    {
    }
    ~ChainMark() override
    {
        if (owner)
            owner->forget(chain);
    }
    void undo() override
    {
        if (owner)
            owner->marked(chain, first, false);
    }
    void redo() override
    {
        if (owner)
            owner->marked(chain, first, true);
    }

    QPointer<UndoChain> owner;
    int chain;
    bool first;
};

UndoChain::UndoChain(QTextDocument *document)
    : QObject(document)
    , m_document(document)
{
    setObjectName(QStringLiteral("undoChain"));
}

UndoChain *UndoChain::of(QTextDocument *document)
{
    if (auto *chain = document->findChild<UndoChain *>(QStringLiteral("undoChain"), Qt::FindDirectChildrenOnly))
        return chain;
    return new UndoChain(document);
}

int UndoChain::begin()
{
    const int chain = m_next++;
    m_ranges[chain] = {m_document->availableUndoSteps(), -1};
    m_document->appendUndoItem(new ChainMark(this, chain, true));
    return chain;
}

void UndoChain::end(int chain)
{
    m_document->appendUndoItem(new ChainMark(this, chain, false));
    m_ranges[chain].second = m_document->availableUndoSteps();
}

void UndoChain::abandon(int chain)
{
    QPair<int, int> &range = m_ranges[chain];
    range.second = m_document->availableUndoSteps();
    m_inside = chain;
    m_start = range.first;
    m_end = range.second;
}

int UndoChain::applied(const QTextDocument *document) const
{
    return qBound(0, document->availableUndoSteps() - m_start, length());
}

void UndoChain::marked(int chain, bool first, bool redone)
{
    // Undone, the last block's mark comes first and the first block's last; redone, the other
    // way round. Between the two the chain is half applied.
    const bool entering = first == redone;
    m_inside = entering ? chain : 0;
    if (entering) {
        const QPair<int, int> range = m_ranges.value(chain);
        m_start = range.first;
        m_end = range.second;
    }
}

void UndoChain::forget(int chain)
{
    if (m_inside == chain)
        m_inside = 0;
    m_ranges.remove(chain);
}
