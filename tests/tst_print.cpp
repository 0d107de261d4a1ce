// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/editor/layoutmode.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/print/documentprinter.h"
#include "gui/print/pagelayout.h"
#include "gui/print/printsource.h"
#include "testutil.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QKeySequence>
#include <QTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
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

PrintSource sourceOf(const QString &text, int mode = WrappedAuto, const QString &family = QStringLiteral("DejaVu Sans"))
{
    PrintSource source;
    source.text = text;
    source.font = QFont(family, 12);
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
    void printerAndPdfGiveThePages_data();
    void printerAndPdfGiveThePages();
    void linesAlignAsTheLayoutMode_data();
    void linesAlignAsTheLayoutMode();
    void piecesBreakLinesAsTheWholeParagraph_data();
    void piecesBreakLinesAsTheWholeParagraph();
    void textLayerGivesTheWords_data();
    void textLayerGivesTheWords();
    void commandsOpenTheirDialogs_data();
    void commandsOpenTheirDialogs();
    void exportWritesTheWindowsDocument();
    void cancelledExportLeavesTheFile();

private:
    int m_linesPerPage = 0;
};

void tst_Print::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QWidget window;
    DocumentPrinter printer(&window);
    m_linesPerPage = PageSetup::measure(sourceOf(QString()), printer.printer()->pageLayout(), printer.printer()).linesPerPage();
    QVERIFY(m_linesPerPage > 10);
}

void tst_Print::printerAndPdfGiveThePages_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");

    const int perPage = m_linesPerPage;
    QStringList page;
    for (int i = 0; i < perPage; ++i)
        page << QStringLiteral("line %1").arg(i);
    QTest::newRow("empty document") << QString() << 1;
    QTest::newRow("a full page") << page.join(QLatin1Char('\n')) << perPage;
    QTest::newRow("one line over a page") << (page + QStringList(QStringLiteral("over"))).join(QLatin1Char('\n')) << perPage + 1;
    QTest::newRow("a final line feed ends in an empty line") << page.join(QLatin1Char('\n')) + QLatin1Char('\n') << perPage + 1;
    QTest::newRow("wrapped paragraphs of a right-to-left page") << QString(Persian + QLatin1Char('\n')).repeated(12) << -1;
}

void tst_Print::printerAndPdfGiveThePages()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QTemporaryDir dir;
    QWidget window;
    DocumentPrinter printer(&window);
    const PrintSource source = sourceOf(text);
    if (lines < 0) {
        // The lines of each paragraph laid out whole, by Qt, at the page's width.
        const PageSetup setup = PageSetup::measure(source, printer.printer()->pageLayout(), printer.printer());
        lines = 0;
        for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
            QTextLayout layout(paragraph, setup.font, printer.printer());
            layout.setTextOption(setup.option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
                line.setLineWidth(setup.body.width() * printer.printer()->resolution() / 72.0);
            layout.endLayout();
            lines += layout.lineCount();
        }
    }
    const int pages = (lines + m_linesPerPage - 1) / m_linesPerPage;

    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    printer.printer()->setOutputFileName(printed);
    QVERIFY(printer.printTo(printer.printer(), source));
    QCOMPARE(pdfPages(printed), pages);

    const QString exported = dir.filePath(QStringLiteral("exported.pdf"));
    QVERIFY(printer.exportPdfTo(exported, source));
    QCOMPARE(pdfPages(exported), pages);
}

void tst_Print::linesAlignAsTheLayoutMode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("right");
    const QString persian = QStringLiteral("سلام دنیا.");
    const QString english = QStringLiteral("Hello world.");
    QTest::newRow("wrapped: a persian paragraph starts at the right") << persian << int(WrappedAuto) << true;
    QTest::newRow("wrapped: an english paragraph starts at the left") << english << int(WrappedAuto) << false;
    QTest::newRow("left to right: persian at the left") << persian << int(NoWrapLeftToRight) << false;
    QTest::newRow("right to left: english at the right") << english << int(NoWrapRightToLeft) << true;
}

void tst_Print::linesAlignAsTheLayoutMode()
{
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(bool, right);
    QTemporaryDir dir;
    QWidget window;
    DocumentPrinter printer(&window);
    const PrintSource source = sourceOf(text, mode);
    const QRectF body = PageSetup::measure(source, printer.printer()->pageLayout(), printer.printer()).body;
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    printer.printer()->setOutputFileName(printed);
    QVERIFY(printer.printTo(printer.printer(), source));
    const QString exported = dir.filePath(QStringLiteral("exported.pdf"));
    QVERIFY(printer.exportPdfTo(exported, source));

    const QRegularExpression word(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\""));
    for (const QString &pdf : {printed, exported}) {
        qreal left = 1e9;
        qreal rightmost = 0;
        auto words = word.globalMatch(run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
        while (words.hasNext()) {
            const QRegularExpressionMatch match = words.next();
            const qreal top = match.captured(2).toDouble();
            if (top < body.top() - 2 || top > body.bottom())
                continue;
            left = qMin(left, match.captured(1).toDouble());
            rightmost = qMax(rightmost, match.captured(3).toDouble());
        }
        QVERIFY2(rightmost > 0, qPrintable(pdf));
        if (right)
            QVERIFY2(qAbs(rightmost - body.right()) < 3, qPrintable(QStringLiteral("%1: %2 .. %3 in %4 .. %5").arg(pdf).arg(left).arg(rightmost).arg(body.left()).arg(body.right())));
        else
            QVERIFY2(qAbs(left - body.left()) < 3, qPrintable(QStringLiteral("%1: %2 .. %3 in %4 .. %5").arg(pdf).arg(left).arg(rightmost).arg(body.left()).arg(body.right())));
    }
}

void tst_Print::piecesBreakLinesAsTheWholeParagraph_data()
{
    QTest::addColumn<QString>("paragraph");
    const QString persian = QString(Persian).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QTest::newRow("persian words") << persian.repeated(40000 / persian.size() + 1).left(40000);
    QTest::newRow("no space to end a piece at") << QString(30000, QLatin1Char('x'));
    QTest::newRow("surrogate pairs") << QString::fromUtf8("\xF0\x9D\x90\x80").repeated(15000);
}

void tst_Print::piecesBreakLinesAsTheWholeParagraph()
{
    QFETCH(QString, paragraph);
    QWidget window;
    DocumentPrinter printer(&window);
    const PageSetup setup = PageSetup::measure(sourceOf(paragraph), printer.printer()->pageLayout(), printer.printer());
    const qreal width = setup.body.width() * printer.printer()->resolution() / 72.0;
    QTextLayout whole(paragraph, setup.font, printer.printer());
    whole.setTextOption(setup.option);
    whole.beginLayout();
    QList<int> expected;
    for (QTextLine line = whole.createLine(); line.isValid(); line = whole.createLine()) {
        line.setLineWidth(width);
        expected << line.textStart();
    }
    whole.endLayout();

    QtLineWalker walker(paragraph, setup, printer.printer(), width);
    walker.start();
    QList<int> starts;
    do
        starts << walker.lineStart();
    while (walker.next());
    QCOMPARE(starts, expected);
}

void tst_Print::textLayerGivesTheWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    const QString dejaVu = QStringLiteral("DejaVu Sans");
    QTest::newRow("persian") << Persian << dejaVu;
    QTest::newRow("arabic") << Arabic << dejaVu;
    QTest::newRow("persian with english words") << PersianWithEnglish << dejaVu;
    QTest::newRow("english with persian words") << EnglishWithPersian << dejaVu;
    // Draws lam-alef as a lam and an alef of no width, and the harakat as glyphs of their own.
    QTest::newRow("persian in naskh") << Persian << QStringLiteral("Noto Naskh Arabic");
    QTest::newRow("arabic in naskh") << Arabic << QStringLiteral("Noto Naskh Arabic");
}

void tst_Print::textLayerGivesTheWords()
{
    QFETCH(QString, text);
    QFETCH(QString, family);
    if (QFontInfo(QFont(family)).family() != family)
        QSKIP("The font is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    QWidget window;
    DocumentPrinter printer(&window);
    QVERIFY(printer.exportPdfTo(path, sourceOf(text, WrappedAuto, family)));
    const QString extracted = run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    QStringList expected = words(QStringLiteral("sample.txt"));
    expected += words(text);
    expected += words(DocumentPrinter::footer(1, 1));
    QCOMPARE(words(extracted), expected);
    QVERIFY(!hasPresentationForms(extracted));
}

void tst_Print::commandsOpenTheirDialogs_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("ctrl+p prints") << QString() << QKeySequence(QStringLiteral("Ctrl+P")) << QStringLiteral("QPrintDialog");
    QTest::newRow("print preview") << QStringLiteral("actionPrint_Preview") << QKeySequence() << QStringLiteral("QPrintPreviewDialog");
    QTest::newRow("export as pdf") << QStringLiteral("actionExport_as_PDF") << QKeySequence() << QStringLiteral("QFileDialog");
}

void tst_Print::commandsOpenTheirDialogs()
{
    QFETCH(QString, command);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, dialog);
    MainWindow w;
    editorOf(w)->setPlainText(Persian);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    ModalBot bot;
    bot.act([](QWidget *shown) { qobject_cast<QDialog *>(shown)->reject(); });
    if (command.isEmpty())
        QTest::keySequence(&w, keys);
    else
        w.findChild<QAction *>(command)->trigger();
    QTRY_COMPARE(bot.pending(), 0);
    QCOMPARE(bot.seen.value(0).className, dialog);
    QVERIFY(!bot.sawUnexpected());
}

void tst_Print::exportWritesTheWindowsDocument()
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    {
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Persian.toUtf8());
    }
    MainWindow w;
    QVERIFY(w.loadFile(text));
    w.findChild<QAction *>(QStringLiteral("actionRight_To_Left"))->trigger();
    ModalBot bot;
    QString suggested;
    bot.act([&suggested](QWidget *shown) {
        auto *dialog = qobject_cast<QFileDialog *>(shown);
        suggested = dialog->selectedFiles().value(0);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    w.findChild<QAction *>(QStringLiteral("actionExport_as_PDF"))->trigger();
    QTRY_COMPARE(bot.pending(), 0);
    QCOMPARE(suggested, dir.filePath(QStringLiteral("notes.pdf")));
    const QString extracted = run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), suggested, QStringLiteral("-")});
    QVERIFY2(extracted.contains(QStringLiteral("نمی‌دانم")), qPrintable(extracted));
    QVERIFY(extracted.contains(QStringLiteral("کتاب‌ها")));
    QVERIFY(extracted.contains(QStringLiteral("notes.txt")));
    QVERIFY(!w.isModified());
}

void tst_Print::cancelledExportLeavesTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.pdf"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    QWidget window;
    DocumentPrinter printer(&window);
    ModalBot bot;
    bot.actOnProgress([](QWidget *shown) { shown->findChild<QPushButton *>()->click(); });
    QVERIFY(!printer.exportPdfTo(path, sourceOf(QString(Persian + QLatin1Char('\n')).repeated(20000))));
    QCOMPARE(bot.seen.value(0).className, QStringLiteral("QProgressDialog"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old"));
}

QTEST_MAIN(tst_Print)
#include "tst_print.moc"
