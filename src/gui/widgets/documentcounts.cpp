// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/documentcounts.h"

#include <QFutureWatcher>
#include <QTextBlock>
#include <QTextDocument>
#include <QtConcurrent>

namespace {

// An edit that brings more text than this is counted with the whole document off the GUI
// thread: a few milliseconds of counting on it at most.
constexpr int LargeEdit = 256 * 1024;
// How long old figures may stand for new ones before the status says they are being counted.
constexpr int LateMs = 300;

}

DocumentCounts::DocumentCounts(QObject *parent)
    : QObject(parent)
{
    m_late.setSingleShot(true);
    m_late.setInterval(LateMs);
    connect(&m_late, &QTimer::timeout, this, &DocumentCounts::changed);
}

DocumentCounts::~DocumentCounts()
{
    stopCounting();
}

void DocumentCounts::setDocument(QTextDocument *document)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    stopCounting();
    m_counts.clear();
    if (!document) {
        emit changed();
        return;
    }
    connect(document, &QTextDocument::contentsChange, this, &DocumentCounts::contentsChange);
    countAll();
}

void DocumentCounts::stopCounting()
{
    if (m_cancel)
        *m_cancel = true;
    m_cancel.reset();
    // The worker holds its own copy of the text and of the flag; it stops at the next look.
    delete m_watcher;
    m_watcher = nullptr;
    m_pending.clear();
    m_late.stop();
}

void DocumentCounts::countAll()
{
    stopCounting();
    const QString text = m_document->toRawText();
    m_blockCount = m_document->blockCount();
    if (text.size() <= LargeEdit) {
        m_counts.assign(ParagraphCounts::countParagraphs(text));
        emit changed();
        return;
    }
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    m_cancel = cancel;
    m_watcher = new QFutureWatcher<QVector<TextCounts>>(this);
    connect(m_watcher, &QFutureWatcherBase::finished, this, &DocumentCounts::arrived);
    m_watcher->setFuture(QtConcurrent::run([text, cancel] { return ParagraphCounts::countParagraphs(text, cancel.get()); }));
    m_late.start();
}

void DocumentCounts::arrived()
{
    m_counts.assign(m_watcher->result());
    for (const Edit &edit : qAsConst(m_pending))
        m_counts.replace(edit.first, edit.removed, edit.added);
    m_pending.clear();
    m_watcher->deleteLater();
    m_watcher = nullptr;
    m_cancel.reset();
    m_late.stop();
    emit changed();
}

void DocumentCounts::contentsChange(int from, int, int added)
{
    QTextDocument *document = m_document;
    const int blocks = document->blockCount();
    const int blocksBefore = m_blockCount;
    m_blockCount = blocks;
    if (added > LargeEdit) {
        countAll();
        return;
    }
    // The paragraphs from the one the edit starts in to the one it ends in are new; those
    // before and after are the old ones, so the old ones replaced are as many, and as many
    // more as the edit took away.
    const int end = document->characterCount() - 1;
    const QTextBlock first = document->findBlock(qBound(0, from, end));
    const QTextBlock last = document->findBlock(qBound(0, from + added, end));
    QVector<TextCounts> counts;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        counts.append(countText(block.text()));
        if (block == last)
            break;
    }
    const Edit edit{first.blockNumber(), counts.size() + blocksBefore - blocks, counts};
    if (m_watcher)
        m_pending.append(edit);
    else
        m_counts.replace(edit.first, edit.removed, edit.added);
    emit changed();
}

TextCounts DocumentCounts::countRange(int from, int to, bool *known) const
{
    if (known)
        *known = true;
    if (!m_document || from >= to)
        return {};
    const QTextBlock first = m_document->findBlock(from);
    const QTextBlock last = m_document->findBlock(to);
    if (first == last)
        return countText(QStringView(first.text()).mid(from - first.position(), to - from));
    TextCounts counts = countText(QStringView(first.text()).mid(from - first.position()));
    counts += countText(QStringView(last.text()).left(to - last.position()));
    counts.characters += last.blockNumber() - first.blockNumber();
    if (last.blockNumber() > first.blockNumber() + 1) {
        if (!isReady()) {
            if (known)
                *known = false;
            return {};
        }
        counts += m_counts.sum(first.blockNumber() + 1, last.blockNumber());
    }
    return counts;
}
