// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/print/linewalker.h"
#include "gui/print/printsource.h"

namespace {

int paragraphEnd(const QString &text, int from)
{
    const int size = text.size();
    const QChar *data = text.constData();
    while (from < size && !isParagraphBreak(data[from]))
        ++from;
    return from;
}

// Where a piece that starts at `from` ends: after a space near the piece's length, so that the
// line it cuts is an ordinary one, and never inside a surrogate pair.
int pieceEnd(const QString &text, int from, int paragraphEnd)
{
    if (paragraphEnd - from <= LineWalker::PieceLength * 3 / 2)
        return paragraphEnd;
    int end = from + LineWalker::PieceLength;
    for (int at = end; at > end - 512; --at) {
        if (text.at(at - 1).isSpace())
            return at;
    }
    if (text.at(end).isLowSurrogate())
        ++end;
    return end;
}

}

LineWalker::LineWalker(const QString &text, const QTextOption &option)
    : m_text(text)
    , m_option(option)
{
}

void LineWalker::start(int paragraph, int line)
{
    startParagraph(paragraph, qMax(paragraph, line));
}

void LineWalker::startParagraph(int paragraph, int line)
{
    m_paragraphStart = paragraph;
    m_paragraphEnd = paragraphEnd(m_text, paragraph);
    m_rightToLeft = isRightToLeft(QStringView(m_text).mid(paragraph, m_paragraphEnd - paragraph), m_option);
    layOutPiece(line);
}

void LineWalker::layOutPiece(int from)
{
    const int end = pieceEnd(m_text, from, m_paragraphEnd);
    const int lines = layOut(from, end, m_rightToLeft);
    m_usable = end < m_paragraphEnd && lines > 1 ? lines - 1 : lines;
    m_nextPiece = m_usable < lines ? from + lineOffset(m_usable) : end;
    m_pieceStart = from;
    m_line = 0;
}

bool LineWalker::next()
{
    if (m_line + 1 < m_usable) {
        ++m_line;
        return true;
    }
    if (m_nextPiece < m_paragraphEnd) {
        layOutPiece(m_nextPiece);
        return true;
    }
    if (m_paragraphEnd >= m_text.size())
        return false;
    startParagraph(m_paragraphEnd + 1, m_paragraphEnd + 1);
    return true;
}

int LineWalker::lineStart() const
{
    return m_pieceStart + lineOffset(m_line);
}
