// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings.h"
#include "gui/mainwindow/mainwindow.h"
#include "testutil.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

namespace {

QString rawText(QTextEdit *edit)
{
    return edit->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

QPushButton *applyButton(QWidget *dialog)
{
    return dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply);
}

}

class tst_Tidy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void returnAppliesAndOneUndoRestores();
    void applies_data();
    void applies();
    void largeTextIsTidiedBehindTheBusyBar();
    void theViewStaysOnItsParagraph();
};

void tst_Tidy::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
}

void tst_Tidy::init()
{
    clearSettings();
}

void tst_Tidy::returnAppliesAndOneUndoRestores()
{
    const QString original = QString::fromUtf8(
        "من كتاب ها را نمي خوانم ، چون وقت ندارم ... \"سلام\" گفت  .\nدر سال 1403 با Qt5 نوشتم.");
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(original);
    edit->selectAll();

    ModalBot bot;
    bot.act([](QWidget *dialog) { QTest::keyClick(dialog->focusWidget(), Qt::Key_Return); });
    QTest::keyClick(edit, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("Tidy Persian Text"));
    QCOMPARE(rawText(edit), QString::fromUtf8("من کتاب‌ها را نمی‌خوانم، چون وقت ندارم… «سلام» گفت.\n"
                                              "در سال ۱۴۰۳ با Qt5 نوشتم."));
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("convertNote"))->text(), QStringLiteral("10 changes."));

    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rawText(edit), original);
    QVERIFY(!edit->document()->isUndoAvailable());
}

void tst_Tidy::applies_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("anchor"); // anchor == position: nothing selected, the whole document
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("unchecked");
    QTest::addColumn<bool>("apply");
    QTest::addColumn<QString>("tidied");
    QTest::addColumn<int>("newAnchor");
    QTest::addColumn<int>("newPosition");
    QTest::addColumn<QString>("note");

    const QString books = QString::fromUtf8("كتاب ها\nكتاب  ها");
    QTest::newRow("whole document: the cursor keeps its place after the changes")
        << books << 16 << 16 << "" << true << QString::fromUtf8("کتاب‌ها\nکتاب‌ها") << 15 << 15 << "4 changes.";
    QTest::newRow("a selection backwards over part of a line: the rest stays, the tidied part stays selected")
        << books << 16 << 8 << "" << true << QString::fromUtf8("كتاب ها\nکتاب‌ها") << 15 << 8 << "2 changes.";
    QTest::newRow("an unchecked rule is left out and stored")
        << books << 0 << 0 << "suffixes" << true << QString::fromUtf8("کتاب ها\nکتاب ها") << 0 << 0 << "3 changes.";
    QTest::newRow("cancel changes nothing") << books << 3 << 3 << "" << false << books << 3 << 3 << "";
    QTest::newRow("nothing to tidy") << QString::fromUtf8("کتاب‌ها") << 0 << 0 << "" << true
                                     << QString::fromUtf8("کتاب‌ها") << 0 << 0 << "Nothing to tidy.";
}

void tst_Tidy::applies()
{
    QFETCH(QString, document);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, unchecked);
    QFETCH(bool, apply);
    QFETCH(QString, tidied);
    QFETCH(int, newAnchor);
    QFETCH(int, newPosition);
    QFETCH(QString, note);
    MainWindow w;
    w.show();
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(document);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);

    ModalBot bot;
    bot.act([unchecked, apply](QWidget *dialog) {
        if (!unchecked.isEmpty())
            dialog->findChild<QCheckBox *>(QStringLiteral("chk") + unchecked.at(0).toUpper() + unchecked.mid(1))->click();
        if (apply)
            applyButton(dialog)->click();
        else
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    });
    w.findChild<QAction *>(QStringLiteral("actionTidy_Persian_Text"))->trigger();
    QVERIFY(!bot.sawUnexpected());
    QCOMPARE(rawText(edit), tidied);
    QCOMPARE(edit->textCursor().anchor(), newAnchor);
    QCOMPARE(edit->textCursor().position(), newPosition);
    if (!note.isEmpty())
        QCOMPARE(w.findChild<QLabel *>(QStringLiteral("convertNote"))->text(), note);
    QCOMPARE(edit->document()->isUndoAvailable(), tidied != document);
    if (!unchecked.isEmpty()) {
        QCOMPARE(Settings::read(Settings::Key::Tidy, unchecked).toBool(), false);
        QCOMPARE(Settings::read(Settings::Key::Tidy, QStringLiteral("letters")).toBool(), true);
    }
}

void tst_Tidy::largeTextIsTidiedBehindTheBusyBar()
{
    QString text;
    while (text.size() < 700 * 1024)
        text += QString::fromUtf8("كتاب ها را مي خوانم  .\n");
    MainWindow w;
    w.show();
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(text);

    // Cancelled while busy, then applied once done.
    bool wasBusy = false;
    ModalBot bot;
    bot.act([&wasBusy](QWidget *dialog) {
        wasBusy = dialog->findChild<QProgressBar *>()->isVisible() && !applyButton(dialog)->isEnabled();
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    });
    bot.act([](QWidget *dialog) {
        QPushButton *apply = applyButton(dialog);
        if (QTest::qWaitFor([apply] { return apply->isEnabled(); }, 60000))
            apply->click();
        else
            static_cast<QDialog *>(dialog)->reject();
    });
    QAction *tidy = w.findChild<QAction *>(QStringLiteral("actionTidy_Persian_Text"));
    tidy->trigger();
    QVERIFY(wasBusy);
    QCOMPARE(rawText(edit), text);
    tidy->trigger();
    QVERIFY(!bot.sawUnexpected());
    QString expected = text;
    expected.replace(QString::fromUtf8("كتاب ها را مي خوانم  ."), QString::fromUtf8("کتاب‌ها را می‌خوانم."));
    QCOMPARE(rawText(edit), expected);
    // Written in slices, the changes are still one undo step.
    QMetaObject::invokeMethod(edit, "undo");
    QCOMPARE(rawText(edit), text);
}

void tst_Tidy::theViewStaysOnItsParagraph()
{
    // Wrapped lines that the tidy shortens, above the view as well.
    QString text;
    for (int i = 0; i < 400; ++i)
        text += QString::fromUtf8("كتاب   ها را     مي   خوانم   ").repeated(4) + QString::number(i) + QLatin1Char('\n');
    MainWindow w;
    w.resize(420, 300);
    w.show();
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(text);
    QCoreApplication::processEvents();
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum() / 2);
    QCoreApplication::processEvents();
    const QTextCursor top = edit->cursorForPosition(QPoint(0, 0));

    ModalBot bot;
    bot.act([](QWidget *dialog) { applyButton(dialog)->click(); });
    w.findChild<QAction *>(QStringLiteral("actionTidy_Persian_Text"))->trigger();
    QCoreApplication::processEvents();
    QVERIFY(rawText(edit).size() < text.size());
    QCOMPARE(edit->cursorForPosition(QPoint(0, 0)).blockNumber(), top.blockNumber());
}

QTEST_MAIN(tst_Tidy)
#include "tst_tidy.moc"
