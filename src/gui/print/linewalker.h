// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LINEWALKER_H
#define LINEWALKER_H

#include <QString>
#include <QTextOption>

// Walks the lines of a text in the order they are printed, as a text engine breaks them at the
// page's width. A paragraph is laid out a piece at a time: one of a few million characters would
// otherwise take gigabytes of glyphs. Each piece but the last of a paragraph gives up its last
// line, which the next piece starts with, so the lines break where the whole paragraph's would.
class LineWalker
{
public:
    // Pieces are about this long.
    static constexpr int PieceLength = 8192;

    LineWalker(const QString &text, const QTextOption &option);
    virtual ~LineWalker() = default;

    // Goes to the first line, or to the line that starts at `line` in the paragraph that starts
    // at `paragraph` (both as lineStart() and paragraphStart() gave them before).
    void start(int paragraph = 0, int line = 0);
    // Goes to the next line; false after the last.
    bool next();

    // The current line: its index in the engine's current layout, and where it starts and
    // its paragraph starts in the text.
    int line() const { return m_line; }
    int lineStart() const;
    int paragraphStart() const { return m_paragraphStart; }

protected:
    // Lays out text[from, to) as one paragraph in this direction and gives its number of lines.
    virtual int layOut(int from, int to, bool rightToLeft) = 0;
    // Where line `line` of the last layout starts, counted from its `from`.
    virtual int lineOffset(int line) const = 0;

    const QString m_text;
    const QTextOption m_option;

private:
    void startParagraph(int paragraph, int line);
    void layOutPiece(int from);

    int m_paragraphStart = 0;
    int m_paragraphEnd = 0;
    bool m_rightToLeft = false;
    int m_pieceStart = 0;
    int m_usable = 0;
    int m_nextPiece = 0;
    int m_line = 0;
};

#endif
