// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DOCUMENTTEXT_H
#define DOCUMENTTEXT_H

#include "core/documentfile.h"

#include <QString>

class QTextDocument;

// The document's characters from `from` to `to`, paragraph breaks as U+2029: a copy of that
// range alone, where toRawText() and toPlainText() copy the whole document.
QString documentText(QTextDocument *document, int from, int to);

// Takes a range of a large document a slice at a time, for WorkProgress::runInSlices: each
// step copies half a megabyte (some 5 ms) onto what the steps before took.
class TextTaker
{
public:
    TextTaker(QTextDocument *document, int from, int to);
    // Takes the next slice; true once the whole range is taken.
    bool step(const Progress &progress);
    // What was taken, as raw text.
    QString take();

private:
    QTextDocument *m_document;
    int m_from;
    int m_at;
    int m_to;
    QString m_text;
};

#endif
