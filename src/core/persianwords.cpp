// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/persianwords.h"

#include <algorithm>

namespace {

const QChar Zwnj(0x200C);
const QChar Heh(0x0647);
const QChar Yeh(0x06CC);

QStringList words(const char *spaced)
{
    return QString::fromUtf8(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QStringList longestFirst(QStringList list)
{
    std::stable_sort(list.begin(), list.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return list;
}

// What ends a word and makes another of it: the plurals, the comparative and superlative, the
// indefinite and relative ی, the copula. The possessive pronouns may follow them.
const QStringList &endings()
{
    static const QStringList list = longestFirst(words("ها های هایی تر ترین ی ان یان ام ات اش ای اید ایم اند"));
    return list;
}

const QStringList &pronouns()
{
    static const QStringList list = longestFirst(words("مان تان شان م ت ش"));
    return list;
}

const QStringList &prefixes()
{
    static const QStringList list = words("نمی می");
    return list;
}

// The particles that make compound verbs: برگشت, درآمد, بازکرد.
const QStringList &preverbs()
{
    static const QStringList list = words("بر در باز فرا فرو ور");
    return list;
}

// A first part before a non-joiner that is a verb prefix alone: می, نمی, برمی, درنمی.
bool isPrefixPart(const QString &part)
{
    if (prefixes().contains(part))
        return true;
    for (const QString &preverb : preverbs())
        if (part.startsWith(preverb) && prefixes().contains(part.mid(preverb.size())))
            return true;
    return false;
}

// A part after a non-joiner made of suffixes alone: ها, هایشان, ام, ترین, هاست.
bool isSuffixChain(QStringView part, int depth = 0)
{
    if (part.isEmpty())
        return depth > 0;
    if (depth == 3)
        return false;
    for (const QString &pronoun : pronouns())
        if (part == pronoun)
            return true;
    if (depth > 0 && part == QStringView(u"ست"))
        return true;
    for (const QString &ending : endings())
        if (part.startsWith(ending) && isSuffixChain(part.mid(ending.size()), depth + 1))
            return true;
    return false;
}

// The Hamza forms as Persian also writes them: on Alef as Alef, on Waw as Waw, on Yeh as Yeh or
// as Alef (مسئله, مساله), alone left out.
QStringList hamzaVariants(const QString &word)
{
    if (!std::any_of(word.cbegin(), word.cend(), [](QChar c) {
            const ushort u = c.unicode();
            return u == 0x0621 || u == 0x0623 || u == 0x0625 || u == 0x0624 || u == 0x0626;
        }))
        return {};
    QString yeh;
    QString alef;
    for (const QChar c : word) {
        switch (c.unicode()) {
        case 0x0621: break;
        case 0x0623:
        case 0x0625: yeh += QChar(0x0627); alef += QChar(0x0627); break;
        case 0x0624: yeh += QChar(0x0648); alef += QChar(0x0648); break;
        case 0x0626: yeh += Yeh; alef += QChar(0x0627); break;
        default: yeh += c; alef += c;
        }
    }
    return yeh == alef ? QStringList{yeh} : QStringList{yeh, alef};
}

bool endsInVowel(const QString &word)
{
    const QChar last = word.at(word.size() - 1);
    return last == QChar(0x0627) || last == QChar(0x0648);
}

}

PersianWords::PersianWords(Lookup lookup)
    : m_lookup(std::move(lookup))
{
}

QString PersianWords::fold(const QString &word)
{
    QString out = word;
    for (int i = 0; i < out.size(); ++i) {
        const ushort u = out.at(i).unicode();
        if (u == 0x064A)
            out[i] = Yeh;
        else if (u == 0x0643)
            out[i] = QChar(0x06A9);
        else if (u == 0x0649 && (i + 1 == out.size() || out.at(i + 1) == Zwnj))
            out[i] = Yeh;
        else if (u == 0x06C0)
            out[i] = Heh;
    }
    return out;
}

bool PersianWords::isAffix(QStringView left, QStringView right)
{
    return isPrefixPart(left.toString()) || isSuffixChain(right);
}

bool PersianWords::joinsNext(QChar letter)
{
    static const QString rightJoiningOnly = QString::fromUtf8("اآأإدذرزژوؤة");
    return letter.script() == QChar::Script_Arabic && letter.isLetter() && !rightJoiningOnly.contains(letter);
}

QStringList PersianWords::supplement()
{
    static const QStringList list = [] {
        QStringList numbers = words("صفر یک دو سه چهار پنج شش هفت هشت نه ده یازده دوازده سیزده چهارده پانزده "
                                    "شانزده هفده هجده هیجده نوزده بیست سی چهل پنجاه شصت هفتاد هشتاد نود صد "
                                    "یکصد دویست سیصد چهارصد پانصد ششصد هفتصد هشتصد نهصد هزار میلیون میلیارد "
                                    "بیلیون تریلیون");
        QStringList all = numbers;
        for (const QString &number : qAsConst(numbers)) {
            if (number == QStringLiteral("صفر"))
                continue;
            // سوم, سی‌ام, and the -مین of each.
            QString ordinal = number == QStringLiteral("سه") ? QStringLiteral("سوم")
                : number.endsWith(Yeh)                      ? number + Zwnj + QStringLiteral("ام")
                                                            : number + QStringLiteral("م");
            all << ordinal << ordinal + QStringLiteral("ین");
        }
        all << words("نیستم نیستی نیست نیستیم نیستید نیستند ایمیل پیامک وبسایت وب‌سایت وبلاگ تئاتر آنلاین "
                     "ویدئو ویدیو");
        return all;
    }();
    return list;
}

bool PersianWords::accepts(const QString &word) const
{
    const QString folded = fold(word);
    if (forms(folded))
        return true;
    for (const QString &variant : hamzaVariants(folded))
        if (forms(variant))
            return true;
    return false;
}

bool PersianWords::forms(const QString &word) const
{
    if (m_lookup(word))
        return true;
    if (!word.contains(Zwnj))
        return part(word);
    QString joined = word;
    joined.remove(Zwnj);
    if (m_lookup(joined))
        return true;
    const QStringList parts = word.split(Zwnj, Qt::SkipEmptyParts);
    int first = 0;
    if (parts.size() > 1 && isPrefixPart(parts.constFirst()))
        first = 1;
    if (!part(parts.at(first)))
        return false;
    for (int i = first + 1; i < parts.size(); ++i)
        if (!isSuffixChain(parts.at(i)) && !part(parts.at(i)))
            return false;
    return true;
}

// A word with no non-joiner, or one part of one.
bool PersianWords::part(const QString &word) const
{
    if (stem(word))
        return true;
    for (const QString &prefix : prefixes())
        if (word.size() - prefix.size() >= 2 && word.startsWith(prefix) && stem(word.mid(prefix.size())))
            return true;
    // The negative and the subjunctive before a verb: ندارم, بگو; before Alef-Madda the Alef
    // takes a Yeh: نیامد, بیاورد.
    if (word.size() >= 3 && (word.at(0) == QChar(0x0646) || word.at(0) == QChar(0x0628))) {
        const QString rest = word.mid(1);
        if (rest.size() >= 2 && isVerb(rest))
            return true;
        if (rest.startsWith(QString::fromUtf8("یا")) && isVerb(QString::fromUtf8("آ") + rest.mid(2)))
            return true;
    }
    for (const QString &preverb : preverbs()) {
        if (word.size() - preverb.size() < 3 || !word.startsWith(preverb))
            continue;
        const QString rest = word.mid(preverb.size());
        if (isVerb(rest))
            return true;
        for (const QString &prefix : words("نمی می ن"))
            if (rest.size() - prefix.size() >= 2 && rest.startsWith(prefix) && isVerb(rest.mid(prefix.size())))
                return true;
    }
    return false;
}

bool PersianWords::stem(const QString &word) const
{
    return m_lookup(word) || withEnding(word);
}

// کتابها, بزرگترین, دوستم, دوستانم, پرندگان: suffixes written on without a non-joiner.
bool PersianWords::withEnding(const QString &word) const
{
    const auto plain = [this](const QString &w) {
        if (m_lookup(w))
            return true;
        for (const QString &ending : endings()) {
            if (w.size() - ending.size() < 2 || !w.endsWith(ending))
                continue;
            const QString base = w.left(w.size() - ending.size());
            if (m_lookup(base))
                return true;
            // A final Heh becomes Gaf before the plural ان: پرنده, پرندگان.
            if (ending == QStringLiteral("ان") && base.endsWith(QChar(0x06AF)) && m_lookup(base.left(base.size() - 1) + Heh))
                return true;
        }
        return false;
    };
    for (const QString &ending : endings())
        if (word.size() - ending.size() >= 2 && word.endsWith(ending) && plain(word.left(word.size() - ending.size())))
            return true;
    // The copula after a long vowel loses its Alef: زیباست, کجاست.
    if (word.size() >= 4 && word.endsWith(QStringView(u"ست")) && endsInVowel(word.left(word.size() - 2))
        && plain(word.left(word.size() - 2)))
        return true;
    for (const QString &pronoun : pronouns()) {
        if (word.size() - pronoun.size() < 2 || !word.endsWith(pronoun))
            continue;
        const QString base = word.left(word.size() - pronoun.size());
        // After a final Heh the single-letter pronouns take an Alef (خانه‌ام), which endings() has.
        if (pronoun.size() == 1 && base.endsWith(Heh))
            continue;
        if (plain(base))
            return true;
    }
    return false;
}

// Whether the dictionary conjugates this word or its stem: most of the six persons are there.
bool PersianWords::isVerb(const QString &word) const
{
    if (!stem(word))
        return false;
    QStringList bases{word};
    for (const QString &person : words("یم ید ند م ی د ن ه"))
        if (word.size() - person.size() >= 2 && word.endsWith(person))
            bases << word.left(word.size() - person.size());
    for (const QString &base : qAsConst(bases)) {
        const QStringList persons = endsInVowel(base) ? words("یم یی ید ییم یید یند") : words("م ی د یم ید ند");
        int found = 0;
        for (const QString &person : persons)
            found += m_lookup(base + person) ? 1 : 0;
        if (found >= 4)
            return true;
    }
    return false;
}
