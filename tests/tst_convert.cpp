// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mainwindow/mainwindow.h"
#include "testutil.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTextEdit>

namespace {

// The document as its characters stand, no-break spaces included, with line feeds between
// paragraphs.
QString rawText(QTextEdit *edit)
{
    return edit->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

}

class tst_Convert : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void convert_data();
    void convert();
};

void tst_Convert::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
}

void tst_Convert::convert_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("finalYeh");
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("anchor"); // anchor == position: nothing selected, the whole document
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("note");

    const QString letters = QStringLiteral("To_Persian_Letters");
    const QString arabic = QStringLiteral("To_Arabic_Letters");
    QTest::newRow("persian: yeh, alef maksura and kaf, whole document")
        << letters << false << "يك\nمصطفى كتاب" << 1 << 1 << "یک\nمصطفی کتاب" << "4 letters converted.";
    QTest::newRow("persian: the selection alone, across paragraphs, selected backwards")
        << letters << false << "يك\nيك\nيك" << 7 << 1 << "يک\nیک\nیك" << "4 letters converted.";
    QTest::newRow("persian: a no-break space in a converted paragraph stays")
        << letters << false << "يك\u00A0كتاب" << 0 << 0 << "یک\u00A0کتاب" << "3 letters converted.";
    QTest::newRow("persian text is left alone")
        << letters << false << "یک کتاب" << 0 << 0 << "یک کتاب" << "Nothing to convert.";
    QTest::newRow("arabic: farsi yeh and keheh, final yeh stays yeh by default")
        << arabic << false << "یک کتاب علی" << 0 << 0 << "يك كتاب علي" << "4 letters converted.";
    QTest::newRow("arabic, final yeh option: a word's last letter, before a mark or punctuation")
        << arabic << true << "علی، مصطفیً یکی" << 0 << 0 << "على، مصطفىً يكى" << "5 letters converted.";
    QTest::newRow("arabic, final yeh option: zwnj and a following letter continue the word")
        << arabic << true << "می\u200Cرود یک" << 0 << 0 << "مي\u200Cرود يك" << "3 letters converted.";
    QTest::newRow("arabic, final yeh option: the word goes on past the selection")
        << arabic << true << "کیهان" << 0 << 2 << "كيهان" << "2 letters converted.";
    QTest::newRow("persian digits from latin and arabic-indic")
        << "Persian_Digits" << false << "a1 ٢ ۳" << 0 << 0 << "a۱ ۲ ۳" << "2 digits converted.";
    QTest::newRow("arabic-indic digits from latin and persian")
        << "Arabic_Indic_Digits" << false << "2024 و ۱۴۰۵" << 0 << 0 << "٢٠٢٤ و ١٤٠٥" << "8 digits converted.";
    QTest::newRow("latin digits from both, letters untouched")
        << "Latin_Digits" << false << "۱۲ ١٢ يك" << 0 << 0 << "12 12 يك" << "4 digits converted.";
    QTest::newRow("empty document") << letters << false << "" << 0 << 0 << "" << "Nothing to convert.";
    // Written a few thousand paragraphs per edit block, and undone and redone as one step.
    QTest::newRow("persian: ten thousand paragraphs")
        << letters << false << QString(QStringLiteral("يك\n").repeated(10000)) << 0 << 0
        << QString(QStringLiteral("یک\n").repeated(10000)) << "20000 letters converted.";
}

void tst_Convert::convert()
{
    QFETCH(QString, command);
    QFETCH(bool, finalYeh);
    QFETCH(QString, document);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, converted);
    QFETCH(QString, note);
    MainWindow w;
    w.show();
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(document);
    edit->document()->setModified(false);
    w.refreshTitle(false);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    w.findChild<QAction *>(QStringLiteral("actionFinal_Yeh_as_Alef_Maksura"))->setChecked(finalYeh);

    ModalBot bot;
    w.findChild<QAction *>(QStringLiteral("action") + command)->trigger();
    QCOMPARE(rawText(edit), converted);
    QCOMPARE(edit->textCursor().anchor(), anchor);
    QCOMPARE(edit->textCursor().position(), position);
    auto *shown = w.findChild<QLabel *>(QStringLiteral("convertNote"));
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->text(), note);
    QVERIFY(bot.seen.isEmpty());

    const bool changed = converted != document;
    QCOMPARE(w.isModified(), changed);
    QCOMPARE(edit->document()->isUndoAvailable(), changed);
    if (changed) {
        w.findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
        QCOMPARE(rawText(edit), document);
        QVERIFY(!edit->document()->isUndoAvailable());
        w.findChild<QAction *>(QStringLiteral("actionRedo"))->trigger();
        QCOMPARE(rawText(edit), converted);
        QVERIFY(!edit->document()->isRedoAvailable());
    }
}

QTEST_MAIN(tst_Convert)
#include "tst_convert.moc"
