// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SPELLCHECKER_H
#define SPELLCHECKER_H

#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

// Spell checking of Persian, Arabic and English paragraphs against the system's dictionaries,
// which it loads itself when a word first needs one.
//
// Each word goes to the dictionary of its script and language: Latin to English; Arabic script
// to Persian or Arabic by the letters only one of them uses, in the word or else in its
// paragraph, or else by the dictionary that alone knows more of the paragraph's words; a word
// that gives no sign either way is accepted by either dictionary. Persian words are taken apart
// at their zero width non-joiners and from their common affixes, and the letter forms of the
// Arabic keyboard (Yeh, Kaf, Alef Maksura, the Hamza forms) are folded first, so that neither a
// correctly joined compound nor a legacy file is flagged. Harakat, tatweel and the direction
// marks never count. Numbers, words with digits, addresses and file names are left alone.
//
// Not thread-safe: one thread at a time, as the dictionaries behind it are.
class SpellChecker
{
public:
    struct Misspelling {
        int start = 0;
        int length = 0;
    };

    SpellChecker();
    ~SpellChecker();
    SpellChecker(const SpellChecker &) = delete;
    SpellChecker &operator=(const SpellChecker &) = delete;

    // Offsets into the paragraph, in order.
    QVector<Misspelling> check(const QString &paragraph) const;
    // At most seven, best first: the confusions that Persian and Arabic writers make rank above
    // other edits.
    QStringList suggestions(const QString &paragraph, const Misspelling &word) const;
    // Kept in a UTF-8 word list, one word a line, under the user's application data folder.
    void addToPersonalDictionary(const QString &word);
    // For as long as this checker lives.
    void ignoreAll(const QString &word);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

enum class SpellLanguage { Persian, Arabic, English };

// The .aff file of a language's dictionary in the dictionary folders, or empty when none is
// installed.
QString spellDictionary(SpellLanguage language);
// Where dictionaries are looked for, first match winning; the system's folders by default.
// Tests point it elsewhere; a checker reads it when it loads a dictionary.
QStringList spellDictionaryFolders();
void setSpellDictionaryFolders(const QStringList &folders);
// The personal dictionary's file.
QString personalDictionaryPath();

#endif
