// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textcoherence.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace {

enum class Kind { Separator, Letter, Mark, Joiner, Odd, Bad };

// Punctuation real texts use beyond ASCII; other symbols inside or between words are what a
// wrong code page makes of letters.
bool isUsualPunctuation(uint c)
{
    switch (c) {
    case 0x00A0: case 0x00A1: case 0x00AB: case 0x00B0: case 0x00BB: case 0x00BF:
    case 0x037E: case 0x0387:                           // Greek question mark, ano teleia
    case 0x05BE: case 0x05F3: case 0x05F4:              // maqaf, geresh, gershayim
    case 0x060C: case 0x061B: case 0x061F: case 0x066A: case 0x066B: case 0x066C: case 0x06D4:
    case 0x0E5A: case 0x0E5B:
    case 0x2022: case 0x2026: case 0x2039: case 0x203A: case 0x20AC: case 0x2116: case 0x30FB:
        return true;
    }
    return (c >= 0x2010 && c <= 0x201F)                 // dashes and quotation marks
        || (c >= 0x3000 && c <= 0x303F)                 // CJK punctuation
        || (c >= 0xFF01 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20)
        || (c >= 0xFF3B && c <= 0xFF40) || (c >= 0xFF5B && c <= 0xFF65);
}

Kind kindOf(uint c)
{
    if (c < 0x80) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            return Kind::Letter;
        if ((c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n' || c == '\r' || c == '\f')
            return Kind::Separator;
        return Kind::Bad;
    }
    if (c < 0xA0 || c == 0xFFFD || (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000)
        return Kind::Bad; // C1 controls, substitutes and private use: never in a real text
    if (c == 0x200C || c == 0x200D)
        return Kind::Joiner;
    if (c == 0x200E || c == 0x200F || c == 0xFEFF || isUsualPunctuation(c))
        return Kind::Separator;
    // Arabic presentation forms are glyphs, not text; ª º µ are what Latin-1 makes of letters.
    if ((c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFE) || c == 0xAA || c == 0xBA
        || c == 0xB5)
        return Kind::Odd;
    switch (QChar::category(c)) {
    case QChar::Letter_Uppercase: case QChar::Letter_Lowercase: case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier: case QChar::Letter_Other:
        return Kind::Letter;
    case QChar::Mark_NonSpacing: case QChar::Mark_SpacingCombining: case QChar::Mark_Enclosing:
        return Kind::Mark;
    case QChar::Number_DecimalDigit: case QChar::Separator_Space: case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return Kind::Separator;
    case QChar::Other_Control: case QChar::Other_NotAssigned: case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
        return Kind::Bad;
    default:
        return Kind::Odd;
    }
}

// The script a letter or mark counts for: Han and the kana write one language together. The
// Arabic vowel signs and Hebrew points belong to their script, though Unicode lets them sit
// on any letter; a wrong code page puts them on Latin letters. -1: a letter of every script,
// such as the prolonged sound mark of katakana and hiragana.
int scriptOf(uint c)
{
    if ((c >= 0x064B && c <= 0x065F) || c == 0x0670)
        return QChar::Script_Arabic;
    if (c >= 0x0591 && c <= 0x05C7)
        return QChar::Script_Hebrew;
    const QChar::Script script = QChar::script(c);
    if (script == QChar::Script_Common || script == QChar::Script_Inherited)
        return -1;
    if (script == QChar::Script_Hiragana || script == QChar::Script_Katakana
        || script == QChar::Script_Bopomofo)
        return QChar::Script_Han;
    return script;
}

// How common each BMP letter is in the texts of its script, 0 to 100, looked up lower-cased.
// For the scripts listed below, the letters their languages use most: the lists tell a script
// read right from the same script shuffled by a neighbouring code page. Windows-1256 and
// ISO-8859-6 swap frequent Arabic letters for other frequent ones (Lam for Feh, Meem for Kaf),
// so Arabic script is graded finely.
class Commonness
{
public:
    static const Commonness &instance()
    {
        static const Commonness table;
        return table;
    }
    int of(uint c) const { return c < 0x10000 ? m_table[c] : 0; }

private:
    Commonness()
    {
        m_table.fill(0);
        for (uint c = 0; c < 0x10000; ++c) {
            if (!QChar::isLetter(c))
                continue;
            switch (QChar::script(c)) {
            case QChar::Script_Latin:
                m_table[c] = latin(c);
                break;
            case QChar::Script_Hiragana:
                m_table[c] = 100;
                break;
            case QChar::Script_Katakana:
                // Half-width katakana is what Shift_JIS makes of single high bytes.
                m_table[c] = c >= 0xFF61 ? 20 : 70;
                break;
            case QChar::Script_Cyrillic: case QChar::Script_Greek: case QChar::Script_Hebrew:
            case QChar::Script_Arabic: case QChar::Script_Thai: case QChar::Script_Han:
            case QChar::Script_Hangul:
                break; // listed below
            default:
                m_table[c] = 30; // a script not listed: little for, little against
            }
        }
        struct Letters {
            quint8 weight;
            const char *letters;
        };
        static const Letters mostUsed[] = {
            {100, u8"оеаинтср"}, {60, u8"влкмдпуяыьгзбчйі"}, // Russian and Ukrainian
            {100, u8"αοειτνσςηρπκμυλάέίόήύώ"},
            {100, u8"יוהלמארתב"}, {60, u8"שנדעכםקחןספגצזטךףץ"},
            // Persian, Arabic and Urdu
            {100, u8"اليیونمر"}, {85, u8"هدتب"}, {60, u8"سکعةكفقأى"}, {45, u8"شحجزے"},
            {35, u8"إآخگصطہںھ"}, {20, u8"ضذثغئءپچٹڈڑ"},
            {100, u8"านรอกงมเยวดลทสบตคห"},
            // Chinese, simplified and traditional, and Japanese kanji
            {100, u8"的一是不了人我在有他这這中大来來上国國个個到说說们們为為子和你地出道也时時年得就"
                  u8"那要下以生会會自着著去之过過家学學对對可她里裡后後小么麼心多天而能好都然没沒日于"
                  u8"起还還发發成事只作当當想看文无無开開手十用主行方又如前所本见見经經头頭面公同三已"
                  u8"老从從动動两兩长長知民样樣现現分将將外但身些与與高意进進把法此实實回二理美点點月"
                  u8"明其种種全工己话話儿兒者向情部正名定女问問力给給等几幾很业業最间間新什打便位"
                  u8"因重被走电電四第门門相次东東海口使教西再平真听聽世气氣信北少关關并内加化由却"
                  u8"代山水火木金土车車书書路早晚吃饭飯茶花风風雨雪春夏秋冬街店市场場朋友父母"},
            // Korean
            {100, u8"이다는의에가하고을를지서기사도한대자리로수일어시그나해있정것들아게인니요내주과보"
                  u8"부전상제만우원라면와적중안동습었했까께"},
        };
        for (const Letters &list : mostUsed)
            for (const QChar ch : QString::fromUtf8(list.letters))
                m_table[ch.unicode()] = list.weight;
    }

    static quint8 latin(uint c)
    {
        if (c < 0x80)
            return 100;
        // The accented letters of the languages written in Latin letters, Vietnamese included.
        const bool usual = (c >= 0xC0 && c <= 0xFF) || (c >= 0x100 && c <= 0x17F)
            || c == 0x1A0 || c == 0x1A1 || c == 0x1AF || c == 0x1B0 || (c >= 0x218 && c <= 0x21B)
            || (c >= 0x1EA0 && c <= 0x1EF9);
        // Letters of Latin Extended-A that hardly any text uses.
        static const ushort rare[] = {0x126, 0x127, 0x132, 0x133, 0x138, 0x13F, 0x140, 0x149,
                                      0x14A, 0x14B, 0x166, 0x167, 0x17F};
        if (!usual || std::find(std::begin(rare), std::end(rare), c) != std::end(rare))
            return 20;
        return 60;
    }

    std::array<quint8, 0x10000> m_table;
};

bool isTanween(uint c)
{
    return c >= 0x064B && c <= 0x064D;
}

// Hyphens, dashes and single quotes stand between letters in real words.
bool joinsWords(uint c)
{
    return c >= 0x2010 && c <= 0x2019;
}

// Hebrew writes five letters in a form of their own at the end of a word, and only there.
bool isHebrewFinal(uint c)
{
    return c == 0x05DA || c == 0x05DD || c == 0x05DF || c == 0x05E3 || c == 0x05E5;
}

bool hasHebrewFinal(uint c)
{
    return c == 0x05DB || c == 0x05DE || c == 0x05E0 || c == 0x05E4 || c == 0x05E6;
}

// One run of letters, marks and symbols between separators.
struct Word {
    int letters = 0;
    int asciiLetters = 0;
    int marks = 0;
    int odd = 0;
    int upper = 0;
    int lower = 0;
    int common = 0;           // sum of the letters' commonness
    int script = -1;
    bool judged = false;      // holds something the codec made of a byte beyond ASCII
    bool mixed = false;       // letters of two scripts
    bool caseBroken = false;  // a capital after a small letter
    bool misplaced = false;   // a mark with no letter to sit on, or tanween inside a word
    bool spelledWrong = false; // letters where the script never writes them
    uint lastLetter = 0;
    bool afterLower = false;
    bool afterLetter = false;
    bool tanweenPending = false;

    int weight() const { return letters + marks + odd; }

    double reading() const
    {
        // Marks outnumbering letters are points and vowel signs strewn by a wrong code page.
        if (odd || mixed || misplaced || letters == 0 || marks > letters)
            return 0;
        double value = 0.25 + 0.75 * common / (100.0 * letters);
        // A Hebrew word ends in a final form where it has one; Icelandic's thorn starts words.
        if (caseBroken || spelledWrong || (letters >= 2 && hasHebrewFinal(lastLetter)))
            value *= 0.2;
        else if (upper >= 2 && lower == 0)
            value *= 0.6; // whole words in capitals are rare; shuffled case pages make them
        // Latin words carry some plain letters; accented letters alone are another script
        // read through a Latin code page.
        if (script == QChar::Script_Latin && letters >= 3 && asciiLetters == 0)
            value *= 0.5;
        return value;
    }
};

}

double textCoherence(const QString &text, const QByteArray *bytes)
{
    const Commonness &commonness = Commonness::instance();
    double sum = 0;
    double total = 0;
    int bad = 0;
    QHash<int, int> lettersPerScript;
    Word word;
    const auto endWord = [&] {
        if (word.judged) {
            sum += word.reading() * word.weight();
            total += word.weight();
        }
        word = Word();
    };
    // Punctuation and digits beyond ASCII pressed between two pieces of text ("fr\u2116h", a run
    // of quotes, digits between letters) are letters read wrong: each counts as a word that
    // reads as nothing. Other such punctuation counts half, so that bytes read as nothing but
    // punctuation do not pass for a text that gives nothing to judge.
    bool textBefore = false;
    bool pressedLeft = false;
    const char *source = bytes ? bytes->constData() : nullptr;
    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        uint c = text.at(i).unicode();
        const bool foreign = source ? uchar(source[i]) >= 0x80 || c != uchar(source[i]) : c >= 0x80;
        if (QChar::isHighSurrogate(c) && i + 1 < size && text.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(ushort(c), text.at(++i).unicode());
        Kind kind = kindOf(c);
        // The ordinal indicators after a number or a lone n ("1º", "2ª", "nº") are Spanish,
        // Portuguese and Italian; between letters they are another code page's letters.
        if ((c == 0xAA || c == 0xBA) && (i + 1 == size || !text.at(i + 1).isLetter())
            && ((i > 0 && text.at(i - 1).isDigit())
                || (word.letters == 1 && (word.lastLetter == 'n' || word.lastLetter == 'N'))))
            kind = Kind::Separator;
        // Bidirectional marks count with them: a right-to-left code page makes them of letters.
        const bool punctuation = kind == Kind::Separator && c > 0xA0 && c < 0x3000
            && (isUsualPunctuation(c) || QChar::isDigit(c) || c == 0x200E || c == 0x200F);
        if (punctuation && foreign) {
            sum += 0.5;
            total += 1;
        }
        const bool isText = kind == Kind::Letter || kind == Kind::Mark || kind == Kind::Odd
            || kind == Kind::Joiner || punctuation;
        if (pressedLeft && isText)
            total += 1;
        pressedLeft = punctuation && !joinsWords(c) && textBefore;
        textBefore = isText;
        switch (kind) {
        case Kind::Separator:
            endWord();
            break;
        case Kind::Bad:
            endWord();
            ++bad;
            break;
        case Kind::Joiner:
            break;
        case Kind::Odd:
            word.judged = true;
            ++word.odd;
            word.afterLetter = false;
            break;
        case Kind::Mark: {
            word.judged = word.judged || foreign;
            ++word.marks;
            if (!word.afterLetter)
                word.misplaced = true;
            const int script = scriptOf(c);
            if (script >= 0 && script != word.script)
                word.mixed = true;
            if (isTanween(c))
                word.tanweenPending = true;
            break;
        }
        case Kind::Letter: {
            if (word.tanweenPending)
                word.misplaced = true;
            const int script = scriptOf(c);
            if (word.script < 0)
                word.script = script;
            else if (script >= 0 && script != word.script)
                word.mixed = true;
            if (isHebrewFinal(word.lastLetter) || ((c == 0xFE || c == 0xDE) && word.letters > 0))
                word.spelledWrong = true;
            word.lastLetter = c;
            const bool isUpper = QChar::isUpper(c);
            if (isUpper) {
                ++word.upper;
                if (word.afterLower)
                    word.caseBroken = true;
            } else if (QChar::isLower(c)) {
                ++word.lower;
            }
            word.afterLower = QChar::isLower(c);
            word.afterLetter = true;
            ++word.letters;
            word.common += commonness.of(isUpper ? QChar::toLower(c) : c);
            if (c < 0x80)
                ++word.asciiLetters;
            if (foreign) {
                word.judged = true;
                if (script >= 0)
                    ++lettersPerScript[script];
            }
            break;
        }
        }
    }
    endWord();
    if (total == 0 && bad == 0)
        return 1;
    int letters = 0;
    int mainScript = 0;
    for (int count : qAsConst(lettersPerScript)) {
        letters += count;
        mainScript = qMax(mainScript, count);
    }
    const double oneScript = letters ? double(mainScript) / letters : 1;
    const double reading = total > 0 ? sum / total : 0;
    // A control character or a substitute weighs as much as a long word read wrong.
    constexpr double BadWeight = 8;
    return reading * (0.5 + 0.5 * oneScript) * total / (total + BadWeight * bad);
}
