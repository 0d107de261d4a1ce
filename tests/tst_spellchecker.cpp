// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/spellchecker.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

namespace {

QStringList listLines(const QString &name)
{
    QFile file(QStringLiteral(TAVLO_TEST_DATA "/spelling/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing %s", qPrintable(file.fileName()));
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines;
}

QStringList flaggedWords(const SpellChecker &checker, const QString &paragraph)
{
    QStringList words;
    for (const SpellChecker::Misspelling &m : checker.check(paragraph))
        words << paragraph.mid(m.start, m.length);
    return words;
}

QString withoutHarakat(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("[\\x{064B}-\\x{065F}\\x{0670}]")));
    return text;
}

bool installed()
{
    return !spellDictionary(SpellLanguage::Persian).isEmpty() && !spellDictionary(SpellLanguage::Arabic).isEmpty()
        && !spellDictionary(SpellLanguage::English).isEmpty();
}

}

class tst_SpellChecker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void correctTextIsNotFlagged_data();
    void correctTextIsNotFlagged();
    void typoAloneIsFlaggedAndCorrected_data();
    void typoAloneIsFlaggedAndCorrected();
    void languageFollowsTheScriptAndTheParagraph_data();
    void languageFollowsTheScriptAndTheParagraph();

    void personalDictionaryIsKeptAndIgnoreAllIsNot();
    void dictionaryInItsOwnEncoding();
    void missingDictionariesCheckNothing();

private:
    // One for the rows of the lists: loading the dictionaries takes most of a second.
    SpellChecker m_checker;
};

void tst_SpellChecker::initTestCase()
{
    if (!installed())
        QSKIP("the Persian, Arabic and English dictionaries are not installed (scripts/install-deps.sh)");
    QFile::remove(personalDictionaryPath());
}

void tst_SpellChecker::correctTextIsNotFlagged_data()
{
    QTest::addColumn<QString>("paragraph");
    for (const char *language : {"fa", "ar", "en"}) {
        const QStringList lines = listLines(QStringLiteral("correct-%1.txt").arg(QLatin1String(language)));
        for (int i = 0; i < lines.size(); ++i)
            QTest::addRow("%s line %d", language, i + 1) << lines.at(i);
    }
    // What the lists leave out.
    QTest::newRow("direction mark inside a word") << QStringLiteral("کتاب\u200Fها را آوردم");
    QTest::newRow("tatweel and joiner") << QStringLiteral("کتـــاب و ك\u200Dتاب");
    QTest::newRow("alef maksura for a final yeh") << QStringLiteral("علی به مدرسه رفت و اين را ديد.");
    QTest::newRow("heh with yeh above") << QStringLiteral("خانۀ ما و خانهٔ شما");
    QTest::newRow("persian and arabic-indic digits in words") << QStringLiteral("کد۱۲ و رمز٣٤ و abc123");
    QTest::newRow("capitals and a domain") << QStringLiteral("UNESCO and ISBN, see tavlo.example/help");
}

void tst_SpellChecker::correctTextIsNotFlagged()
{
    QFETCH(QString, paragraph);
    QCOMPARE(flaggedWords(m_checker, paragraph), QStringList());
}

void tst_SpellChecker::typoAloneIsFlaggedAndCorrected_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<QString>("typo");
    QTest::addColumn<QString>("intended");
    for (const char *language : {"fa", "ar", "en"}) {
        const QStringList lines = listLines(QStringLiteral("typos-%1.txt").arg(QLatin1String(language)));
        for (int i = 0; i < lines.size(); ++i) {
            const QStringList fields = lines.at(i).split(QLatin1Char('\t'));
            QTest::addRow("%s line %d", language, i + 1)
                << fields.at(0) << fields.at(1) << (fields.value(3) == QLatin1String("ambiguous") ? QString() : fields.at(2));
        }
    }
}

void tst_SpellChecker::typoAloneIsFlaggedAndCorrected()
{
    QFETCH(QString, paragraph);
    QFETCH(QString, typo);
    QFETCH(QString, intended);
    const QVector<SpellChecker::Misspelling> found = m_checker.check(paragraph);
    QCOMPARE(flaggedWords(m_checker, paragraph), QStringList{typo});
    const QStringList suggestions = m_checker.suggestions(paragraph, found.constFirst());
    QVERIFY(suggestions.size() <= 7);
    if (!intended.isEmpty()) {
        QVERIFY2(!suggestions.isEmpty(), qPrintable(typo));
        QCOMPARE(withoutHarakat(suggestions.constFirst()), withoutHarakat(intended));
    }
}

void tst_SpellChecker::languageFollowsTheScriptAndTheParagraph_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<QStringList>("flagged");
    // ذهبت is Arabic only, and گ Persian only.
    QTest::newRow("arabic word in a persian paragraph") << QStringLiteral("من دیروز ذهبت") << QStringList{QStringLiteral("ذهبت")};
    QTest::newRow("arabic word in an arabic paragraph") << QStringLiteral("ذهبت إلى البيت") << QStringList();
    QTest::newRow("no sign: either dictionary") << QStringLiteral("ذهبت") << QStringList();
    QTest::newRow("persian word in an arabic paragraph") << QStringLiteral("ذهبت إلى نمیدانم")
                                                         << QStringList();
    QTest::newRow("persian letters win over an arabic form") << QStringLiteral("این مسأله مهم است و گفتنی")
                                                              << QStringList();
    // Persian writes vowel marks on Arabic loans, and legacy files Alef Maksura for Yeh: the
    // words, not these, tell such a paragraph's language.
    QTest::newRow("vowel marks in persian without persian letters") << QStringLiteral("اصلاً اين را از او نخواستم.")
                                                                   << QStringList();
    QTest::newRow("alef maksura in persian without persian letters") << QStringLiteral("سرد است و باد مى‌آيد.")
                                                                    << QStringList();
    QTest::newRow("latin typo in persian text") << QStringLiteral("او گفت helo و رفت") << QStringList{QStringLiteral("helo")};
    QTest::newRow("stray non-joiner after a letter that joins") << QStringLiteral("این کت\u200Cاپ است")
                                                               << QStringList{QStringLiteral("کت\u200Cاپ")};
}

void tst_SpellChecker::languageFollowsTheScriptAndTheParagraph()
{
    QFETCH(QString, paragraph);
    QFETCH(QStringList, flagged);
    QCOMPARE(flaggedWords(m_checker, paragraph), flagged);
}

void tst_SpellChecker::personalDictionaryIsKeptAndIgnoreAllIsNot()
{
    const QString text = QStringLiteral("تاولو و مرووان و Tavlo");
    {
        SpellChecker checker;
        QCOMPARE(flaggedWords(checker, text).size(), 3);
        checker.addToPersonalDictionary(QStringLiteral("تاولو"));
        checker.ignoreAll(QStringLiteral("مرووان"));
        QCOMPARE(flaggedWords(checker, text), QStringList{QStringLiteral("Tavlo")});
        // A word of one's own is offered for a typo of it.
        QVERIFY(checker.suggestions(QStringLiteral("این تاولوو است"), {4, 6}).contains(QStringLiteral("تاولو")));
    }
    {
        SpellChecker second;
        second.addToPersonalDictionary(QStringLiteral("Tavlo"));
        QCOMPARE(flaggedWords(second, text), QStringList{QStringLiteral("مرووان")});
    }
    QFile file(personalDictionaryPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("تاولو\nTavlo\n"));
    // The list is replaced whole: no temporary file is left beside it.
    QCOMPARE(QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files), QStringList{QStringLiteral("personal-dictionary.txt")});
    QFile::remove(personalDictionaryPath());
}

void tst_SpellChecker::dictionaryInItsOwnEncoding()
{
    QTemporaryDir dir;
    const QByteArray aff = "SET ISO8859-1\nTRY esianrtolcdugmphbyfvkwz\n";
    QByteArray dic = "2\n";
    dic += QTextCodec::codecForName("ISO-8859-1")->fromUnicode(QStringLiteral("café\nnaïve\n"));
    for (const auto &file : {std::make_pair(QStringLiteral("en_US.aff"), aff), std::make_pair(QStringLiteral("en_US.dic"), dic)}) {
        QFile f(dir.filePath(file.first));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file.second);
    }
    const QStringList before = spellDictionaryFolders();
    setSpellDictionaryFolders({dir.path()});
    SpellChecker checker;
    QCOMPARE(flaggedWords(checker, QStringLiteral("café naïve cafe Ωmega")), QStringList{QStringLiteral("cafe")});
    QCOMPARE(checker.suggestions(QStringLiteral("cafe"), {0, 4}).value(0), QStringLiteral("café"));
    setSpellDictionaryFolders(before);
}

void tst_SpellChecker::missingDictionariesCheckNothing()
{
    QTemporaryDir dir;
    const QStringList before = spellDictionaryFolders();
    setSpellDictionaryFolders({dir.path()});
    QVERIFY(spellDictionary(SpellLanguage::Persian).isEmpty());
    SpellChecker checker;
    QCOMPARE(flaggedWords(checker, QStringLiteral("امروز یک کتاپ تازه خریدم. ذهبت إلى المدرسه. a tset")), QStringList());
    QCOMPARE(checker.suggestions(QStringLiteral("کتاپ"), {0, 4}), QStringList());
    setSpellDictionaryFolders(before);
}

QTEST_GUILESS_MAIN(tst_SpellChecker)
#include "tst_spellchecker.moc"
