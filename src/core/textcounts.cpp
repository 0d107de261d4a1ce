// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textcounts.h"

#include <QTextBoundaryFinder>
#include <algorithm>

int countCharacters(QStringView text)
{
    int lowSurrogates = 0;
    for (const QChar c : text)
        lowSurrogates += c.isLowSurrogate();
    return text.size() - lowSurrogates;
}

TextCounts countText(QStringView text)
{
    TextCounts counts;
    counts.characters = countCharacters(text);
    if (text.isEmpty())
        return counts;
    // The finder marks the end of each segment that holds letters, digits or ideographs; spaces
    // and punctuation end no word.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, text.data(), text.size());
    while (finder.toNextBoundary() > 0) {
        if (finder.boundaryReasons() & QTextBoundaryFinder::EndOfItem)
            ++counts.words;
    }
    return counts;
}

QVector<TextCounts> ParagraphCounts::countParagraphs(QStringView text, const std::atomic<bool> *cancelled)
{
    QVector<TextCounts> paragraphs;
    int start = 0;
    for (int at = 0;; ++at) {
        if (at == text.size() || text[at] == QChar::ParagraphSeparator || text[at] == QLatin1Char('\n')) {
            paragraphs.append(countText(text.mid(start, at - start)));
            start = at + 1;
            if (at == text.size())
                break;
            // A look at the flag now and then costs nothing next to counting.
            if (cancelled && (paragraphs.size() & 1023) == 0 && *cancelled)
                return {};
        }
    }
    return paragraphs;
}

void ParagraphCounts::assign(QVector<TextCounts> paragraphs)
{
    m_paragraphs = std::move(paragraphs);
    m_sum = sum(0, m_paragraphs.size());
}

void ParagraphCounts::replace(int first, int removed, const QVector<TextCounts> &added)
{
    first = qBound(0, first, m_paragraphs.size());
    removed = qBound(0, removed, m_paragraphs.size() - first);
    m_sum -= sum(first, first + removed);
    for (const TextCounts &counts : added)
        m_sum += counts;
    // Overwrite what both have, then insert or erase the rest: typing within a paragraph
    // moves nothing.
    const int common = qMin(removed, added.size());
    std::copy(added.cbegin(), added.cbegin() + common, m_paragraphs.begin() + first);
    if (added.size() > removed) {
        m_paragraphs.insert(first + common, added.size() - common, TextCounts());
        std::copy(added.cbegin() + common, added.cend(), m_paragraphs.begin() + first + common);
    } else if (removed > common) {
        m_paragraphs.remove(first + common, removed - common);
    }
}

TextCounts ParagraphCounts::total() const
{
    TextCounts counts = m_sum;
    counts.characters += qMax(0, m_paragraphs.size() - 1);
    return counts;
}

TextCounts ParagraphCounts::sum(int first, int last) const
{
    TextCounts counts;
    for (int i = qMax(0, first); i < qMin(last, m_paragraphs.size()); ++i)
        counts += m_paragraphs.at(i);
    return counts;
}
