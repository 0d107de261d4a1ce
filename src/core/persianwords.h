// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PERSIANWORDS_H
#define PERSIANWORDS_H

#include <QString>
#include <QStringList>
#include <functional>

// Persian words built from the words of a dictionary: the parts of a word joined by zero width
// non-joiners, the verb prefixes (می, نمی, and ن, ب before a verb), the plural, comparative,
// possessive and copula suffixes with or without a non-joiner, and the letter forms of the
// Arabic keyboard and the Hamza forms that Persian writes in more than one way.
class PersianWords
{
public:
    using Lookup = std::function<bool(const QString &)>;

    // `lookup` tells whether the dictionary holds a word as it is.
    explicit PersianWords(Lookup lookup);

    // The word without harakat, tatweel or direction marks.
    bool accepts(const QString &word) const;

    // Arabic Yeh and Kaf, a final Alef Maksura and Heh with Yeh above as Persian writes them.
    static QString fold(const QString &word);

    // Common words that the system's Persian dictionary lacks: the numbers and their ordinals,
    // برای, the negative copula, and a few words of today.
    static QStringList supplement();

    // Whether a zero width non-joiner between these two would set a verb prefix or suffixes
    // apart, as Persian writes them (می‌روم, کتاب‌ها).
    static bool isAffix(QStringView left, QStringView right);

    // Whether a zero width non-joiner after this letter changes anything: only a letter that
    // joins the one after it can be kept from joining.
    static bool joinsNext(QChar letter);

private:
    bool forms(const QString &word) const;
    bool part(const QString &word) const;
    bool stem(const QString &word) const;
    bool withEnding(const QString &word) const;
    bool isVerb(const QString &word) const;
    bool takesMi(const QString &word) const;
    bool isConjugatedPast(const QString &word) const;

    Lookup m_lookup;
};

#endif
