// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DOCUMENTCOUNTS_H
#define DOCUMENTCOUNTS_H

#include "core/textcounts.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

class QTextDocument;
template<typename T>
class QFutureWatcher;

// The words and characters of a document, kept in step with its edits. An edit recounts the
// paragraphs it touched, at once; a new document or an edit that brings much text is counted
// off the GUI thread, and the figures follow a moment later. The edits made meanwhile are kept
// and applied to the figures when they arrive.
class DocumentCounts : public QObject
{
    Q_OBJECT

public:
    explicit DocumentCounts(QObject *parent = nullptr);
    ~DocumentCounts() override;

    // Counts this document from now on; none stops counting and forgets the figures.
    void setDocument(QTextDocument *document);
    QTextDocument *document() const { return m_document; }

    // False while the whole document is being counted.
    bool isReady() const { return !m_watcher; }
    // The figures were asked for a while ago and are still on their way.
    bool isLate() const { return m_watcher && !m_late.isActive(); }
    TextCounts total() const { return m_counts.total(); }
    // The counts of the text from `from` to `to`, the paragraph breaks within counted as
    // characters; whole paragraphs in between are taken from their kept counts. Empty while
    // not ready when the range holds whole paragraphs.
    TextCounts countRange(int from, int to, bool *known = nullptr) const;

signals:
    void changed();

private:
    struct Edit {
        int first;
        int removed;
        QVector<TextCounts> added;
    };
    void contentsChange(int from, int removed, int added);
    void countAll();
    void arrived();
    void stopCounting();

    QPointer<QTextDocument> m_document;
    ParagraphCounts m_counts;
    int m_blockCount = 0;
    QVector<Edit> m_pending;
    QFutureWatcher<QVector<TextCounts>> *m_watcher = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QTimer m_late;
};

#endif
