// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/spellchecker.h"
#include "core/persianwords.h"
#include "core/safesave.h"
#include "core/spellranking.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTextBoundaryFinder>
#include <QTextCodec>
#include <algorithm>
#include <functional>
#include <hunspell.hxx>

namespace {

using SpellRanking::Script;

const QChar Zwnj(0x200C);

// Harakat, the superscript Alef, tatweel, the joiner and the direction marks change neither
// the word nor its spelling.
bool isIgnorable(ushort u)
{
    return (u >= 0x064B && u <= 0x065F) || u == 0x0670 || u == 0x0640 || u == 0x200D || u == 0x200E
        || u == 0x200F || u == 0x061C || u == 0x00AD || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

bool isPersianOnly(ushort u)
{
    return u == 0x067E || u == 0x0686 || u == 0x0698 || u == 0x06AF || u == 0x06A9 || u == 0x06CC;
}

// Teh Marbuta and the Hamza forms.
bool isArabicOnly(ushort u)
{
    return u == 0x0629 || u == 0x0623 || u == 0x0625 || u == 0x0624 || u == 0x0626;
}

// The vowel marks and Alef Maksura: Arabic writes them, and Persian too, the marks on the Arabic
// words it uses (حتماً, لطفاً) and the Alef Maksura for Yeh in files typed on an Arabic keyboard,
// so they tell the language only where nothing else does.
bool isWeakArabicSign(ushort u)
{
    return (u >= 0x064B && u <= 0x0652) || u == 0x0670 || u == 0x0649;
}

struct Signs {
    int persian = 0;
    int arabic = 0;
    int weak = 0;
};

Signs signsOf(QStringView text)
{
    Signs signs;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x0620 || u > 0x06FF)
            continue;
        if (isPersianOnly(u))
            ++signs.persian;
        else if (isArabicOnly(u))
            ++signs.arabic;
        else if (isWeakArabicSign(u))
            ++signs.weak;
    }
    return signs;
}

enum class Language { Persian, Arabic, English };
// Which dictionaries judge a word: one, or either Arabic-script one.
enum class Judge { Persian, Arabic, English, EitherArabicScript, Nobody };

// `undecided` judges the words of a paragraph whose letters give no sign either way: the
// language its other words speak, where they tell.
using Undecided = std::function<Judge()>;

Judge judgeFor(QStringView word, const Signs &paragraph, const Undecided &undecided = {})
{
    for (const QChar c : word) {
        if (c.isLetter()) {
            const QChar::Script script = c.script();
            if (script == QChar::Script_Latin)
                return Judge::English;
            if (script != QChar::Script_Arabic)
                return Judge::Nobody;
            break;
        }
    }
    const Signs own = signsOf(word);
    if (own.persian > 0)
        return Judge::Persian;
    // An Arabic form inside a Persian paragraph is an Arabic loan as Persian spells it as often.
    if (own.arabic > 0)
        return paragraph.persian > 0 ? Judge::EitherArabicScript : Judge::Arabic;
    if (paragraph.persian > 0 && paragraph.arabic == 0)
        return Judge::Persian;
    if (paragraph.arabic > 0 && paragraph.persian == 0)
        return Judge::Arabic;
    if (paragraph.persian > 0 || paragraph.arabic > 0)
        return Judge::EitherArabicScript;
    // Letters of neither: the words decide.
    const Judge byWords = undecided ? undecided() : Judge::EitherArabicScript;
    return byWords == Judge::EitherArabicScript && own.weak > 0 ? Judge::Arabic : byWords;
}

QString stripIgnorable(QStringView word)
{
    QString out;
    out.reserve(word.size());
    for (const QChar c : word)
        if (!isIgnorable(c.unicode()))
            out.append(c);
    // A non-joiner or an apostrophe at either end belongs to no part of the word.
    const auto edge = [](QChar c) { return c == Zwnj || c == QLatin1Char('\'') || c == QChar(0x2019); };
    int from = 0;
    int to = out.size();
    while (from < to && edge(out.at(from)))
        ++from;
    while (to > from && edge(out.at(to - 1)))
        --to;
    return out.mid(from, to - from);
}

// Web and mail addresses, whose parts are no words.
const QRegularExpression &addressPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("(?:[A-Za-z][A-Za-z0-9+.-]*://|www\\.)\\S+|[^\\s@]+@[^\\s@]+\\.[^\\s@]+"));
    return pattern;
}

// Letters joined to this word by a dot, a slash or an underscore: a file name, a domain, a path.
bool isJoinedToMore(const QString &paragraph, int start, int end)
{
    const auto joiner = [](QChar c) {
        return c == QLatin1Char('.') || c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('_');
    };
    if (start >= 2 && joiner(paragraph.at(start - 1)) && paragraph.at(start - 2).isLetterOrNumber())
        return true;
    return end + 1 < paragraph.size() && joiner(paragraph.at(end)) && paragraph.at(end + 1).isLetterOrNumber();
}

bool hasDigit(QStringView word)
{
    return std::any_of(word.begin(), word.end(), [](QChar c) { return c.isDigit() || c.category() == QChar::Number_Other; });
}

bool isAllCapitals(const QString &word)
{
    int letters = 0;
    for (const QChar c : word) {
        if (c.isLower())
            return false;
        if (c.isLetter())
            ++letters;
    }
    return letters > 1;
}

QMutex &foldersMutex()
{
    static QMutex mutex;
    return mutex;
}

QStringList &foldersOverride()
{
    static QStringList folders;
    return folders;
}

bool &foldersOverridden()
{
    static bool overridden = false;
    return overridden;
}

QStringList dictionaryNames(SpellLanguage language)
{
    switch (language) {
    case SpellLanguage::Persian: return {QStringLiteral("fa_IR"), QStringLiteral("fa")};
    case SpellLanguage::Arabic: return {QStringLiteral("ar"), QStringLiteral("ar_SA"), QStringLiteral("ar_EG")};
    case SpellLanguage::English:
        return {QStringLiteral("en_US"), QStringLiteral("en_GB"), QStringLiteral("en_CA"), QStringLiteral("en_AU")};
    }
    Q_UNREACHABLE();
}

// One language's dictionary, speaking its own encoding.
class Dictionary
{
public:
    // `added` goes into the dictionary when it loads.
    explicit Dictionary(SpellLanguage language, const QStringList &added = {})
        : m_language(language)
        , m_added(added)
    {
    }

    // Loads on first use; false when the system has no dictionary for the language.
    bool available()
    {
        if (!m_tried) {
            m_tried = true;
            const QString aff = spellDictionary(m_language);
            if (!aff.isEmpty()) {
                const QString dic = aff.left(aff.size() - 4) + QStringLiteral(".dic");
                m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData());
                const QByteArray encoding = QByteArray::fromStdString(m_hunspell->get_dict_encoding()).trimmed();
                if (encoding.compare("UTF-8", Qt::CaseInsensitive) != 0) {
                    // Hunspell names ISO 8859 without its dash; the codec registry wants it.
                    QByteArray name = encoding;
                    if (name.toUpper().startsWith("ISO8859"))
                        name.insert(3, '-');
                    m_codec = QTextCodec::codecForName(name);
                    if (!m_codec)
                        m_hunspell.reset();
                }
                for (const QString &word : qAsConst(m_added))
                    addLoaded(word);
            }
        }
        return m_hunspell != nullptr;
    }

    bool spell(const QString &word)
    {
        const auto it = m_cache.constFind(word);
        if (it != m_cache.constEnd())
            return *it;
        std::string encoded;
        const bool known = available() && encode(word, &encoded) && m_hunspell->spell(encoded);
        if (m_cache.size() > 200000)
            m_cache.clear();
        m_cache.insert(word, known);
        return known;
    }

    QStringList suggest(const QString &word)
    {
        std::string encoded;
        if (!available() || !encode(word, &encoded))
            return {};
        QStringList out;
        for (const std::string &s : m_hunspell->suggest(encoded))
            out.append(decode(s));
        return out;
    }

    void add(const QString &word)
    {
        m_added.append(word);
        addLoaded(word);
        m_cache.clear();
    }

private:
    void addLoaded(const QString &word)
    {
        std::string encoded;
        if (m_hunspell && encode(word, &encoded))
            m_hunspell->add(encoded);
    }

    bool encode(const QString &word, std::string *out) const
    {
        if (!m_codec) {
            *out = word.toStdString();
            return true;
        }
        if (!m_codec->canEncode(word))
            return false;
        *out = m_codec->fromUnicode(word).toStdString();
        return true;
    }

    QString decode(const std::string &s) const
    {
        return m_codec ? m_codec->toUnicode(s.data(), int(s.size())) : QString::fromStdString(s);
    }

    SpellLanguage m_language;
    QStringList m_added;
    bool m_tried = false;
    std::unique_ptr<Hunspell> m_hunspell;
    QTextCodec *m_codec = nullptr;
    QHash<QString, bool> m_cache;
};

const double BuiltCost = 0.4;

struct Ranked {
    QString word;
    double cost;
    int order;
};

}

struct SpellChecker::Private {
    Dictionary persian{SpellLanguage::Persian, PersianWords::supplement()};
    Dictionary arabic{SpellLanguage::Arabic};
    Dictionary english{SpellLanguage::English};
    PersianWords persianWords{[this](const QString &word) { return persian.spell(word); }};

    bool personalLoaded = false;
    QStringList personalWords;
    QSet<QString> personal; // as keyOf() has them
    QSet<QString> ignored;

    // Paragraphs with Persian and with Arabic signs among those checked lately, older ones
    // weighing less: the document's majority, for words no paragraph decides.
    double persianWeight = 0;
    double arabicWeight = 0;

    static QString keyOf(const QString &word) { return PersianWords::fold(word); }

    Dictionary &dictionary(Language language)
    {
        return language == Language::Persian ? persian : language == Language::Arabic ? arabic : english;
    }

    void loadPersonal()
    {
        if (personalLoaded)
            return;
        personalLoaded = true;
        QFile file(personalDictionaryPath());
        if (!file.open(QIODevice::ReadOnly))
            return;
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QString word = line.trimmed();
            if (!word.isEmpty() && !personal.contains(keyOf(word))) {
                personalWords.append(word);
                personal.insert(keyOf(word));
                // So that suggestions can offer it too.
                for (Dictionary *dictionary : {&persian, &arabic, &english})
                    dictionary->add(word);
            }
        }
        persianCache.clear();
    }

    // Taking a Persian word apart asks the dictionary many times; a paragraph's language asks
    // of every word again.
    QHash<QString, bool> persianCache;

    bool acceptsPersian(const QString &word)
    {
        const auto it = persianCache.constFind(word);
        if (it != persianCache.constEnd())
            return *it;
        const bool known = persianWords.accepts(word);
        if (persianCache.size() > 200000)
            persianCache.clear();
        persianCache.insert(word, known);
        return known;
    }

    // A suffix written on after a word's final Heh set apart by a non-joiner, as Persian spells
    // it (نویسنده‌اش, خانه‌ها): written on, the Heh joins the suffix as it never does. A word
    // the dictionary holds whole (مهمان) stays as it is.
    QString withSuffixApart(const QString &word)
    {
        if (word.contains(Zwnj) || persian.spell(word))
            return word;
        for (int i = 2; i + 1 < word.size(); ++i) {
            if (word.at(i - 1) != QChar(0x0647) || !PersianWords::isAffix(QStringView(), QStringView(word).mid(i)))
                continue;
            const QString apart = word.left(i) + Zwnj + word.mid(i);
            if (persian.spell(word.left(i)) && acceptsPersian(apart))
                return apart;
        }
        return word;
    }

    bool acceptsArabic(const QString &word)
    {
        if (!arabic.spell(word))
            return false;
        // The article takes no pronoun after the word, so a final Heh after it is a Teh
        // Marbuta written without its dots (المدرسه) wherever the dictionary knows that word.
        return !(word.endsWith(QChar(0x0647)) && hasArticle(word) && arabic.spell(word.left(word.size() - 1) + QChar(0x0629)));
    }

    // ال, after the conjunctions and prepositions that join it (وال, بال, فال, كال, وبال), or لل.
    static bool hasArticle(const QString &word)
    {
        static const QRegularExpression article(QStringLiteral("^(?:[وف]?[بك]?ال|[وف]?لل)..."));
        return article.match(word).hasMatch();
    }

    bool accepts(Language language, const QString &word)
    {
        switch (language) {
        case Language::Persian: return acceptsPersian(word);
        case Language::Arabic: return acceptsArabic(word);
        case Language::English: return english.spell(word);
        }
        Q_UNREACHABLE();
    }

    bool isCorrect(QStringView raw, const Signs &paragraph, const Undecided &undecided)
    {
        const QString word = stripIgnorable(raw);
        if (word.isEmpty() || ignored.contains(keyOf(word)) || personal.contains(keyOf(word)))
            return true;
        switch (judgeFor(raw, paragraph, undecided)) {
        case Judge::English:
            return isAllCapitals(word) || !english.available() || english.spell(QString(word).replace(QChar(0x2019), QLatin1Char('\'')));
        case Judge::Persian:
            return !persian.available() || acceptsPersian(word);
        case Judge::Arabic:
            return !arabic.available() || acceptsArabic(word);
        case Judge::EitherArabicScript:
            // With one of the two missing, a word that only the other would know goes unjudged.
            return !persian.available() || !arabic.available() || acceptsPersian(word) || acceptsArabic(word);
        case Judge::Nobody:
            return true;
        }
        Q_UNREACHABLE();
    }

    Language majority() const { return arabicWeight > persianWeight ? Language::Arabic : Language::Persian; }

    // The language whose dictionary knows more of the paragraph's other words, or else the
    // document's majority.
    Language languageOfWords(const QString &paragraph, const SpellChecker::Misspelling &skip)
    {
        const Judge judge = judgeOfWords(paragraph, skip);
        return judge == Judge::Persian ? Language::Persian : judge == Judge::Arabic ? Language::Arabic : majority();
    }

    // Persian or Arabic when more of the paragraph's words are known to that language's
    // dictionary alone, or else either.
    Judge judgeOfWords(const QString &paragraph, const SpellChecker::Misspelling &skip = {-1, 0})
    {
        int persianVotes = 0;
        int arabicVotes = 0;
        QTextBoundaryFinder finder(QTextBoundaryFinder::Word, paragraph);
        int start = 0;
        while (finder.toNextBoundary() != -1) {
            const int end = finder.position();
            const QString word = stripIgnorable(QStringView(paragraph).mid(start, end - start));
            const bool skipped = start == skip.start;
            start = end;
            if (skipped || word.isEmpty() || !word.at(0).isLetter() || word.at(0).script() != QChar::Script_Arabic)
                continue;
            const bool inPersian = acceptsPersian(word);
            const bool inArabic = acceptsArabic(word);
            if (inPersian != inArabic)
                ++(inPersian ? persianVotes : arabicVotes);
        }
        if (persianVotes != arabicVotes)
            return persianVotes > arabicVotes ? Judge::Persian : Judge::Arabic;
        return Judge::EitherArabicScript;
    }

    void noteParagraph(const Signs &signs)
    {
        if (signs.persian == 0 && signs.arabic == 0)
            return;
        persianWeight = 0.98 * persianWeight + (signs.persian >= signs.arabic ? 1 : 0);
        arabicWeight = 0.98 * arabicWeight + (signs.arabic > signs.persian ? 1 : 0);
    }
};

SpellChecker::SpellChecker()
    : d(std::make_unique<Private>())
{
}

SpellChecker::~SpellChecker() = default;

QVector<SpellChecker::Misspelling> SpellChecker::check(const QString &paragraph) const
{
    QVector<Misspelling> found;
    if (paragraph.isEmpty())
        return found;
    d->loadPersonal();
    const Signs signs = signsOf(paragraph);
    d->noteParagraph(signs);

    QVector<QPair<int, int>> addresses;
    if (paragraph.contains(QLatin1Char('@')) || paragraph.contains(QLatin1String("://")) || paragraph.contains(QLatin1String("www."))) {
        auto it = addressPattern().globalMatch(paragraph);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            addresses.append({match.capturedStart(), match.capturedEnd()});
        }
    }

    // Asked once, and only for a paragraph whose letters leave a word's language open.
    bool voted = false;
    Judge byWords = Judge::EitherArabicScript;
    const Undecided undecided = [&] {
        if (!voted) {
            voted = true;
            byWords = d->judgeOfWords(paragraph);
        }
        return byWords;
    };

    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, paragraph);
    int start = 0;
    while (finder.toNextBoundary() != -1) {
        const int end = finder.position();
        const QStringView word = QStringView(paragraph).mid(start, end - start);
        const int wordStart = start;
        start = end;
        if (!std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); }) || hasDigit(word))
            continue;
        if (std::any_of(addresses.cbegin(), addresses.cend(), [&](const QPair<int, int> &a) { return wordStart < a.second && end > a.first; }))
            continue;
        if (isJoinedToMore(paragraph, wordStart, end))
            continue;
        if (!d->isCorrect(word, signs, undecided))
            found.append({wordStart, end - wordStart});
    }
    return found;
}

QStringList SpellChecker::suggestions(const QString &paragraph, const Misspelling &misspelling) const
{
    const QString word = stripIgnorable(QStringView(paragraph).mid(misspelling.start, misspelling.length));
    if (word.isEmpty())
        return {};
    const Signs signs = signsOf(paragraph);
    Language language = Language::English;
    Script script = Script::Latin;
    switch (judgeFor(QStringView(paragraph).mid(misspelling.start, misspelling.length), signs,
                     [&] { return d->judgeOfWords(paragraph, misspelling); })) {
    case Judge::Nobody: return {};
    case Judge::English: break;
    case Judge::Persian: language = Language::Persian; break;
    case Judge::Arabic: language = Language::Arabic; break;
    case Judge::EitherArabicScript:
        language = signs.persian > 0 ? Language::Persian : d->languageOfWords(paragraph, misspelling);
        break;
    }
    if (language != Language::English)
        script = language == Language::Persian ? Script::Persian : Script::Arabic;
    Dictionary &dictionary = d->dictionary(language);
    if (!dictionary.available())
        return {};

    QString base = language == Language::Persian ? PersianWords::fold(word) : word;
    if (script == Script::Latin)
        base.replace(QChar(0x2019), QLatin1Char('\''));
    const auto accepted = [&](const QString &candidate) {
        const int space = candidate.indexOf(QLatin1Char(' '));
        if (space < 0)
            return d->accepts(language, candidate);
        // Two words run together: each half a word of two letters or more.
        const QString left = candidate.left(space);
        const QString right = candidate.mid(space + 1);
        return left.size() > 1 && right.size() > 1 && d->accepts(language, left) && d->accepts(language, right);
    };

    // A Persian word the dictionary holds as it is comes before one built from a stem and
    // endings: the dictionary's own words are the common ones, and a typo near a stem is near
    // many forms of it.
    const auto built = [&](const QString &candidate) {
        return language == Language::Persian && !d->persian.spell(candidate) ? BuiltCost : 0.0;
    };
    QHash<QString, Ranked> ranked;
    for (const SpellRanking::Candidate &candidate : SpellRanking::oneEditAway(base, script))
        if (accepted(candidate.word))
            ranked.insert(candidate.word, {candidate.word, candidate.cost + built(candidate.word), 0});
    // The dictionary's own list breaks ties, and brings words that lie further away. English
    // dictionaries carry tables of common misspellings, so their order counts for more.
    const double trust = language == Language::English ? 0.3 : 0.1;
    const QStringList own = dictionary.suggest(base);
    for (int i = 0; i < own.size(); ++i) {
        const QString &candidate = own.at(i);
        // The dictionary splits words freely; two words for one come after every single word
        // it offers.
        const bool split = std::any_of(candidate.cbegin(), candidate.cend(), [&](QChar c) {
            return (c == QLatin1Char(' ') || c == QLatin1Char('-')) && !base.contains(c);
        });
        auto it = ranked.find(candidate);
        if (it != ranked.end()) {
            if (!split)
                it->cost -= trust / (1 + i);
            it->order = i + 1;
        } else {
            ranked.insert(candidate, {candidate, SpellRanking::fartherCost(split ? i + 10 : i) + built(candidate), i + 1});
        }
    }

    QVector<Ranked> list = ranked.values().toVector();
    std::sort(list.begin(), list.end(), [](const Ranked &a, const Ranked &b) {
        if (a.cost != b.cost)
            return a.cost < b.cost;
        if ((a.order == 0) != (b.order == 0))
            return a.order != 0;
        if (a.order != b.order)
            return a.order < b.order;
        return a.word < b.word;
    });
    QStringList out;
    for (const Ranked &r : list) {
        if (d->ignored.contains(Private::keyOf(r.word)))
            continue;
        const QString word = language == Language::Persian ? d->withSuffixApart(r.word) : r.word;
        if (!out.contains(word) && word != base)
            out.append(word);
        if (out.size() == 7)
            break;
    }
    return out;
}

void SpellChecker::addToPersonalDictionary(const QString &word)
{
    const QString clean = stripIgnorable(word.trimmed());
    if (clean.isEmpty() || clean.contains(QLatin1Char('\n')))
        return;
    d->loadPersonal();
    // Another window may have added words since this one read the list: they stay.
    QFile file(personalDictionaryPath());
    if (file.open(QIODevice::ReadOnly)) {
        for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QString known = line.trimmed();
            if (!known.isEmpty() && !d->personal.contains(Private::keyOf(known))) {
                d->personalWords.append(known);
                d->personal.insert(Private::keyOf(known));
            }
        }
        file.close();
    }
    if (!d->personal.contains(Private::keyOf(clean))) {
        d->personalWords.append(clean);
        d->personal.insert(Private::keyOf(clean));
    }
    for (Dictionary *dictionary : {&d->persian, &d->arabic, &d->english})
        dictionary->add(clean);
    d->persianCache.clear();
    QDir().mkpath(QFileInfo(file.fileName()).absolutePath());
    SafeSave::write(file.fileName(), (d->personalWords.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

void SpellChecker::ignoreAll(const QString &word)
{
    const QString clean = stripIgnorable(word);
    if (!clean.isEmpty())
        d->ignored.insert(Private::keyOf(clean));
}

QString spellDictionary(SpellLanguage language)
{
    for (const QString &folder : spellDictionaryFolders()) {
        for (const QString &name : dictionaryNames(language)) {
            const QString aff = folder + QLatin1Char('/') + name + QStringLiteral(".aff");
            if (QFileInfo(aff).isFile() && QFileInfo(folder + QLatin1Char('/') + name + QStringLiteral(".dic")).isFile())
                return aff;
        }
    }
    return QString();
}

QStringList spellDictionaryFolders()
{
    {
        QMutexLocker lock(&foldersMutex());
        if (foldersOverridden())
            return foldersOverride();
    }
    QStringList folders = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("hunspell"),
                                                    QStandardPaths::LocateDirectory);
    for (const QString &fallback : {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell"),
                                    QStringLiteral("/usr/share/myspell/dicts")})
        if (!folders.contains(fallback))
            folders.append(fallback);
    return folders;
}

void setSpellDictionaryFolders(const QStringList &folders)
{
    QMutexLocker lock(&foldersMutex());
    foldersOverride() = folders;
    foldersOverridden() = true;
}

QString personalDictionaryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/personal-dictionary.txt");
}
