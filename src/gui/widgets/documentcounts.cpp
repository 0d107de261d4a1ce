// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/documentcounts.h"

#include <QFutureWatcher>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtConcurrent>

namespace {

// An edit that brings more text than this is counted off the GUI thread: a few milliseconds of
// counting on it at most.
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
    m_blockCount = document->blockCount();
    const QString text = document->toRawText();
    if (text.size() > LargeEdit) {
        countInBackground(0, 0, text);
    } else {
        m_counts.assign(ParagraphCounts::countParagraphs(text));
        emit changed();
    }
}

void DocumentCounts::stopCounting()
{
    // A worker holds its own copy of the text and of the flag; it stops at its next look.
    if (m_cancel)
        *m_cancel = true;
    m_cancel.reset();
    m_steps.clear();
    m_late.stop();
}

void DocumentCounts::countInBackground(int first, int removed, const QString &text)
{
    if (!m_cancel)
        m_cancel = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::atomic<bool>> cancel = m_cancel;
    Step step{first, removed, {}, std::make_shared<QFutureWatcher<QVector<TextCounts>>>()};
    connect(step.counting.get(), &QFutureWatcherBase::finished, this, &DocumentCounts::applyArrived);
    step.counting->setFuture(QtConcurrent::run([text, cancel] { return ParagraphCounts::countParagraphs(text, cancel.get()); }));
    if (m_steps.isEmpty())
        m_late.start();
    m_steps.append(step);
}

void DocumentCounts::applyArrived()
{
    bool applied = false;
    while (!m_steps.isEmpty() && (!m_steps.first().counting || m_steps.first().counting->isFinished())) {
        const Step step = m_steps.takeFirst();
        m_counts.replace(step.first, step.removed, step.counting ? step.counting->result() : step.added);
        applied = true;
    }
    if (m_steps.isEmpty()) {
        m_late.stop();
        m_cancel.reset();
    }
    if (applied)
        emit changed();
}

void DocumentCounts::contentsChange(int from, int, int added)
{
    QTextDocument *document = m_document;
    const int blocks = document->blockCount();
    const int blocksBefore = m_blockCount;
    m_blockCount = blocks;
    // The paragraphs from the one the edit starts in to the one it ends in are new; those
    // before and after are the old ones, so the old ones replaced are as many, and as many
    // more as the edit took away.
    const int end = document->characterCount() - 1;
    const QTextBlock first = document->findBlock(qBound(0, from, end));
    const QTextBlock last = document->findBlock(qBound(0, from + added, end));
    const int touched = last.blockNumber() - first.blockNumber() + 1;
    const int removed = touched + blocksBefore - blocks;
    if (added > LargeEdit) {
        QTextCursor part(document);
        part.setPosition(first.position());
        part.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        countInBackground(first.blockNumber(), removed, part.selectedText());
        return;
    }
    Step step{first.blockNumber(), removed, {}, {}};
    step.added.reserve(touched);
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        step.added.append(countText(block.text()));
        if (block == last)
            break;
    }
    if (m_steps.isEmpty()) {
        m_counts.replace(step.first, step.removed, step.added);
        emit changed();
    } else {
        m_steps.append(step);
    }
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
