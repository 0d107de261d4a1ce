// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textcounts.h"

#include <QTest>

class tst_TextCounts : public QObject
{
    Q_OBJECT

private slots:
    void countText_data();
    void countText();
    void paragraphsFollowEdits_data();
    void paragraphsFollowEdits();
};

void tst_TextCounts::countText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("characters");
    QTest::newRow("non-joiners inside words") << QStringLiteral("کتاب‌ها را نمی‌دانم") << 3 << 19;
    QTest::newRow("harakat") << QStringLiteral("بِسْمِ اللَّهِ") << 2 << 14;
    QTest::newRow("marks and punctuation count no word") << QStringLiteral("\u200fسلام\u200e! «دنیا» ، ...") << 2 << 20;
    QTest::newRow("digits of three sets") << QStringLiteral("۱۲۳ ١٢٣ 1,234.5") << 3 << 15;
    QTest::newRow("an apostrophe inside a word") << QStringLiteral("don't stop") << 2 << 10;
    QTest::newRow("a surrogate pair is one character") << QStringLiteral("a \U0001F600 b") << 2 << 5;
    QTest::newRow("spaces only") << QStringLiteral(" \t ") << 0 << 3;
    QTest::newRow("empty") << QString() << 0 << 0;
}

void tst_TextCounts::countText()
{
    QFETCH(QString, text);
    QFETCH(int, words);
    QFETCH(int, characters);
    const TextCounts counts = ::countText(text);
    QCOMPARE(counts.words, words);
    QCOMPARE(counts.characters, characters);
}

void tst_TextCounts::paragraphsFollowEdits_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("added");
    // Paragraphs `first` to `first + removed` of `before` become the paragraphs of `added`.
    QTest::newRow("a word typed") << "a b\nc" << 0 << 1 << "a b x";
    QTest::newRow("a paragraph split") << "a b\nc" << 0 << 1 << "a\nb";
    QTest::newRow("paragraphs joined") << "a\nb c\nd" << 0 << 3 << "ab c d";
    QTest::newRow("the last paragraph emptied") << "a\nb c" << 1 << 1 << "";
    QTest::newRow("many paragraphs pasted in the middle") << "a\nb\nc" << 1 << 1 << "x\ny z\n\nw";
}

// The kept counts after an edit are those of counting the edited text afresh.
void tst_TextCounts::paragraphsFollowEdits()
{
    QFETCH(QString, before);
    QFETCH(int, first);
    QFETCH(int, removed);
    QFETCH(QString, added);
    ParagraphCounts counts;
    counts.assign(ParagraphCounts::countParagraphs(before));
    counts.replace(first, removed, ParagraphCounts::countParagraphs(added));

    QStringList paragraphs = before.split(QLatin1Char('\n'));
    for (int i = 0; i < removed; ++i)
        paragraphs.removeAt(first);
    const QStringList inserted = added.split(QLatin1Char('\n'));
    for (int i = 0; i < inserted.size(); ++i)
        paragraphs.insert(first + i, inserted.at(i));
    const QString after = paragraphs.join(QLatin1Char('\n'));
    QCOMPARE(counts.size(), paragraphs.size());
    QCOMPARE(counts.total().words, ::countText(after).words);
    QCOMPARE(counts.total().characters, ::countText(after).characters);
}

QTEST_GUILESS_MAIN(tst_TextCounts)
#include "tst_textcounts.moc"
