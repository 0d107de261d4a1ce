// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/persiantidy.h"

#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(TidyRules)

class tst_PersianTidy : public QObject
{
    Q_OBJECT

private slots:
    void tidies_data();
    void tidies();
    void range_data();
    void range();
    void reportsEachChange();
    void secondTidyChangesNothing();
};

void tst_PersianTidy::tidies_data()
{
    QTest::addColumn<TidyRules>("rules");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tidied");
    QTest::addColumn<int>("changes");

    const TidyRules all = allTidyRules();
    const auto row = [](const char *name, TidyRules rules, const char *text, const char *tidied, int changes) {
        QTest::newRow(name) << rules << QString::fromUtf8(text) << QString::fromUtf8(tidied) << changes;
    };

    const TidyRules letters = TidyRule::Letters;
    row("letters: yeh, alef maksura, kaf", letters, "يك مصطفى", "یک مصطفی", 3);
    row("letters: heh with yeh above stays", letters, "خانۀ ما", "خانۀ ما", 0);
    row("letters: presentation forms and the lam alef ligature", letters, "\uFEE3\uFEE8 \uFEFB \uFEF3", "من لا ی", 4);
    row("letters: a spacing vowel sign is no letter", letters, "\uFE76", "\uFE76", 0);

    const TidyRules kashida = TidyRule::Kashida;
    row("kashida between letters", kashida, "کـــتاب", "کتاب", 1);
    row("kashida before a suffix cited alone stays", kashida, "پسوند ـها", "پسوند ـها", 0);

    const TidyRules digits = TidyRule::Digits;
    row("digits after a persian word", digits, "در سال 1403 و ٣", "در سال ۱۴۰۳ و ۳", 2);
    row("digits of a date", digits, "1403/05/12 بود", "۱۴۰۳/۰۵/۱۲ بود", 1);
    row("digits in latin words stay", digits, "با Qt5 و mp3 و x86_64", "با Qt5 و mp3 و x86_64", 0);
    row("digits after a latin word stay", digits, "نسخه Windows 10 نو", "نسخه Windows 10 نو", 0);
    row("a decimal number stays", digits, "عدد 3.14 است", "عدد 3.14 است", 0);

    const TidyRules ellipsis = TidyRule::Ellipsis;
    row("three dots", ellipsis, "صبر کن...", "صبر کن…", 1);
    row("three dots in latin text and four dots stay", ellipsis, "wait... و ....", "wait... و ....", 0);

    const TidyRules punctuation = TidyRule::Punctuation;
    row("latin comma, semicolon, question mark", punctuation, "سلام , دنیا; چرا ?", "سلام، دنیا؛ چرا؟", 5);
    row("a thousands separator stays", punctuation, "۱,۰۰۰ تومان", "۱,۰۰۰ تومان", 0);
    row("no space before a full stop or inside brackets", punctuation, "( سلام ) « او » گفت  .", "(سلام) «او» گفت.", 5);
    row("a space after a full stop", punctuation, "تمام شد.بعد", "تمام شد. بعد", 1);
    row("none before a digit or a line end", punctuation, "ساعت ۱۰:۳۰ شد.", "ساعت ۱۰:۳۰ شد.", 0);
    row("latin and french spacing stay", punctuation, "Hello , world ? « texte » و", "Hello , world ? « texte » و", 0);

    const TidyRules quotes = TidyRule::Quotes;
    row("quotes around persian", quotes, "گفت \" سلام \" و \"hello\" و \"باز", "گفت «سلام» و \"hello\" و \"باز", 1);

    const TidyRules prefixes = TidyRule::Prefixes;
    row("mi and nemi", prefixes, "می خواهم نمي دانم", "می‌خواهم نمي‌دانم", 2);
    row("mi inside a word or before latin stays", prefixes, "کمی صبر، میز، می Qt", "کمی صبر، میز، می Qt", 0);

    const TidyRules suffixes = TidyRule::Suffixes;
    row("suffixes after a joining letter", suffixes, "کتاب ها خانه هایی بزرگ ترین", "کتاب‌ها خانه‌هایی بزرگ‌ترین", 3);
    row("suffixes after a letter that does not join", suffixes, "کار ها در ها", "کارها درها", 2);
    row("suffix-like words stay", suffixes, "کتاب هاشم و Qt ها و ۱۳۰۰ ها", "کتاب هاشم و Qt ها و ۱۳۰۰ ها", 0);

    const TidyRules spaces = TidyRule::Spaces;
    row("spaces collapsed, trailing ones dropped", spaces, "سلام   دنیا  ", "سلام دنیا", 2);
    row("an indent and latin columns stay", spaces, "  ستون a    b", "  ستون a    b", 0);
    row("zwnj runs, at an edge, after a letter that does not join", spaces,
        "کتاب\u200C\u200Cها کار\u200Cها \u200Cسلام\u200C دنیا", "کتاب\u200Cها کارها سلام دنیا", 4);

    row("what the rules leave alone", all,
        "ببینید https://example.com/a?id=3 و ali.1@example.com و /usr/share/fonts 2 و C:\\Users و نامه.txt",
        "ببینید https://example.com/a?id=3 و ali.1@example.com و /usr/share/fonts 2 و C:\\Users و نامه.txt", 0);
    row("backticked text stays, on a line and fenced", all, "دستور `ls  -l 5` را\n```\nيك  ,\n```",
        "دستور `ls  -l 5` را\n```\nيك  ,\n```", 0);
    row("text that is already right", all, "می‌خواهم کتاب‌ها را «امروز» بخوانم؛ ساعت ۱۰ است.",
        "می‌خواهم کتاب‌ها را «امروز» بخوانم؛ ساعت ۱۰ است.", 0);
    row("a dropped zwnj leaves a space before a mark", all, "کتاب \u200C.", "کتاب.", 2);
    row("all rules", all,
        "من كتاب ها را نمي خوانم ، چون وقت ندارم ... \"سلام\" گفت  .\nدر سال 1403 با Qt5 نوشتم.",
        "من کتاب‌ها را نمی‌خوانم، چون وقت ندارم… «سلام» گفت.\nدر سال ۱۴۰۳ با Qt5 نوشتم.", 10);
    row("no rules", TidyRules(), "كتاب ها", "كتاب ها", 0);
}

void tst_PersianTidy::tidies()
{
    QFETCH(TidyRules, rules);
    QFETCH(QString, text);
    QFETCH(QString, tidied);
    QFETCH(int, changes);
    TidyReport report;
    QCOMPARE(tidyPersian(text, rules, &report), tidied);
    QCOMPARE(report.total(), changes);
    QCOMPARE(report.lines.isEmpty(), changes == 0);
    TidyReport again;
    QCOMPARE(tidyPersian(tidied, rules, &again), tidied);
    QCOMPARE(again.total(), 0);
}

void tst_PersianTidy::range_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QVector<int>>("positions");
    QTest::addColumn<QString>("tidied");
    QTest::addColumn<QVector<int>>("mapped");

    const QString books = QString::fromUtf8("كتاب  ها\nكتاب");
    QTest::newRow("whole text: positions before, inside and after the changes")
        << books << 0 << books.size() << QVector<int>{0, 5, 6, 8, 10}
        << QString::fromUtf8("کتاب‌ها\nکتاب") << QVector<int>{0, 5, 5, 7, 9};
    QTest::newRow("a range inside a line: the rest of the line stays")
        << QString::fromUtf8("يك   يك   يك") << 5 << 10 << QVector<int>{12}
        << QString::fromUtf8("يك   یک يك") << QVector<int>{10};
    const QString verb = QString::fromUtf8("را نمي خوانم و");
    QTest::newRow("a range that starts and ends with words")
        << verb << 3 << 12 << QVector<int>{} << QString::fromUtf8("را نمی‌خوانم و") << QVector<int>{};
    QTest::newRow("a range that ends at a full stop before a space")
        << QString::fromUtf8("سلام. دنیا") << 0 << 5 << QVector<int>{} << QString::fromUtf8("سلام. دنیا") << QVector<int>{};
    const QString url = QString::fromUtf8("ي  https://x.org/a");
    QTest::newRow("a position inside a protected url keeps its place in it")
        << url << 0 << url.size() << QVector<int>{10} << QString::fromUtf8("ی https://x.org/a") << QVector<int>{9};
}

void tst_PersianTidy::range()
{
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QVector<int>, positions);
    QFETCH(QString, tidied);
    QFETCH(QVector<int>, mapped);
    const TidyOutcome outcome = tidyRange(text, from, to, allTidyRules(), positions);
    QString result = text;
    for (int e = outcome.edits.size() - 1; e >= 0; --e)
        result.replace(outcome.edits.at(e).start, outcome.edits.at(e).length, outcome.edits.at(e).text);
    QCOMPARE(result, tidied);
    QCOMPARE(outcome.positions, mapped);
}

void tst_PersianTidy::reportsEachChange()
{
    TidyReport report;
    tidyPersian(QString::fromUtf8("يك دو سه چهار پنج شش هفت هشت نه ده يك\nسلام  دنیا"), allTidyRules(), &report);
    QStringList shown;
    for (const TidyReport::Line &line : qAsConst(report.lines)) {
        QVERIFY(line.rightToLeft);
        shown << QStringLiteral("%1: %2 > %3").arg(line.line).arg(line.before, line.after);
    }
    QCOMPARE(shown, QStringList({QString::fromUtf8("0: يك دو سه چهار > یک دو سه چهار"),
                                 QString::fromUtf8("0: هشت نه ده يك > هشت نه ده یک"),
                                 QString::fromUtf8("1: سلام  دنیا > سلام دنیا")}));
}

// Random mixtures of the pieces the rules react to.
void tst_PersianTidy::secondTidyChangesNothing()
{
    static const char *const pieces[] = {
        "کتاب", "ها", "می", "خواهم", "کار", "ترین", "Qt5", "1403", "3.14", " ", "  ", "\u200C", ",", ".",
        "...", "?", "\"", "«", "»", "(", ")", "ي", "ك", "ـ", "https://a.b/c", "`x`", "\n", ":", "!", "a",
    };
    QRandomGenerator random(24);
    for (int n = 0; n < 3000; ++n) {
        QString text;
        const int count = random.bounded(1, 14);
        for (int p = 0; p < count; ++p)
            text += QString::fromUtf8(pieces[random.bounded(int(sizeof(pieces) / sizeof(pieces[0])))]);
        const QString once = tidyPersian(text, allTidyRules());
        QVERIFY2(tidyPersian(once, allTidyRules()) == once, qPrintable(text));
    }
}

QTEST_GUILESS_MAIN(tst_PersianTidy)
#include "tst_persiantidy.moc"
