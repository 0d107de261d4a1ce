// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TEXTCOUNTS_H
#define TEXTCOUNTS_H

#include <QStringView>
#include <QVector>
#include <atomic>

// Words and characters of a text, as the status bar shows them. A document holds at most
// 256 MB, so an int holds either count.
struct TextCounts {
    int words = 0;
    // Unicode characters: a surrogate pair counts once, a ZWNJ or a mark like any other.
    int characters = 0;

    TextCounts &operator+=(const TextCounts &other)
    {
        words += other.words;
        characters += other.characters;
        return *this;
    }
    TextCounts &operator-=(const TextCounts &other)
    {
        words -= other.words;
        characters -= other.characters;
        return *this;
    }
    bool operator==(const TextCounts &other) const
    {
        return words == other.words && characters == other.characters;
    }
};

// Words end at Unicode word boundaries (QTextBoundaryFinder), so a ZWNJ (کتاب‌ها) or harakat
// never split a word, and a segment counts as a word when it holds a letter or a digit.
TextCounts countText(QStringView text);
int countCharacters(QStringView text);

// The counts of a document's paragraphs, kept in step with its edits, so that an edit recounts
// only the paragraphs it touched. The paragraph breaks are not in the paragraphs' counts.
class ParagraphCounts
{
public:
    // The counts of each paragraph of a text whose paragraphs end in U+2029 or a line feed; empty
    // when `cancelled` was set before the end.
    static QVector<TextCounts> countParagraphs(QStringView text, const std::atomic<bool> *cancelled = nullptr);

    void assign(QVector<TextCounts> paragraphs);
    // Paragraphs [first, first + removed) become `added`.
    void replace(int first, int removed, const QVector<TextCounts> &added);
    void clear() { assign({}); }

    int size() const { return m_paragraphs.size(); }
    // The whole text, its paragraph breaks counted as characters.
    TextCounts total() const;
    // Paragraphs [first, last), without the breaks between them.
    TextCounts sum(int first, int last) const;

private:
    QVector<TextCounts> m_paragraphs;
    TextCounts m_sum;
};

#endif
