// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/documenttext.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr int SliceChars = 1 << 18;

}

QString documentText(QTextDocument *document, int from, int to)
{
    if (to <= from)
        return QString();
    QTextCursor range(document);
    range.setPosition(from);
    range.setPosition(to, QTextCursor::KeepAnchor);
    return range.selectedText();
}

TextTaker::TextTaker(QTextDocument *document, int from, int to)
    : m_document(document)
    , m_from(from)
    , m_at(from)
    , m_to(to)
{
    m_text.reserve(to - from);
}

bool TextTaker::step(const Progress &progress)
{
    const int end = qMin(m_to, m_at + SliceChars);
    m_text += documentText(m_document, m_at, end);
    m_at = end;
    if (progress)
        progress(m_at - m_from, m_to - m_from);
    return m_at >= m_to;
}

QString TextTaker::take()
{
    return std::move(m_text);
}
