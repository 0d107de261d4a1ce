// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/layoutmode.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/print/documentprinter.h"
#include "gui/print/printsource.h"
#include "testutil.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

namespace {

const QString Persian = QStringLiteral("من نمی‌دانم این کتاب‌ها را کجا گذاشته‌ام. «لالایی» را برای بچه‌ها می‌خوانم.\n"
                                       "پرونده‌های ما در سال ۱۴۰۳ نوشته شد.");
const QString Arabic = QStringLiteral("لا أعلم أين وضعتُ الكتب. قال المعلّم: إنّ العلم نورٌ.\n"
                                      "في عام ١٤٤٥ كتبنا هذه الرسالة.");
// pdftotext orders each line by the direction most of the page's letters have.
const QString PersianWithEnglish = QStringLiteral("این پرونده with English words در میان متن است.\n"
                                                  "کتاب‌ها را با Tavlo 2 در سال ۱۴۰۳ نوشتم؛ «لا» و «نمی‌دانم» هم هست.");
const QString EnglishWithPersian = QStringLiteral("The file «کتاب‌ها» holds 12 Persian words.\n"
                                                  "A Persian word, نمی‌دانم, in an English line of text.");

PrintSource sourceOf(const QString &text, int mode = WrappedAuto)
{
    PrintSource source;
    source.text = text;
    source.font = QFont(QStringLiteral("DejaVu Sans"), 12);
    source.option = textOptionFor(mode);
    source.title = QStringLiteral("sample.txt");
    return source;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &path)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The words of a text as a reader searches for them: runs of letters of one script, with their
// marks and zero width non-joiners, or of digits. Punctuation is left out: where the direction
// changes, pdftotext puts it, and the space beside it, on the wrong side of a word, whatever
// wrote the PDF.
QStringList words(const QString &text)
{
    QStringList found;
    QString word;
    int wordClass = 0;
    for (const QChar c : text) {
        int charClass = 0;
        if (c.isMark() || c == QChar(0x200C)) {
            if (!word.isEmpty())
                word += c;
            continue;
        }
        if (c.isDigit())
            charClass = 1;
        else if (c.isLetter())
            charClass = c.script() == QChar::Script_Arabic ? 2 : 3;
        if (charClass != wordClass && !word.isEmpty()) {
            found << word;
            word.clear();
        }
        wordClass = charClass;
        if (charClass)
            word += c;
    }
    if (!word.isEmpty())
        found << word;
    return found;
}

bool hasPresentationForms(const QString &text)
{
    for (const QChar c : text) {
        if ((c.unicode() >= 0xFB50 && c.unicode() <= 0xFDFF) || (c.unicode() >= 0xFE70 && c.unicode() <= 0xFEFF))
            return true;
    }
    return false;
}

}

class tst_Print : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textLayerGivesTheWords_data();
    void textLayerGivesTheWords();
};

void tst_Print::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

void tst_Print::textLayerGivesTheWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("persian") << Persian;
    QTest::newRow("arabic") << Arabic;
    QTest::newRow("persian with english words") << PersianWithEnglish;
    QTest::newRow("english with persian words") << EnglishWithPersian;
}

void tst_Print::textLayerGivesTheWords()
{
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    QWidget window;
    DocumentPrinter printer(&window);
    QVERIFY(printer.exportPdfTo(path, sourceOf(text)));
    const QString extracted = run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    qDebug().noquote() << extracted;
    QFile::copy(path, QStringLiteral("/tmp/printcal/") + QTest::currentDataTag() + QStringLiteral(".pdf"));
    QStringList expected = words(QStringLiteral("sample.txt"));
    expected += words(text);
    expected += words(DocumentPrinter::footer(1, 1));
    QCOMPARE(words(extracted), expected);
    QVERIFY(!hasPresentationForms(extracted));
}

QTEST_MAIN(tst_Print)
#include "tst_print.moc"
