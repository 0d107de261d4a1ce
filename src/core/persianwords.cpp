// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/persianwords.h"

#include <algorithm>
#include <iterator>

namespace {

const QChar Zwnj(0x200C);
const QChar Heh(0x0647);
const QChar Yeh(0x06CC);

QStringList words(const char *spaced)
{
    return QString::fromUtf8(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The suffixes come in two layers: a plural or a comparative, then a pronoun, the copula or
// the indefinite ی, each layer at most once (کتاب‌هایشان, بزرگ‌ترینش, خانه‌ای), so that a
// doubled ending (خانه‌ایی) stays a typo. The plurals ان and یان are written on without a
// non-joiner only.
struct Layer {
    const char *first;
    const char *then; // what may follow it
};
const Layer layers[] = {
    {"", "ی ای ام ات اش اید ایم اند مان تان شان"},
    {"هایی", ""},
    {"های", "م ت ش مان تان شان"},
    {"ها", "ی مان تان شان ست"},
    {"ترین", "ی م ت ش مان تان شان"},
    {"تر", "ی م ت ش مان تان شان"},
};
// The derivational suffixes of trades and places (تعمیرکار, وبگاه, آهنگر, هنرمند) are written
// on too.
const Layer joinedLayers[] = {
    {"کار", "ی ان ها"},
    {"گاه", "ی ها"},
    {"گر", "ی ان ها"},
    {"مند", "ی ان ها"},
    {"یان", "ی م ت ش مان تان شان"},
    {"ان", "ی م ت ش مان تان شان"},
    {"", "م ت ش ست"},
};

// Whether `text` is one of the layer sequences, each tail tried longest first.
bool isLayered(QStringView text, const Layer *table, int count)
{
    for (int i = 0; i < count; ++i) {
        const QString first = QString::fromUtf8(table[i].first);
        if (!text.startsWith(first))
            continue;
        const QStringView rest = text.mid(first.size());
        if (rest.isEmpty() && !first.isEmpty())
            return true;
        for (const QString &then : words(table[i].then))
            if (rest == then)
                return true;
    }
    return false;
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
bool isSuffixChain(QStringView part)
{
    return !part.isEmpty() && isLayered(part, layers, int(std::size(layers)));
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

bool isObjectPronoun(QStringView tail)
{
    for (const char *pronoun : {"ش", "ت", "مان", "تان", "شان"})
        if (tail == QString::fromUtf8(pronoun))
            return true;
    return false;
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
        all << words("برای نیستم نیستی نیست نیستیم نیستید نیستند ایمیل پیامک وبسایت وب‌سایت وبلاگ تئاتر آنلاین "
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
    // After می‌ and نمی‌ a verb, and nothing else.
    if (first == 1 ? !takesMi(parts.at(1)) : !part(parts.at(0)))
        return false;
    // A later part is a word of its own or suffixes; a particle such as ای takes none.
    for (int i = first + 1; i < parts.size(); ++i) {
        if (isSuffixChain(parts.at(i)) && !isObjectPronoun(parts.at(i)) && isConjugatedPast(parts.at(i - 1)))
            return false;
        if (!isSuffixChain(parts.at(i)) && !(parts.at(i).size() > 3 ? part(parts.at(i)) : m_lookup(parts.at(i))))
            return false;
    }
    return true;
}

// A word with no non-joiner, or one part of one.
bool PersianWords::part(const QString &word) const
{
    if (stem(word))
        return true;
    // می and نمی go before verbs alone: a typo that starts with them (میدر) is no word.
    for (const QString &prefix : prefixes())
        if (word.size() - prefix.size() >= 2 && word.startsWith(prefix) && takesMi(word.mid(prefix.size())))
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
    for (int length = qMin(7, int(word.size()) - 2); length > 0; --length) {
        const QStringView tail = QStringView(word).right(length);
        const QString base = word.left(word.size() - length);
        const bool layered = isLayered(tail, layers, int(std::size(layers)));
        const bool joined = isLayered(tail, joinedLayers, int(std::size(joinedLayers)));
        if (!layered && !joined)
            continue;
        // After a final Heh the one-letter pronouns take an Alef (خانه‌ام); the copula loses
        // its Alef after a long vowel alone (زیباست).
        if (length == 1 && base.endsWith(Heh) && tail != QStringView(u"ی"))
            continue;
        if (tail.endsWith(QStringView(u"ست")) && tail.size() == 2 && !endsInVowel(base))
            continue;
        // A conjugated verb takes an object pronoun (دیدمش) but neither the copula nor the
        // indefinite ی: ساختمام is a typo, not ساختم and ام.
        if (!isObjectPronoun(tail) && isConjugatedPast(base))
            continue;
        if (m_lookup(base))
            return true;
        // A final Heh becomes Gaf before the plural ان and the ی of abstract nouns: پرنده,
        // پرندگان; بچه, بچگی.
        if (((joined && tail.startsWith(QStringView(u"ان"))) || tail == QStringView(u"ی")) && base.endsWith(QChar(0x06AF))
            && m_lookup(base.left(base.size() - 1) + Heh))
            return true;
    }
    return false;
}

// A past stem, whose infinitive the dictionary holds, and the first person's ending: ساختم,
// گفتم. The other persons' endings make adjectives as often (شدید, بلند).
bool PersianWords::isConjugatedPast(const QString &word) const
{
    return word.size() >= 3 && word.endsWith(QChar(0x0645)) && m_lookup(word.left(word.size() - 1) + QStringLiteral("ن"));
}

// Whether this can follow می: a present stem that the dictionary writes after می in three
// persons or more, or a past stem, whose infinitive it holds, in most of its persons.
bool PersianWords::takesMi(const QString &word) const
{
    QStringList bases{word};
    for (const QString &person : words("یم ید ند م ی د"))
        if (word.size() - person.size() >= 2 && word.endsWith(person))
            bases << word.left(word.size() - person.size());
    const QString mi = QStringLiteral("می");
    for (const QString &base : qAsConst(bases)) {
        const QStringList persons = endsInVowel(base) ? words("یم یی ید ییم یید یند") : words("م ی د یم ید ند");
        int present = 0;
        for (const QString &person : persons)
            present += m_lookup(mi + base + person) || m_lookup(mi + Zwnj + base + person) ? 1 : 0;
        if (present >= 3)
            return true;
        if (!m_lookup(base + QStringLiteral("ن")))
            continue;
        int past = m_lookup(base) ? 1 : 0;
        for (const QString &person : words("م ی یم ید ند"))
            past += m_lookup(base + person) ? 1 : 0;
        if (past >= 4)
            return true;
    }
    return false;
}

// Whether the dictionary conjugates this word or its stem: most of the six persons are there,
// bare or after می. A present stem alone (شور, آ) is a verb too: the imperative writes it so.
bool PersianWords::isVerb(const QString &word) const
{
    QStringList bases{word};
    if (stem(word)) {
        for (const QString &person : words("یم ید ند م ی د ن ه"))
            if (word.size() - person.size() >= 2 && word.endsWith(person))
                bases << word.left(word.size() - person.size());
    }
    const QString mi = QStringLiteral("می");
    for (const QString &base : qAsConst(bases)) {
        const QStringList persons = endsInVowel(base) ? words("یم یی ید ییم یید یند") : words("م ی د یم ید ند");
        int found = 0;
        for (const QString &person : persons)
            found += m_lookup(base + person) || m_lookup(mi + base + person) || m_lookup(mi + Zwnj + base + person) ? 1 : 0;
        if (found >= 4)
            return true;
    }
    return false;
}
