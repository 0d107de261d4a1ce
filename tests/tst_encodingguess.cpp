// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/codecscan.h"
#include "core/encodingguess.h"
#include "encodingcorpus.h"

#include <QMap>
#include <QTest>
#include <QTextCodec>

namespace {

QByteArray encoded(const char *codec, const QString &text)
{
    return QTextCodec::codecForName(codec)->fromUnicode(text);
}

QString decoded(int mib, const QByteArray &bytes)
{
    return QTextCodec::codecForMib(mib)->toUnicode(bytes);
}

int mibOf(const char *codec)
{
    return QTextCodec::codecForName(codec)->mibEnum();
}

// Old Windows files write Persian with the Arabic Yeh: windows-1256 has no Farsi Yeh.
const QString PersianLine = QStringLiteral("امروز هوا سرد است و باران مي‌بارد");

}

class tst_EncodingGuess : public QObject
{
    Q_OBJECT

private slots:
    void firstSuggestionReadsTheCorpus();
    void firstSuggestion_data();
    void firstSuggestion();
    void detectorAnswerIsARegistryCodec_data();
    void detectorAnswerIsARegistryCodec();
    void suggestionsReadCleanlyAndOnce_data();
    void suggestionsReadCleanlyAndOnce();
    void mergesOnlyCodecsThatReadAlike_data();
    void mergesOnlyCodecsThatReadAlike();
};

void tst_EncodingGuess::firstSuggestionReadsTheCorpus()
{
    QString error;
    const QVector<CorpusSample> corpus =
        loadEncodingCorpus(QStringLiteral(TAVLO_TEST_DATA "/encodings"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!corpus.isEmpty());

    const QStringList lengths = corpusLengths();
    struct Tally {
        int right[4] = {};
        int all[4] = {};
    };
    QMap<QString, Tally> tallies;
    QStringList misses;
    int right = 0;
    bool arabicScriptRight = true;
    bool neverWorseThanTheDetector = true;
    for (const CorpusSample &sample : corpus) {
        const auto readsRight = [&sample](int mib) { return mib != 0 && decoded(mib, sample.bytes) == sample.text; };
        const QList<int> suggestions = suggestEncodings(sample.bytes);
        const bool ok = readsRight(suggestions.value(0));
        const int length = lengths.indexOf(sample.length);
        Tally &tally = tallies[sample.language];
        ++tally.all[length];
        tally.right[length] += ok;
        right += ok;
        if (!ok) {
            const bool detectorRight = readsRight(detectedEncoding(sample.bytes));
            misses << QStringLiteral("%1 %2 %3 read as %4%5")
                          .arg(sample.language, sample.length, QLatin1String(sample.encoding),
                               suggestions.isEmpty() ? QStringLiteral("nothing")
                                                     : QLatin1String(QTextCodec::codecForMib(suggestions.first())->name()),
                               detectorRight ? QStringLiteral(", which the detector read right") : QString());
            neverWorseThanTheDetector = neverWorseThanTheDetector && !detectorRight;
            if ((sample.language == QLatin1String("fa") || sample.language == QLatin1String("ar"))
                && (sample.length == QLatin1String("paragraph") || sample.length == QLatin1String("page")))
                arabicScriptRight = false;
        }
    }
    const bool enough = right * 100 >= corpus.size() * 98;
    if (!enough || !arabicScriptRight || !neverWorseThanTheDetector) {
        QString table = QStringLiteral("%1").arg(QStringLiteral("language"), -9);
        for (const QString &length : lengths)
            table += length.rightJustified(11);
        table += QLatin1Char('\n');
        for (auto it = tallies.cbegin(); it != tallies.cend(); ++it) {
            table += it.key().leftJustified(9);
            for (int i = 0; i < lengths.size(); ++i)
                table += QStringLiteral("%1/%2").arg(it->right[i]).arg(it->all[i]).rightJustified(11);
            table += QLatin1Char('\n');
        }
        qWarning().noquote() << table + misses.join(QLatin1Char('\n'));
    }
    QVERIFY2(neverWorseThanTheDetector, "a text the detector alone reads right is suggested wrong");
    QVERIFY2(enough, qPrintable(QStringLiteral("%1 of %2 read right").arg(right).arg(corpus.size())));
    QVERIFY2(arabicScriptRight, "a Persian or Arabic paragraph or page read wrong");
}

void tst_EncodingGuess::firstSuggestion_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty input reads alike everywhere") << QByteArray() << QByteArray("UTF-8");
    QTest::newRow("pure ASCII") << QByteArray("plain text, nothing else\n") << QByteArray("UTF-8");
    QTest::newRow("Persian file name")
        << encoded("windows-1256", QStringLiteral("گزارش سالانه")) << QByteArray("windows-1256");
    QTest::newRow("Persian line with Keheh and the non-joiner")
        << encoded("windows-1256", PersianLine) << QByteArray("windows-1256");
    QTest::newRow("Arabic title in ISO-8859-6")
        << encoded("ISO-8859-6", QStringLiteral("تقرير الميزانية")) << QByteArray("ISO-8859-6");
    QTest::newRow("Persian after 100 KB of ASCII")
        << QByteArray(100 * 1024, 'x').append('\n').append(encoded("windows-1256", PersianLine.repeated(3)))
        << QByteArray("windows-1256");
    QTest::newRow("Ukrainian the detector takes for KOI8-R")
        << encoded("KOI8-U", QStringLiteral("Їжачок сидів під ґанком і їв яблуко"))
        << QByteArray("KOI8-U");
}

void tst_EncodingGuess::firstSuggestion()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    const QList<int> suggestions = suggestEncodings(bytes);
    QVERIFY(!suggestions.isEmpty());
    QCOMPARE(QTextCodec::codecForMib(suggestions.first())->name(), expected);
}

void tst_EncodingGuess::detectorAnswerIsARegistryCodec_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("upper-case name") << encoded("windows-1256", PersianLine.repeated(5)) << QByteArray("windows-1256");
    QTest::newRow("UHC, which Qt calls windows-949")
        << encoded("EUC-KR", QStringLiteral("우리 할머니 댁은 바닷가 근처의 작은 마을에 있습니다."))
        << QByteArray("windows-949");
}

void tst_EncodingGuess::detectorAnswerIsARegistryCodec()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    const int mib = detectedEncoding(bytes);
    QVERIFY(QTextCodec::availableMibs().contains(mib));
    QCOMPARE(QTextCodec::codecForMib(mib)->name(), expected);
}

void tst_EncodingGuess::suggestionsReadCleanlyAndOnce_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("clean"); // empty: as the scan finds them
    QTest::addColumn<bool>("none");
    QTest::newRow("Persian") << encoded("windows-1256", PersianLine.repeated(20)) << QList<int>() << false;
    QTest::newRow("German, alike in many code pages")
        << encoded("ISO-8859-1", QStringLiteral("Müde, aber glücklich kehrten wir zurück. ")) << QList<int>() << false;
    QTest::newRow("Shift_JIS") << encoded("Shift_JIS", QStringLiteral("京都の秋は美しい。")) << QList<int>() << false;
    QTest::newRow("Big5 past the sample")
        << encoded("Big5", QStringLiteral("外公的茶園在一座高山的半山腰。\n").repeated(5000)) << QList<int>() << false;
    QTest::newRow("empty input") << QByteArray() << QList<int>() << false;
    QTest::newRow("Hebrew with a byte windows-1255 lacks")
        << encoded("windows-1255", QStringLiteral("בשכונה הישנה שלנו יש מאפייה קטנה. ")).repeated(5).append('\xd9')
        << QList<int>() << false;
    QTest::newRow("bytes no codec takes") << QByteArray("\xd3\xe1\xc7\xe3") << QList<int>() << true;
    // Qt's ICU codecs report no errors: US-ASCII counts as clean and puts in U+FFFD.
    QTest::newRow("bytes only a substituting codec takes")
        << QByteArray("\xd3\xe1\xc7\xe3") << QList<int>{mibOf("US-ASCII")} << true;
}

void tst_EncodingGuess::suggestionsReadCleanlyAndOnce()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, clean);
    QFETCH(bool, none);
    if (clean.isEmpty() && !none)
        clean = CodecScan::cleanMibs(bytes);
    const QList<int> suggestions = suggestEncodings(bytes, clean);
    QCOMPARE(suggestions.isEmpty(), none);
    QStringList texts;
    for (int mib : suggestions) {
        QVERIFY2(clean.contains(mib), QTextCodec::codecForMib(mib)->name());
        const QString text = QTextCodec::codecForMib(mib)->toUnicode(bytes);
        QVERIFY(CodecScan::decodesCleanly(QTextCodec::codecForMib(mib), bytes));
        QVERIFY2(!text.contains(QChar(0xFFFD)), QTextCodec::codecForMib(mib)->name());
        QVERIFY2(!texts.contains(text), QTextCodec::codecForMib(mib)->name());
        texts << text;
    }
}

void tst_EncodingGuess::mergesOnlyCodecsThatReadAlike_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("betterKnown");
    QTest::addColumn<QByteArray>("other");
    QTest::addColumn<bool>("merged");
    const QByteArray turkish = encoded("windows-1254", QStringLiteral("Güneş batarken gökyüzü turuncuya döndü. "));
    QTest::newRow("Turkish letters") << turkish << QByteArray("windows-1254") << QByteArray("ISO-8859-9") << true;
    QTest::newRow("Turkish letters past the sample")
        << turkish.repeated(4000) << QByteArray("windows-1254") << QByteArray("ISO-8859-9") << true;
    const QByteArray german = encoded("ISO-8859-15", QStringLiteral("Müde, aber glücklich kehrten wir zurück. "));
    QTest::newRow("a euro sign past the sample tells them apart")
        << german.repeated(4000) + encoded("ISO-8859-15", QStringLiteral("12 €"))
        << QByteArray("windows-1252") << QByteArray("ISO-8859-15") << false;
    QTest::newRow("GBK read as GB18030")
        << encoded("GBK", QStringLiteral("我的家乡是南方的一个小镇，镇上有一条清澈的小河。\n").repeated(3000))
        << QByteArray("GBK") << QByteArray("GB18030") << true;
}

void tst_EncodingGuess::mergesOnlyCodecsThatReadAlike()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, betterKnown);
    QFETCH(QByteArray, other);
    QFETCH(bool, merged);
    const QList<int> suggestions = suggestEncodings(bytes);
    QVERIFY(suggestions.contains(mibOf(betterKnown)));
    QCOMPARE(suggestions.contains(mibOf(other)), !merged);
}

QTEST_GUILESS_MAIN(tst_EncodingGuess)
#include "tst_encodingguess.moc"
