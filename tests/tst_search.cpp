// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/folding.h"
#include "core/searchengine.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

using Direction = SearchEngine::Direction;
using Wrap = SearchEngine::Wrap;

// UTF-16 units as they are, lone surrogates included.
QString units(const char16_t *text)
{
    return QString(reinterpret_cast<const QChar *>(text), int(std::char_traits<char16_t>::length(text)));
}

// An engine over a text held here, which counts how often the engine had to read it.
struct Document {
    Document(const QString &initial)
        : text(initial)
    {
        engine.setTextSource([this](int from, int to) {
            ++reads;
            return to < 0 ? text : text.mid(from, to - from);
        });
    }
    void edit(int start, int length, const QString &replacement)
    {
        text.replace(start, length, replacement);
        engine.documentEdited(start, length, replacement.size(), text.size());
    }

    QString text;
    int reads = 0;
    SearchEngine engine;
};

}

class tst_Search : public QObject
{
    Q_OBJECT

private slots:
    void folding_data();
    void folding();
    void foldingKeepsLengthAndMatchesThePasses();

    void find_data();
    void find();
    void selectionMatches_data();
    void selectionMatches();
    void cacheFollowsTheDocumentAndTheOptions();
    void editsKeepTheCopyInStep();
    void replaceAll_data();
    void replaceAll();
};

void tst_Search::folding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("matchLetters");
    QTest::addColumn<QString>("folded");
    QTest::newRow("yeh, alef maksura and hamza yeh become farsi yeh") << "يىئ" << false << false << "ییی";
    QTest::newRow("kaf becomes keheh") << "كتاب" << false << false << "کتاب";
    QTest::newRow("alef forms and hamza become alef") << "أإآٱء" << false << false << "ااااا";
    QTest::newRow("waw with hamza becomes waw") << "ؤ" << false << false << "و";
    QTest::newRow("teh marbuta becomes heh") << "مدرسة" << false << false << "مدرسه";
    QTest::newRow("representatives stay") << "یکاوه" << false << false << "یکاوه";
    QTest::newRow("letters kept when matched exactly") << "يكة" << false << true << "يكة";
    QTest::newRow("capitals lowered") << "Tavlo EDITOR" << false << false << "tavlo editor";
    QTest::newRow("capitals kept when case matters") << "Tavlo" << true << false << "Tavlo";
    QTest::newRow("line and paragraph separators become line feeds") << "a\u2028b\u2029c" << true << true << "a\nb\nc";
    QTest::newRow("zwnj, marks, tatweel and diacritics pass") << "می\u200Cرود\u200F\u200Eـَ" << false << false
                                                              << "می\u200Cرود\u200F\u200Eـَ";
    QTest::newRow("dotted capital i keeps its length") << "\u0130x" << false << false << "ix";
    QTest::newRow("supplementary capital lowered as a pair") << "\U00010400" << false << false << "\U00010428";
    QTest::newRow("empty") << "" << false << false << "";
}

void tst_Search::folding()
{
    QFETCH(QString, text);
    QFETCH(bool, matchCase);
    QFETCH(bool, matchLetters);
    QFETCH(QString, folded);
    QCOMPARE(foldText(text, matchCase, matchLetters), folded);
}

void tst_Search::foldingKeepsLengthAndMatchesThePasses()
{
    const QString alphabet = QStringLiteral("abcXYZ 09\n\u2028\u2029يىئكأإآٱؤءةیکاوهپچژگ\u200C\u200EÉÄ");
    QRandomGenerator generator(42);
    for (int round = 0; round < 50; ++round) {
        QString text;
        for (int i = 0; i < 200; ++i)
            text += alphabet.at(generator.bounded(alphabet.size()));
        for (bool matchCase : {false, true})
            for (bool matchLetters : {false, true}) {
                const QString folded = foldText(text, matchCase, matchLetters);
                QCOMPARE(folded.size(), text.size());
                QCOMPARE(folded, foldTextByPasses(text, matchCase, matchLetters));
            }
    }
}

void tst_Search::find_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("find");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("matchLetters");
    QTest::addColumn<int>("found"); // -1: none
    QTest::newRow("kaf finds keheh") << "این کتاب" << "كتاب" << 0 << 0 << true << true << false << false << 4;
    QTest::newRow("yeh finds farsi yeh") << "سلام دنیا" << "دنيا" << 0 << 0 << true << true << false << false << 5;
    QTest::newRow("alef maksura finds farsi yeh") << "ی" << "ى" << 0 << 0 << true << true << false << false << 0;
    QTest::newRow("teh marbuta finds heh") << "مدرسه" << "مدرسة" << 0 << 0 << true << true << false << false << 0;
    QTest::newRow("madda alef finds alef") << "با" << "بآ" << 0 << 0 << true << true << false << false << 0;
    QTest::newRow("alef finds hamza") << "xء" << "ا" << 0 << 0 << true << true << false << false << 1;
    QTest::newRow("exact letters: yeh misses farsi yeh") << "دنیا" << "دنيا" << 0 << 0 << true << true << false << true << -1;
    QTest::newRow("exact letters still ignore case") << "tavlo" << "TAVLO" << 0 << 0 << true << true << false << true << 0;
    QTest::newRow("capitals find small letters") << "a Tavlo b" << "TAVLO" << 0 << 0 << true << true << false << false << 2;
    QTest::newRow("match case misses small letters") << "tavlo" << "TAVLO" << 0 << 0 << true << true << true << false << -1;
    QTest::newRow("zwnj is never folded away") << "میرود" << "می\u200Cرود" << 0 << 0 << true << true << false << false << -1;
    QTest::newRow("two-line find text") << "one\ntwo\nthree" << "two\nthree" << 0 << 0 << true << true << false << false << 4;
    QTest::newRow("wraps to an earlier match") << "word and more" << "word" << 6 << 6 << true << true << false << false << 0;
    QTest::newRow("no wrap stops at the end") << "word and more" << "word" << 6 << 6 << true << false << false << false << -1;
    QTest::newRow("nothing anywhere") << "nothing here" << "absent" << 2 << 5 << true << true << false << false << -1;
    QTest::newRow("previous from offset 0 finds the last") << "ab ab ab" << "ab" << 0 << 0 << false << true << false << false << 6;
    QTest::newRow("previous before the selection") << "ab ab ab" << "ab" << 6 << 8 << false << true << false << false << 3;
    QTest::newRow("previous without wrap stops at the start") << "x ab" << "ab" << 1 << 1 << false << false << false << false << -1;
    QTest::newRow("match at a selection's start is skipped") << "ab ab" << "ab" << 0 << 1 << true << true << false << false << 3;
    QTest::newRow("consecutive finds overlap") << "aaa" << "aa" << 0 << 2 << true << true << false << false << 1;
    QTest::newRow("offsets after a dotted capital i") << "\u0130stanbul izmir" << "IZMIR" << 0 << 0 << true << true << false << false << 9;
    QTest::newRow("empty find text finds nothing") << "text" << "" << 0 << 0 << true << true << false << false << -1;
    // A lone surrogate finds itself, never half of a pair: "\U0001F600" is D83D DE00.
    QTest::newRow("lone high surrogate skips the pair")
        << units(u"\U0001F600 \xD83D") << units(u"\xD83D") << 0 << 0 << true << true << false << false << 3;
    QTest::newRow("lone low surrogate backward skips the pair")
        << units(u"\xDE00 \U0001F600") << units(u"\xDE00") << 0 << 0 << false << true << false << false << 0;
    QTest::newRow("text ending in a high surrogate") << units(u"a\U0001F600") << units(u"a\xD83D") << 0 << 0 << true << true << false << false << -1;
}

void tst_Search::find()
{
    QFETCH(QString, document);
    QFETCH(QString, find);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(bool, forward);
    QFETCH(bool, wrap);
    QFETCH(bool, matchCase);
    QFETCH(bool, matchLetters);
    QFETCH(int, found);
    Document doc(document);
    doc.engine.setOptions(matchCase, matchLetters);
    const SearchEngine::Range match =
        doc.engine.find(find, qMin(anchor, position), anchor != position,
                        forward ? Direction::Forward : Direction::Backward, wrap ? Wrap::Around : Wrap::AtEnd);
    QCOMPARE(match.start, found);
    if (found >= 0)
        QCOMPARE(match.length, find.size());
}

void tst_Search::selectionMatches_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("match");
    QTest::newRow("keheh selection, kaf find text") << "کتاب" << "كتاب" << true;
    QTest::newRow("paragraph break against a line feed") << "one\u2029two" << "one\ntwo" << true;
    QTest::newRow("no-break space read as a space") << "a\u00A0b" << "a b" << true;
    QTest::newRow("another word") << "dog" << "cat" << false;
    QTest::newRow("nothing selected") << "" << "cat" << false;
}

void tst_Search::selectionMatches()
{
    QFETCH(QString, selected);
    QFETCH(QString, find);
    QFETCH(bool, match);
    SearchEngine engine;
    QCOMPARE(engine.isMatch(selected, find), match);
}

void tst_Search::cacheFollowsTheDocumentAndTheOptions()
{
    Document doc(QStringLiteral("find the word"));
    QCOMPARE(doc.engine.find(QStringLiteral("word"), 0, false, Direction::Forward, Wrap::Around).start, 9);
    QCOMPARE(doc.engine.find(QStringLiteral("the"), 0, false, Direction::Forward, Wrap::Around).start, 5);
    QCOMPARE(doc.reads, 1);

    // A change from outside makes the next search read the document again.
    doc.edit(0, 0, QStringLiteral("please "));
    QCOMPARE(doc.engine.find(QStringLiteral("word"), 0, false, Direction::Forward, Wrap::Around).start, 16);
    QCOMPARE(doc.reads, 2);

    // Its own replacement patches the copy: no read, and the offsets after it still hold.
    const SearchEngine::Range the{12, 3};
    doc.engine.replace(the, QStringLiteral("a whole"), true, [&] { doc.edit(12, 3, QStringLiteral("a whole")); });
    QCOMPARE(doc.engine.find(QStringLiteral("word"), 0, false, Direction::Forward, Wrap::Around).start, 20);
    QCOMPARE(doc.reads, 2);
    QCOMPARE(doc.engine.replaceCount(), 1);

    // An option that changes refolds; setting the same options again does not.
    doc.engine.setOptions(false, false);
    QVERIFY(!doc.engine.isStale());
    doc.engine.setOptions(true, false);
    QVERIFY(doc.engine.find(QStringLiteral("WORD"), 0, false, Direction::Forward, Wrap::Around).isNull());
    QCOMPARE(doc.reads, 3);
}

void tst_Search::editsKeepTheCopyInStep()
{
    // Typing, deleting and pasting anywhere, with searches in between: the matches found in the
    // patched copy are those of the text as it is.
    QRandomGenerator generator(7);
    const QString pieces[] = {QStringLiteral("ك"), QStringLiteral("کتاب"), QStringLiteral("\n"), QStringLiteral("Ab"),
                              QStringLiteral("كتاب و كتاب\n"), QString()};
    Document doc(QStringLiteral("کتاب\nabc كتاب"));
    for (int round = 0; round < 400; ++round) {
        const int at = generator.bounded(doc.text.size() + 1);
        const int length = generator.bounded(qMin(6, doc.text.size() - at) + 1);
        doc.edit(at, length, pieces[generator.bounded(6)]);
        if (round % 3 == 0) {
            const QVector<int> found = doc.engine.findAll(QStringLiteral("کتاب"));
            QVector<int> expected;
            const QString folded = foldText(doc.text, false, false);
            for (int i = folded.indexOf(QStringLiteral("کتاب")); i >= 0; i = folded.indexOf(QStringLiteral("کتاب"), i + 1))
                expected.append(i);
            QCOMPARE(found, expected);
        }
    }
}

void tst_Search::replaceAll_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("stopAfter");
    QTest::newRow("three occurrences, letter variants") << "يك و يك و يك" << "یک" << "دو" << "دو و دو و دو" << 3 << -1;
    QTest::newRow("none") << "nothing" << "absent" << "x" << "nothing" << 0 << -1;
    QTest::newRow("empty replacement deletes") << "a-b-c-" << "-" << "" << "abc" << 3 << -1;
    QTest::newRow("replacement holding the find text") << "a b a" << "a" << "aa" << "aa b aa" << 2 << -1;
    QTest::newRow("no overlaps, from the start") << "aaaaa" << "aa" << "b" << "bba" << 2 << -1;
    QTest::newRow("across a line break") << "x\ny x\ny" << "X\nY" << "z" << "z z" << 2 << -1;
    QTest::newRow("cancelled after the first of three") << "a-b-c-d" << "-" << "==" << "a==b-c-d" << 1 << 1;
    QTest::newRow("a lone surrogate leaves pairs whole")
        << units(u"\xD83D \U0001F600.") << units(u"\xD83D") << "x" << units(u"x \U0001F600.") << 1 << -1;
}

void tst_Search::replaceAll()
{
    QFETCH(QString, document);
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QFETCH(QString, result);
    QFETCH(int, count);
    QFETCH(int, stopAfter);
    Document doc(document);
    const int replaced = doc.engine.replaceAll(find, replacement, [&](const QVector<int> &starts) {
        int shift = 0;
        const int done = stopAfter < 0 ? starts.size() : stopAfter;
        for (int i = 0; i < done; ++i) {
            doc.edit(starts.at(i) + shift, find.size(), replacement);
            shift += replacement.size() - find.size();
        }
        return done;
    });
    QCOMPARE(replaced, count);
    QCOMPARE(doc.engine.replaceCount(), count);
    QCOMPARE(doc.text, result);
    // The copy was patched, not left stale, and it matches the new text.
    QVERIFY(!doc.engine.isStale());
    if (!result.isEmpty()) {
        const QString last = result.right(1);
        QCOMPARE(doc.engine.find(last, 0, false, Direction::Backward, Wrap::Around).start, result.size() - 1);
    }
    // Every occurrence left is where the copy says.
    const QString folded = foldText(doc.text, false, false);
    const QString left = foldText(find, false, false);
    QVector<int> expected;
    for (int i = folded.indexOf(left); i >= 0; i = folded.indexOf(left, i + 1)) {
        const bool splitsPair = (folded.at(i).isLowSurrogate() && i > 0 && folded.at(i - 1).isHighSurrogate())
            || (folded.at(i + left.size() - 1).isHighSurrogate() && i + left.size() < folded.size()
                && folded.at(i + left.size()).isLowSurrogate());
        if (!splitsPair)
            expected.append(i);
    }
    QCOMPARE(doc.engine.findAll(find), expected);
}

QTEST_GUILESS_MAIN(tst_Search)
#include "tst_search.moc"
