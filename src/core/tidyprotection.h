// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIDYPROTECTION_H
#define TIDYPROTECTION_H

#include "core/tidychars.h"

#include <QString>
#include <QVector>

// What Tidy Persian Text leaves alone, and the line its rules see instead.
namespace Tidy {

// One line of the text, with what the rules must not see (the line outside the range,
// backticked text, the words they leave alone, any character that looks like the placeholder)
// each replaced by a placeholder.
struct LineWork {
    int start = 0;
    int end = 0;
    QVector<Span> spans; // in order and apart, in the text's offsets
    QString work;

    // The work text's offset of a position of the line. One inside a span goes to its
    // placeholder, never the place before it, where an insertion would leave it behind;
    // *inside receives its distance from the span's start.
    int toWork(int position, int *inside) const
    {
        int offset = position - start;
        *inside = 0;
        for (const Span &span : spans) {
            if (position <= span.start)
                break;
            if (position < span.end) {
                *inside = position - span.start;
                return offset - *inside;
            }
            offset -= span.end - span.start - 1;
        }
        return offset;
    }
};

// The line text[start, end) for the rules; what lies outside [partStart, partEnd) is protected.
// `protectable` and `placeholders` say whether the line has characters that protected words or
// placeholders need, and `tick` is the first backticked span that may reach the line.
LineWork lineWork(const QString &text, int start, int end, int partStart, int partEnd, const QVector<Span> &ticks,
                  int tick, bool protectable, bool placeholders);

// The tidied line, the spans back in place of their placeholders; the tracked work offsets
// become offsets into it.
QString restoredLine(const QString &text, const LineWork &line, QVector<int> &tracked, const QVector<int> &inside);

// Runs of backticks and the next run as long close a span; one or two backticks only on their
// own line, three or more (a fence) on any line after it. A run left open is a backtick like any.
QVector<Span> backtickSpans(const QString &text);

// Everything protectWord() protects has one of these; most words have none.
bool marksProtectable(ushort c);

}

#endif
