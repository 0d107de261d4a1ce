// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/language.h"
#include "gui/mainwindow/mainwindow.h"
#include "testutil.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

namespace {

const QString Finished = QStringLiteral("Tavlo has finished searching the document.");

struct Panel {
    explicit Panel(MainWindow &w)
        : window(w)
        , edit(w.findChild<QTextEdit *>(QStringLiteral("textEdit")))
        , find(w.findChild<QPlainTextEdit *>(QStringLiteral("plainFind")))
        , replace(w.findChild<QPlainTextEdit *>(QStringLiteral("plainReplace")))
        , dock(w.findChild<QDockWidget *>(QStringLiteral("dockWidget_2")))
    {
    }
    QPushButton *button(const char *name) const { return window.findChild<QPushButton *>(QString::fromLatin1(name)); }
    void select(int anchor, int position) const
    {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
    }
    QPair<int, int> selection() const
    {
        return {edit->textCursor().selectionStart(), edit->textCursor().selectionEnd()};
    }

    MainWindow &window;
    QTextEdit *edit;
    QPlainTextEdit *find;
    QPlainTextEdit *replace;
    QDockWidget *dock;
};

using Range = QPair<int, int>;

}

class tst_Find : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();


    void findMatch_data();
    void findMatch();
    void editingMakesTheCacheStale();
    void replaceOnlySelectsWhenTheSelectionIsNoMatch();
    void replacePreviousSelectsTheEarlierMatch();
    void replaceAll_data();
    void replaceAll();
    void replaceAllUndoesOneAtATime();
    void laterSearchDoesNotRepeatTheCount();

    void findCommandSeedsFromTheSelection();
    void findCommandKeepsThePreviousText();
    void findNextWithEmptyBoxOpensThePanel();
    void boxesAlignEachParagraphByItsDirection_data();
    void boxesAlignEachParagraphByItsDirection();
    void keysInTheBoxes_data();
    void keysInTheBoxes();
    void escapeHidesThePanelAndKeepsTheTexts();
    void buttonsFollowTheFindText();
    void matchDialog_data();
    void matchDialog();

    void matchCount_data();
    void matchCount();
    void highlightsStayNearTheViewAndFollowEdits();
    void countStaysInStep_data();
    void countStaysInStep();
    void panelNeverHidesTheMatch_data();
    void panelNeverHidesTheMatch();
};

void tst_Find::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
}

void tst_Find::findMatch_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("find");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("matchLetters");
    QTest::addColumn<int>("found"); // -1: the finished message, selection unchanged
    QTest::newRow("kaf finds keheh") << "این کتاب" << "كتاب" << 0 << 0 << true << false << false << 4;
    QTest::newRow("exact letters: yeh misses farsi yeh") << "دنیا" << "دنيا" << 0 << 0 << true << false << true << -1;
    QTest::newRow("previous from offset 0 finds the last") << "ab ab ab" << "ab" << 0 << 0 << false << false << false << 6;
    QTest::newRow("nothing anywhere") << "nothing here" << "absent" << 2 << 5 << true << false << false << -1;
}

void tst_Find::findMatch()
{
    QFETCH(QString, document);
    QFETCH(QString, find);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(bool, forward);
    QFETCH(bool, matchCase);
    QFETCH(bool, matchLetters);
    QFETCH(int, found);
    MainWindow w;
    Panel p(w);
    p.edit->setPlainText(document);
    p.find->setPlainText(find);
    w.setMatchOptions(matchCase, matchLetters);
    p.select(anchor, position);
    const Range before = p.selection();
    ModalBot bot;
    if (found < 0)
        bot.answer(QMessageBox::Ok);
    QCOMPARE(w.findMatch(forward, true, true), found >= 0);
    if (found >= 0) {
        QVERIFY(bot.seen.isEmpty());
        QCOMPARE(p.selection(), Range(found, found + find.size()));
        QCOMPARE(p.edit->textCursor().position(), found + find.size());
    } else {
        QCOMPARE(bot.seen.size(), 1);
        QCOMPARE(bot.seen.first().title, QStringLiteral("Tavlo"));
        QCOMPARE(bot.seen.first().text, Finished);
        QCOMPARE(p.selection(), before);
    }
}

void tst_Find::editingMakesTheCacheStale()
{
    MainWindow w;
    Panel p(w);
    p.edit->setPlainText(QStringLiteral("find the word"));
    p.find->setPlainText(QStringLiteral("word"));
    QVERIFY(w.findMatch(true, true, true));
    QCOMPARE(p.selection(), Range(9, 13));
    p.select(0, 0);
    p.edit->insertPlainText(QStringLiteral("please "));
    p.select(0, 0);
    QVERIFY(w.findMatch(true, true, true));
    QCOMPARE(p.selection(), Range(16, 20));

    // Edits of every kind, undone and redone: the copy the search patches keeps in step, so
    // Find Next goes through exactly the occurrences of the text as it is.
    QRandomGenerator generator(11);
    const QString pieces[] = {QStringLiteral("word"), QStringLiteral("\n"), QStringLiteral("a\u00A0b w"), QString()};
    for (int round = 0; round < 60; ++round) {
        const int length = p.edit->toPlainText().size();
        const int at = generator.bounded(length + 1);
        p.select(at, qMin(length, at + generator.bounded(4)));
        switch (generator.bounded(4)) {
        case 0:
            p.edit->undo();
            break;
        case 1:
            p.edit->redo();
            break;
        default:
            p.edit->insertPlainText(pieces[generator.bounded(4)]);
        }
        const QString text = p.edit->toPlainText();
        p.select(0, 0);
        const int first = text.indexOf(QStringLiteral("word"));
        if (first < 0)
            continue;
        QVERIFY(w.findMatch(true, true, true));
        QCOMPARE(p.selection(), Range(first, first + 4));
        const int last = text.lastIndexOf(QStringLiteral("word"));
        p.select(0, 0);
        QVERIFY(w.findMatch(false, true, true));
        QCOMPARE(p.selection(), Range(last, last + 4));
    }
}

void tst_Find::replaceOnlySelectsWhenTheSelectionIsNoMatch()
{
    MainWindow w;
    Panel p(w);
    p.edit->setPlainText(QStringLiteral("cat dog cat"));
    p.find->setPlainText(QStringLiteral("cat"));
    p.replace->setPlainText(QStringLiteral("cow"));
    p.select(4, 7);
    p.button("pushReplace")->click();
    QCOMPARE(p.edit->toPlainText(), QStringLiteral("cat dog cat"));
    QCOMPARE(p.selection(), Range(8, 11));
    p.button("pushReplace")->click();
    QCOMPARE(p.edit->toPlainText(), QStringLiteral("cat dog cow"));
    // A single Replace wraps around.
    QCOMPARE(p.selection(), Range(0, 3));
    QVERIFY(w.isModified());
}

void tst_Find::replacePreviousSelectsTheEarlierMatch()
{
    MainWindow w;
    Panel p(w);
    p.edit->setPlainText(QStringLiteral("ab ab ab"));
    p.find->setPlainText(QStringLiteral("ab"));
    p.replace->setPlainText(QStringLiteral("abab"));
    p.select(3, 5);
    p.button("pushReplacePrev")->click();
    QCOMPARE(p.edit->toPlainText(), QStringLiteral("ab abab ab"));
    QCOMPARE(p.selection(), Range(0, 2));
    // With no earlier match it wraps to the last one.
    p.button("pushReplacePrev")->click();
    QCOMPARE(p.edit->toPlainText(), QStringLiteral("abab abab ab"));
    QCOMPARE(p.selection(), Range(10, 12));
}

void tst_Find::replaceAll_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("message");
    const QString three = Finished + QStringLiteral("<br><br>3 matches replaced successfully.");
    QTest::newRow("three occurrences") << "يك و يك و يك" << "یک" << "دو" << "دو و دو و دو" << 12 << three;
    QTest::newRow("none") << "nothing" << "absent" << "x" << "nothing" << 0 << Finished;
    QTest::newRow("no-break space in the document") << "a\u00A0b" << "a b" << "c" << "c" << 1
                                                    << Finished + QStringLiteral("<br><br>1 matches replaced successfully.");
    // Past a few thousand the replacements go in slices between turns of the event loop.
    QTest::newRow("thousands of occurrences") << QString(QStringLiteral("ab ").repeated(6000)) << "ab" << "x"
                                              << QString(QStringLiteral("x ").repeated(6000)) << 11999
                                              << Finished + QStringLiteral("<br><br>6000 matches replaced successfully.");
}

void tst_Find::replaceAll()
{
    QFETCH(QString, document);
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QFETCH(QString, result);
    QFETCH(int, cursor);
    QFETCH(QString, message);
    MainWindow w;
    w.show();
    Panel p(w);
    p.edit->setPlainText(document);
    p.find->setPlainText(find);
    p.replace->setPlainText(replacement);
    p.select(2, 2);
    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    p.button("pushReplaceAll")->click();
    QCOMPARE(p.edit->toPlainText(), result);
    QCOMPARE(p.selection(), Range(cursor, cursor));
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().text, message);
    // The cache was patched, not left stale: a search right after still finds at true offsets.
    if (!result.isEmpty()) {
        p.find->setPlainText(result.right(1));
        p.select(0, 0);
        QVERIFY(w.findMatch(true, true, true));
        QCOMPARE(p.edit->textCursor().selectedText(), result.right(1));
    }
}

void tst_Find::replaceAllUndoesOneAtATime()
{
    MainWindow w;
    w.show();
    Panel p(w);
    p.edit->setPlainText(QStringLiteral("x x x"));
    p.find->setPlainText(QStringLiteral("x"));
    p.replace->setPlainText(QStringLiteral("yy"));
    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    p.button("pushReplaceAll")->click();
    QCOMPARE(p.edit->toPlainText(), QStringLiteral("yy yy yy"));
    p.edit->undo();
    QCOMPARE(p.edit->toPlainText(), QStringLiteral("yy yy x"));
    p.edit->undo();
    QCOMPARE(p.edit->toPlainText(), QStringLiteral("yy x x"));
    p.edit->undo();
    QCOMPARE(p.edit->toPlainText(), QStringLiteral("x x x"));
}

void tst_Find::laterSearchDoesNotRepeatTheCount()
{
    MainWindow w;
    Panel p(w);
    p.edit->setPlainText(QStringLiteral("a a"));
    p.find->setPlainText(QStringLiteral("a"));
    p.replace->setPlainText(QStringLiteral("b"));
    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    p.button("pushReplaceAll")->click();
    bot.answer(QMessageBox::Ok);
    p.button("pushNext")->click();
    QCOMPARE(bot.seen.size(), 2);
    QCOMPARE(bot.seen.at(1).text, Finished);
}

void tst_Find::findCommandSeedsFromTheSelection()
{
    MainWindow w;
    w.show();
    Panel p(w);
    p.edit->setPlainText(QStringLiteral("zero\none\ntwo\none\ntwo"));
    p.select(5, 12);
    w.findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
    QVERIFY(p.dock->isVisible());
    QCOMPARE(p.find->toPlainText(), QStringLiteral("one\ntwo"));
    QCOMPARE(p.find->textCursor().selectedText().size(), 7);
    QTest::keyClick(p.find, Qt::Key_Return);
    QCOMPARE(p.selection(), Range(13, 20));
}

void tst_Find::findCommandKeepsThePreviousText()
{
    MainWindow w;
    w.show();
    Panel p(w);
    p.find->setPlainText(QStringLiteral("previous"));
    w.findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
    QCOMPARE(p.find->toPlainText(), QStringLiteral("previous"));
    QCOMPARE(p.find->textCursor().selectedText(), QStringLiteral("previous"));
}

void tst_Find::findNextWithEmptyBoxOpensThePanel()
{
    MainWindow w;
    w.show();
    Panel p(w);
    p.edit->setPlainText(QStringLiteral("text"));
    ModalBot bot;
    w.findChild<QAction *>(QStringLiteral("actionFind_Next"))->trigger();
    QVERIFY(p.dock->isVisible());
    p.dock->hide();
    w.findChild<QAction *>(QStringLiteral("actionFind_Previous"))->trigger();
    QVERIFY(p.dock->isVisible());
    QVERIFY(bot.seen.isEmpty());
}

void tst_Find::boxesAlignEachParagraphByItsDirection_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sides");
    QTest::newRow("find box") << "en" << "find" << QStringLiteral("کتاب\nbook") << "right left";
    QTest::newRow("replace box, latin first") << "fa" << "replace" << QStringLiteral("book\nکتاب") << "left right";
    // A line with no letter of either direction waits at the side the interface reads from.
    QTest::newRow("digits, persian interface") << "fa" << "find" << QStringLiteral("۱۲۳\n") << "right right";
    QTest::newRow("digits, english interface") << "en" << "find" << QStringLiteral("۱۲۳\n") << "left left";
}

void tst_Find::boxesAlignEachParagraphByItsDirection()
{
    QFETCH(QString, language);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, sides);
    Language::apply(language);
    MainWindow w;
    w.show();
    Panel p(w);
    p.dock->show();
    QPlainTextEdit *target = box == QLatin1String("find") ? p.find : p.replace;
    target->setPlainText(text);
    target->viewport()->repaint();
    QStringList shown;
    for (QTextBlock block = target->document()->firstBlock(); block.isValid(); block = block.next())
        shown << ((block.layout()->textOption().alignment() & Qt::AlignRight) ? QStringLiteral("right") : QStringLiteral("left"));
    Language::apply(QStringLiteral("en"));
    QCOMPARE(shown.join(QLatin1Char(' ')), sides);
}

void tst_Find::keysInTheBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("findText");
    QTest::addColumn<int>("selected");  // start of the selection in the editor, -1: none
    QTest::addColumn<bool>("newLine");
    QTest::newRow("return finds forward") << "find" << int(Qt::Key_Return) << 0 << "ab" << 3 << false;
    QTest::newRow("shift+return finds backward") << "find" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "ab" << 0 << false;
    QTest::newRow("return in the replace box finds") << "replace" << int(Qt::Key_Return) << 0 << "ab" << 3 << false;
    QTest::newRow("ctrl+return makes a line") << "find" << int(Qt::Key_Return) << int(Qt::ControlModifier) << "ab" << -1 << true;
    QTest::newRow("alt+return makes a line") << "replace" << int(Qt::Key_Return) << int(Qt::AltModifier) << "ab" << -1 << true;
    QTest::newRow("keypad enter makes a line") << "find" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "ab" << -1 << true;
    QTest::newRow("ctrl+shift+return is the box's own") << "find" << int(Qt::Key_Return)
                                                        << int(Qt::ControlModifier | Qt::ShiftModifier) << "ab" << -1 << false;
    QTest::newRow("return with an empty find text does nothing") << "find" << int(Qt::Key_Return) << 0 << "" << -1 << false;
}

void tst_Find::keysInTheBoxes()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, findText);
    QFETCH(int, selected);
    QFETCH(bool, newLine);
    MainWindow w;
    w.show();
    Panel p(w);
    p.edit->setPlainText(QStringLiteral("ab ab"));
    p.select(1, 1);
    p.find->setPlainText(findText);
    p.dock->show();
    QPlainTextEdit *target = box == QLatin1String("find") ? p.find : p.replace;
    target->moveCursor(QTextCursor::End);
    const int blocksBefore = target->document()->blockCount();
    ModalBot bot;
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(bot.seen.isEmpty());
    if (selected >= 0)
        QCOMPARE(p.selection(), Range(selected, selected + 2));
    else
        QCOMPARE(p.selection(), Range(1, 1));
    QCOMPARE(target->document()->blockCount(), blocksBefore + (newLine ? 1 : 0));
    QVERIFY(p.dock->isVisible());
}

void tst_Find::escapeHidesThePanelAndKeepsTheTexts()
{
    MainWindow w;
    w.show();
    Panel p(w);
    w.findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
    p.find->setPlainText(QStringLiteral("find me"));
    p.replace->setPlainText(QStringLiteral("with this"));
    QTest::keyClick(p.replace, Qt::Key_Escape);
    QVERIFY(!p.dock->isVisible());
    w.findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
    QVERIFY(p.dock->isVisible());
    QCOMPARE(p.find->toPlainText(), QStringLiteral("find me"));
    QCOMPARE(p.replace->toPlainText(), QStringLiteral("with this"));
}

void tst_Find::buttonsFollowTheFindText()
{
    MainWindow w;
    Panel p(w);
    const char *const needText[] = {"pushNext", "pushPrev", "pushReplace", "pushReplacePrev", "pushReplaceAll"};
    for (const char *name : needText)
        QVERIFY(!p.button(name)->isEnabled());
    QVERIFY(p.button("pushMatch")->isEnabled());
    QTest::keyClicks(p.find, QStringLiteral("x"));
    for (const char *name : needText)
        QVERIFY(p.button(name)->isEnabled());
    p.find->clear();
    for (const char *name : needText)
        QVERIFY(!p.button(name)->isEnabled());
    QVERIFY(p.button("pushFindAll")->isHidden());
    QVERIFY(!p.button("pushFindAll")->isEnabled());
}

void tst_Find::matchDialog_data()
{
    QTest::addColumn<bool>("clickOk");
    QTest::addColumn<bool>("matchCaseAfter");
    QTest::addColumn<bool>("matchLettersAfter");
    QTest::newRow("ok applies") << true << true << false;
    QTest::newRow("cancel keeps") << false << false << true;
}

void tst_Find::matchDialog()
{
    QFETCH(bool, clickOk);
    QFETCH(bool, matchCaseAfter);
    QFETCH(bool, matchLettersAfter);
    MainWindow w;
    Panel p(w);
    w.setMatchOptions(false, true);
    ModalBot bot;
    bool shownCase = true, shownLetters = false;
    bot.act([&](QWidget *dialog) {
        auto *chkCase = dialog->findChild<QCheckBox *>(QStringLiteral("chkCase"));
        auto *chkYK = dialog->findChild<QCheckBox *>(QStringLiteral("chkYK"));
        shownCase = chkCase->isChecked();
        shownLetters = chkYK->isChecked();
        chkCase->setChecked(true);
        chkYK->setChecked(false);
        auto *box = dialog->findChild<QDialogButtonBox *>();
        box->button(clickOk ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    p.button("pushMatch")->click();
    QCOMPARE(bot.seen.first().title, QStringLiteral("Match"));
    QVERIFY(!shownCase);
    QVERIFY(shownLetters);
    QCOMPARE(w.matchCase(), matchCaseAfter);
    QCOMPARE(w.matchLetters(), matchLettersAfter);
}

void tst_Find::matchCount_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("matchLetters");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("command"); // a button clicked before the count is read
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("count");
    QTest::newRow("kaf and keheh count alike") << "كتاب کتاب کتاب" << "کتاب" << false << false << 0 << 0 << "" << "" << "3 matches";
    QTest::newRow("exact letters count keheh alone") << "كتاب کتاب کتاب" << "کتاب" << false << true << 0 << 0 << "" << "" << "2 matches";
    QTest::newRow("case ignored") << "Tavlo tavlo TAVLO tavlo" << "tavlo" << false << false << 0 << 0 << "" << "" << "4 matches";
    QTest::newRow("case matched") << "Tavlo tavlo TAVLO tavlo" << "tavlo" << true << false << 0 << 0 << "" << "" << "2 matches";
    QTest::newRow("overlapping occurrences all count") << "aaaa" << "aa" << false << false << 0 << 0 << "" << "" << "3 matches";
    QTest::newRow("an overlapping match selected") << "aaaa" << "aa" << false << false << 1 << 3 << "" << "" << "2 of 3";
    QTest::newRow("selected backwards, the last match") << "ab ab ab" << "ab" << false << false << 8 << 6 << "" << "" << "3 of 3";
    QTest::newRow("a selection that is no match") << "ab ab ab" << "ab" << false << false << 2 << 4 << "" << "" << "3 matches";
    QTest::newRow("a line break in the find text") << "x\ny x\ny" << "X\nY" << false << false << 0 << 0 << "" << "" << "2 matches";
    QTest::newRow("none") << "abc" << "x" << false << false << 0 << 0 << "" << "" << "No matches";
    QTest::newRow("empty find text") << "abc" << "" << false << false << 0 << 0 << "" << "" << "";
    QTest::newRow("find next selects the first") << "ab ab ab" << "ab" << false << false << 0 << 0 << "pushNext" << "" << "1 of 3";
    QTest::newRow("replace counts the rest") << "ab ab ab" << "ab" << false << false << 0 << 2 << "pushReplace" << "x" << "1 of 2";
    QTest::newRow("replace all leaves none") << "ab ab ab" << "ab" << false << false << 0 << 0 << "pushReplaceAll" << "x" << "No matches";
    QTest::newRow("replace all with the find text inside") << "ab ab" << "ab" << false << false << 0 << 0 << "pushReplaceAll" << "abab" << "4 matches";
    // Counted off the GUI thread.
    QTest::newRow("a large document") << QString(QStringLiteral("كتاب ab ").repeated(600000)) << "کتاب" << false << false
                                      << 0 << 0 << "" << "" << "600000 matches";
    QTest::newRow("a large document, find next in the fold the count made")
        << QString(QStringLiteral("كتاب ab ").repeated(600000)) << "کتاب" << false << false << 0 << 0 << "pushNext" << ""
        << "1 of 600000";
}

void tst_Find::matchCount()
{
    QFETCH(QString, document);
    QFETCH(QString, find);
    QFETCH(bool, matchCase);
    QFETCH(bool, matchLetters);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, command);
    QFETCH(QString, replacement);
    QFETCH(QString, count);
    MainWindow w;
    w.show();
    Panel p(w);
    auto *label = w.findChild<QLabel *>(QStringLiteral("labelCount"));
    p.edit->setPlainText(document);
    w.findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
    w.setMatchOptions(matchCase, matchLetters);
    p.find->setPlainText(find);
    p.replace->setPlainText(replacement);
    p.select(anchor, position);
    ModalBot bot;
    if (command == QLatin1String("pushReplaceAll"))
        bot.answer(QMessageBox::Ok);
    if (!command.isEmpty()) {
        QTRY_VERIFY(!label->text().startsWith(QLatin1String("Counting")));
        p.button(command.toLatin1().constData())->click();
    }
    QTRY_COMPARE(label->text(), count);
    QVERIFY(!bot.sawUnexpected());
}

void tst_Find::highlightsStayNearTheViewAndFollowEdits()
{
    MainWindow w;
    w.resize(600, 400);
    w.show();
    Panel p(w);
    auto *label = w.findChild<QLabel *>(QStringLiteral("labelCount"));
    p.edit->setPlainText(QStringLiteral("word match\n").repeated(5000));
    w.findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
    p.find->setPlainText(QStringLiteral("match"));
    QCOMPARE(label->text(), QStringLiteral("5000 matches"));
    QList<QTextEdit::ExtraSelection> shown = p.edit->extraSelections();
    QVERIFY(!shown.isEmpty());
    QVERIFY(shown.size() < 200);
    QCOMPARE(shown.first().cursor.selectionStart(), 5);

    // The current match is marked apart from the others.
    p.button("pushNext")->click();
    QCOMPARE(label->text(), QStringLiteral("1 of 5000"));
    shown = p.edit->extraSelections();
    QVERIFY(shown.size() > 1);
    QVERIFY(shown.at(0).format.background() != shown.at(1).format.background());

    // At the end, the highlights are there; scrolled back, they come back.
    const int last = 5000 * 11 - 6;
    p.select(last, last + 5);
    QCOMPARE(label->text(), QStringLiteral("5000 of 5000"));
    const auto lastHighlighted = [&] {
        const QList<QTextEdit::ExtraSelection> now = p.edit->extraSelections();
        return now.isEmpty() ? -1 : now.constLast().cursor.selectionStart();
    };
    QTRY_COMPARE(lastHighlighted(), last);
    QVERIFY(p.edit->extraSelections().constFirst().cursor.selectionStart() > 5);
    p.edit->verticalScrollBar()->setValue(0);
    QTRY_COMPARE(p.edit->extraSelections().constFirst().cursor.selectionStart(), 5);

    // An edit moves the highlights at once and the count after a pause; the selected match
    // moved with the edit.
    const int firstHighlighted = p.edit->extraSelections().constFirst().cursor.selectionStart();
    QTextCursor(p.edit->document()).insertText(QStringLiteral("match "));
    QCOMPARE(p.edit->extraSelections().constFirst().cursor.selectionStart(), firstHighlighted + 6);
    QTRY_COMPARE(label->text(), QStringLiteral("5001 of 5001"));

    p.dock->hide();
    QVERIFY(p.edit->extraSelections().isEmpty());
}

void tst_Find::countStaysInStep_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("count");
    QTest::newRow("a switch of language and back") << "language" << "3 matches";
    QTest::newRow("an undo of a replacement") << "undo" << "3 matches";
}

void tst_Find::countStaysInStep()
{
    QFETCH(QString, step);
    QFETCH(QString, count);
    Language::apply(QStringLiteral("en"));
    MainWindow w;
    w.show();
    Panel p(w);
    auto *label = w.findChild<QLabel *>(QStringLiteral("labelCount"));
    p.edit->setPlainText(QStringLiteral("ab ab ab"));
    w.findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
    p.find->setPlainText(QStringLiteral("ab"));
    if (step == QLatin1String("language")) {
        Language::apply(QStringLiteral("fa"));
        QCoreApplication::processEvents();
        QCOMPARE(label->text(), QStringLiteral("۳ مورد"));
        Language::apply(QStringLiteral("en"));
        QCoreApplication::processEvents();
    } else {
        p.select(0, 2);
        p.button("pushReplace")->click();
        QCOMPARE(label->text(), QStringLiteral("1 of 2"));
        w.findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
    }
    QTRY_COMPARE(label->text(), count);
}

void tst_Find::panelNeverHidesTheMatch_data()
{
    QTest::addColumn<int>("line");
    QTest::newRow("a match under the panel: the view scrolls") << 40;
    QTest::newRow("a match at the end, where the view cannot scroll: the panel moves") << 99;
}

void tst_Find::panelNeverHidesTheMatch()
{
    QFETCH(int, line);
    MainWindow w;
    w.resize(700, 500);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    Panel p(w);
    QVector<QString> lines(100, QStringLiteral("text"));
    lines[line] = QStringLiteral("text needle");
    p.edit->setPlainText(QStringList(lines.toList()).join(QLatin1Char('\n')));
    w.findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
    // Over the lower half of the window, as a small screen or a user may put it.
    QWidget *view = p.edit->viewport();
    p.dock->move(view->mapToGlobal(QPoint(0, view->height() / 2)));
    p.find->setPlainText(QStringLiteral("needle"));
    p.edit->setTextCursor(QTextCursor(p.edit->document()));
    p.button("pushNext")->click();
    QCoreApplication::processEvents();
    QCOMPARE(p.selection(), Range(line * 5 + 5, line * 5 + 11));
    const QRect match(view->mapToGlobal(p.edit->cursorRect().topLeft()), p.edit->cursorRect().size());
    QVERIFY(QRect(view->mapToGlobal(QPoint(0, 0)), view->size()).contains(match));
    QVERIFY(!p.dock->frameGeometry().intersects(match));
}

QTEST_MAIN(tst_Find)
#include "tst_find.moc"
