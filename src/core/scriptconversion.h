// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SCRIPTCONVERSION_H
#define SCRIPTCONVERSION_H

#include <QString>
#include <QVector>

// The Edit > Convert commands. Every mapping turns one UTF-16 unit into one, so a converted
// document keeps every offset: the cursor, the selection and the find cache stay valid.
enum class ScriptConversion {
    PersianLetters,    // Yeh and Alef Maksura to Farsi Yeh, Kaf to Keheh
    ArabicLetters,     // Farsi Yeh to Yeh (or word-finally to Alef Maksura), Keheh to Kaf
    PersianDigits,     // every digit set to the extended Arabic-Indic digits
    ArabicIndicDigits, // every digit set to the Arabic-Indic digits
    LatinDigits,       // every digit set to 0-9
};

bool convertsDigits(ScriptConversion conversion);

struct ConversionResult {
    struct Span {
        int start = 0;
        int length = 0;
    };
    int changed = 0;
    // One span per paragraph that changed: the paragraph's part inside the converted range.
    // Paragraphs end at a line feed, a carriage return or a paragraph separator, so writing a
    // span back never adds or removes a paragraph break.
    QVector<Span> paragraphs;
};

// Converts text[from, to) in place. The text on either side is read, never changed: what
// follows the range decides whether a Farsi Yeh at its end ends a word.
ConversionResult convertScript(QString *text, int from, int to, ScriptConversion conversion,
                               bool finalYehAsAlefMaksura = false);

// Whether the letter at `at` ends a word. Combining marks after it (the vowel signs, shadda,
// sukun) belong to it; a letter, the zero width non-joiner or joiner continues the word: in
// Persian the non-joiner only breaks the joining inside a word (the prefix of "می‌رود", the
// plural suffix of "کتاب‌ها"). Anything else ends it: a space, punctuation, a digit, a mark of
// direction, the end of the text.
bool endsWord(const QString &text, int at);

#endif
