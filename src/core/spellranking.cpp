// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/spellranking.h"
#include "core/persianwords.h"

#include <QHash>
#include <QSet>
#include <QtMath>
#include <algorithm>
#include <iterator>

namespace SpellRanking {

namespace {

const QChar Zwnj(0x200C);
const QChar Alef(0x0627);

// The costs of the edits; lower ranks first.
const double ConfusedCost = 1.0;
const double DotCost = 1.25;
const double ZwnjCost = 1.0;
// A non-joiner between two words of their own (پنج‌رخ) rather than before a suffix.
const double ZwnjCompoundCost = 2.75;
const double NeighbourCost = 1.5;
const double TransposeCost = 1.5;
const double DoubledCost = 1.1;
const double VowelCost = 1.75;
// Two words run together are rarer than any slip within one word, and than the first few
// words that the dictionary finds further away.
const double SplitCost = 4.5;
// An Alef written out where Arabic spells the long vowel with a dagger Alef (هاذا, لاكن), or
// left out where it is written (المعلومت).
const double AlefCost = 1.25;
// Writers seldom get a word's first letter wrong.
const double FirstLetterCost = 0.5;
const double OtherCost = 3.0;

const char *persianAlphabet()
{
    // The Hamza forms are left out: a word that differs by them alone is folded to the same.
    return "ابپتثجچحخدذرزژسشصضطظعغفقکگلمنوهیآ";
}

const char *arabicAlphabet()
{
    return "ابتثجحخدذرزسشصضطظعغفقكلمنهويةىآأإؤئء";
}

// Groups of letters taken for one another: by sound, or because the other language's keyboard
// has only one of them. A letter may stand in several groups.
const char *const persianConfusions[] = {
    "زذضظ", "سصث", "تط", "هح", "قغ", "اعآ", "پب", "چج", "ژز", "گک", "یئ", "اأ", "وؤ",
};
const char *const arabicConfusions[] = {
    "ةه", "ىي", "اأإآ", "ءئؤأ", "يئ", "وؤ", "زذضظ", "سصث", "تط", "هح", "قغ", "ضظ", "اء",
};
// Letters that differ by their dots alone: a dot too many, too few or misplaced, a slip of the
// pen and of the eye more than of the ear.
const char *const persianDotPairs[] = {
    "بپتثنی", "جچحخ", "دذ", "رزژ", "سش", "صض", "طظ", "عغ", "فق",
};
const char *const arabicDotPairs[] = {
    "بتثني", "جحخ", "دذ", "رز", "سش", "صض", "طظ", "عغ", "فق",
};

// Keyboard rows, each shifted right from the one above as the keys are. A letter on a shifted
// level sits at the place of its base letter.
struct Row {
    const char *keys;
    double offset;
};
const Row persianRows[] = {
    {"ضصثقفغعهخحجچ", 0},
    {"شسیبلاتنمکگ", 0.25},
    {"ظطزرذدپو", 0.75},
};
const char *const persianShifted[][2] = {{"ژ", "ز"}, {"آ", "ا"}};
const Row arabicRows[] = {
    {"ضصثقفغعهخحجد", 0},
    {"شسيبلاتنمكط", 0.25},
    {"ئءؤر ىةوزظ", 0.75},
};
const char *const arabicShifted[][2] = {{"إ", "ا"}, {"أ", "ا"}, {"آ", "ا"}};
const Row latinRows[] = {
    {"qwertyuiop", 0},
    {"asdfghjkl", 0.25},
    {"zxcvbnm", 0.75},
};

struct KeyPlace {
    int row = -1;
    double x = 0;
};

using Keyboard = QHash<QChar, KeyPlace>;

Keyboard makeKeyboard(const Row *rows, int rowCount, const char *const (*shifted)[2], int shiftedCount)
{
    Keyboard keyboard;
    for (int r = 0; r < rowCount; ++r) {
        const QString keys = QString::fromUtf8(rows[r].keys);
        for (int i = 0; i < keys.size(); ++i)
            if (keys.at(i) != QLatin1Char(' '))
                keyboard.insert(keys.at(i), {r, i + rows[r].offset});
    }
    for (int i = 0; i < shiftedCount; ++i)
        keyboard.insert(QString::fromUtf8(shifted[i][0]).at(0), keyboard.value(QString::fromUtf8(shifted[i][1]).at(0)));
    return keyboard;
}

const Keyboard &keyboardFor(Script script)
{
    static const Keyboard persian = makeKeyboard(persianRows, 3, persianShifted, 2);
    static const Keyboard arabic = makeKeyboard(arabicRows, 3, arabicShifted, 3);
    static const Keyboard latin = makeKeyboard(latinRows, 3, nullptr, 0);
    switch (script) {
    case Script::Persian: return persian;
    case Script::Arabic: return arabic;
    case Script::Latin: return latin;
    }
    Q_UNREACHABLE();
}

bool neighbours(QChar a, QChar b, Script script)
{
    const Keyboard &keyboard = keyboardFor(script);
    const auto pa = keyboard.constFind(a);
    const auto pb = keyboard.constFind(b);
    if (pa == keyboard.constEnd() || pb == keyboard.constEnd())
        return false;
    const int rows = qAbs(pa->row - pb->row);
    const double dx = qAbs(pa->x - pb->x);
    return (rows == 0 && dx <= 1.0) || (rows == 1 && dx < 1.0);
}

QVector<QString> decode(const char *const *groups, int count)
{
    QVector<QString> decoded;
    for (int i = 0; i < count; ++i)
        decoded.append(QString::fromUtf8(groups[i]));
    return decoded;
}

bool inOneGroup(QChar a, QChar b, const QVector<QString> &groups)
{
    return std::any_of(groups.cbegin(), groups.cend(), [&](const QString &group) { return group.contains(a) && group.contains(b); });
}

bool confused(QChar a, QChar b, Script script)
{
    static const QVector<QString> persian = decode(persianConfusions, int(std::size(persianConfusions)));
    static const QVector<QString> arabic = decode(arabicConfusions, int(std::size(arabicConfusions)));
    return script != Script::Latin && inOneGroup(a, b, script == Script::Persian ? persian : arabic);
}

bool dotted(QChar a, QChar b, Script script)
{
    static const QVector<QString> persian = decode(persianDotPairs, int(std::size(persianDotPairs)));
    static const QVector<QString> arabic = decode(arabicDotPairs, int(std::size(arabicDotPairs)));
    return script != Script::Latin && inOneGroup(a, b, script == Script::Persian ? persian : arabic);
}

// The words that Arabic spells with a dagger Alef over a letter, where the ear hears a long
// Alef: those writers most often spell out.
const QSet<QString> &daggerAlefWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const QString &word : QString::fromUtf8("هذا هذه هذان هذين هؤلاء ذلك ذلكم ذلكما لكن لكنه لكنها لكنهم لكني هكذا "
                                                     "أولئك الله لله بالله والله إله الإله الرحمن السموات")
                                       .split(QLatin1Char(' ')))
            set.insert(word);
        return set;
    }();
    return words;
}

QString alphabetFor(Script script)
{
    switch (script) {
    case Script::Persian: return QString::fromUtf8(persianAlphabet());
    case Script::Arabic: return QString::fromUtf8(arabicAlphabet());
    case Script::Latin: return QStringLiteral("abcdefghijklmnopqrstuvwxyz'");
    }
    Q_UNREACHABLE();
}

// A letter typed one time too many: twice in a row, or a neighbour of the letter beside it.
double extraLetterCost(const QString &word, int at, Script script)
{
    const QChar c = word.at(at);
    const QChar before = at > 0 ? word.at(at - 1) : QChar();
    const QChar after = at + 1 < word.size() ? word.at(at + 1) : QChar();
    if (c == before || c == after)
        return DoubledCost;
    if ((!before.isNull() && neighbours(c, before, script)) || (!after.isNull() && neighbours(c, after, script)))
        return NeighbourCost + 0.25;
    return OtherCost - 1.0;
}

// A letter left out: the same letter beside the gap (a doubled letter written once) is the
// likeliest.
double missingLetterCost(const QString &word, int at, QChar letter)
{
    const QChar before = at > 0 ? word.at(at - 1) : QChar();
    const QChar after = at < word.size() ? word.at(at) : QChar();
    if (letter == before || letter == after)
        return DoubledCost;
    return OtherCost - 1.0;
}

}

double substitutionCost(QChar typed, QChar intended, Script script)
{
    if (typed == intended)
        return 0;
    // A Heh for a Teh Marbuta is the common slip; the other way round much less so.
    if (script == Script::Arabic && typed == QChar(0x0629) && intended == QChar(0x0647))
        return NeighbourCost;
    if (confused(typed, intended, script))
        return ConfusedCost;
    if (dotted(typed, intended, script))
        return DotCost;
    static const QString vowels = QStringLiteral("aeiouy");
    if (script == Script::Latin && vowels.contains(typed.toLower()) && vowels.contains(intended.toLower()))
        return VowelCost;
    if (neighbours(typed.toLower(), intended.toLower(), script))
        return NeighbourCost;
    return OtherCost;
}

double fartherCost(int position)
{
    return OtherCost + 1.0 + 0.1 * position;
}

QVector<Candidate> oneEditAway(const QString &word, Script script)
{
    QHash<QString, double> costs;
    const auto offer = [&](const QString &candidate, double cost, bool atStart) {
        if (candidate.isEmpty() || candidate == word)
            return;
        if (atStart)
            cost += FirstLetterCost;
        auto it = costs.find(candidate);
        if (it == costs.end())
            costs.insert(candidate, cost);
        else if (cost < *it)
            *it = cost;
    };

    const QString alphabet = alphabetFor(script);
    const int n = word.size();
    for (int i = 0; i < n; ++i) {
        QString deleted = word;
        deleted.remove(i, 1);
        double extra = word.at(i) == Zwnj ? ZwnjCost : extraLetterCost(word, i, script);
        if (script == Script::Arabic && word.at(i) == Alef && i > 0)
            extra = qMin(extra, daggerAlefWords().contains(deleted) ? ConfusedCost - 0.25 : AlefCost);
        offer(deleted, extra, i == 0);
        if (i + 1 < n && word.at(i) != word.at(i + 1)) {
            QString swapped = word;
            swapped[i] = word.at(i + 1);
            swapped[i + 1] = word.at(i);
            offer(swapped, TransposeCost, i == 0);
        }
        for (QChar letter : alphabet) {
            if (i == 0 && word.at(0).isUpper())
                letter = letter.toUpper();
            if (letter == word.at(i))
                continue;
            QString substituted = word;
            substituted[i] = letter;
            double cost = substitutionCost(word.at(i), letter, script);
            // The article's Alef takes no Hamza, whatever the dictionary lets through.
            if (i == 0 && script == Script::Arabic && word.startsWith(QStringView(u"ال")))
                cost = OtherCost;
            // Sound-alike letters are mixed up at the start of a word as anywhere.
            offer(substituted, cost, i == 0 && cost != ConfusedCost && cost != DotCost);
        }
    }
    for (int i = 0; i <= n; ++i) {
        for (const QChar letter : alphabet) {
            QString inserted = word;
            inserted.insert(i, letter);
            double missing = missingLetterCost(word, i, letter);
            if (script == Script::Arabic && letter == Alef && i > 0)
                missing = qMin(missing, AlefCost);
            offer(inserted, missing, i == 0);
        }
        if (i > 0 && i < n) {
            if (script == Script::Persian && PersianWords::joinsNext(word.at(i - 1)) && word.at(i) != Zwnj) {
                QString joined = word;
                joined.insert(i, Zwnj);
                const bool affix = PersianWords::isAffix(QStringView(word).left(i), QStringView(word).mid(i));
                offer(joined, affix ? ZwnjCost : ZwnjCompoundCost, false);
            }
            QString split = word;
            split.insert(i, QLatin1Char(' '));
            offer(split, SplitCost, false);
        }
    }

    QVector<Candidate> candidates;
    candidates.reserve(costs.size());
    for (auto it = costs.cbegin(); it != costs.cend(); ++it)
        candidates.append({it.key(), it.value()});
    return candidates;
}

}
