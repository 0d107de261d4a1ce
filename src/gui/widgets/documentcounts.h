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
// paragraphs it touched, at once; a new document, or the paragraphs of an edit that brings much
// text, are counted off the GUI thread, and the figures follow a moment later. The edits made
// meanwhile wait and are applied in their order when the counts before them have arrived.
class DocumentCounts : public QObject
{
    Q_OBJECT

public:
    explicit DocumentCounts(QObject *parent = nullptr);
    ~DocumentCounts() override;

    // Counts this document from now on; none stops counting and forgets the figures.
    void setDocument(QTextDocument *document);
    QTextDocument *document() const { return m_document; }

    // False while a count runs off the GUI thread.
    bool isReady() const { return m_steps.isEmpty(); }
    // The figures were asked for a while ago and are still on their way.
    bool isLate() const { return !isReady() && !m_late.isActive(); }
    TextCounts total() const { return m_counts.total(); }
    // The counts of the text from `from` to `to`, the paragraph breaks within counted as
    // characters; whole paragraphs in between are taken from their kept counts. Empty while
    // not ready when the range holds whole paragraphs.
    TextCounts countRange(int from, int to, bool *known = nullptr) const;

signals:
    void changed();

private:
    // Paragraphs [first, first + removed) become `added`, or the paragraphs a worker counts.
    struct Step {
        int first = 0;
        int removed = 0;
        QVector<TextCounts> added;
        std::shared_ptr<QFutureWatcher<QVector<TextCounts>>> counting;
    };
    void contentsChange(int from, int removed, int added);
    void countInBackground(int first, int removed, const QString &text);
    void applyArrived();
    void stopCounting();

    QPointer<QTextDocument> m_document;
    ParagraphCounts m_counts;
    int m_blockCount = 0;
    QVector<Step> m_steps;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QTimer m_late;
};

#endif
