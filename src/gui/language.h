// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANGUAGE_H
#define LANGUAGE_H

#include <QLocale>
#include <QString>

// The language of the interface: English (the texts in the source), Persian or Arabic, chosen in
// the View menu or taken from the system locale, and stored under `language`.
namespace Language {

// The stored choice: "system" (also when nothing is stored), "en", "fa" or "ar".
QString storedChoice();
void storeChoice(const QString &choice);

// The language a choice stands for: "en", "fa" or "ar". "system" reads LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG, in this order, as the C library does.
QString resolve(const QString &choice);

// Installs the translations of Tavlo and of Qt for the language and removes those of the
// previous one. Qt then sends every widget a LanguageChange event, and the layout direction
// of the application follows the translation (right to left for Persian and Arabic).
void apply(const QString &language);

// The language now applied: "en", "fa" or "ar".
QString current();

}

// A number as a message shows it: in the digits of the interface's language, and in English
// exactly as QString::number() writes it.
QString localNumber(qint64 number);

// A text's Latin digits in the digits of the interface's language, so that a version such as
// "1.1.6" reads in the digits of the build number beside it; in English the text as it is.
QString localDigits(const QString &text);

// The locale whose digits the interface's figures take: Persian or Arabic in those interfaces,
// and Latin digits grouped as in English in the English one, whatever the system's locale.
QLocale interfaceLocale();

#endif
