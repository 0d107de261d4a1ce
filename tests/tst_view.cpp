// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar, Go to Line, zoom, the editor's font and the cursor movement.
#include "core/settings.h"
#include "gui/editor/editorfont.h"
#include "gui/editor/plaintextlayout.h"
#include "gui/language.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/widgets/documentcounts.h"
#include "testutil.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGlyphRun>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

namespace {

QAction *action(MainWindow &w, const char *name)
{
    return w.findChild<QAction *>(QString::fromLatin1(name));
}

QString label(MainWindow &w, const char *name)
{
    return w.findChild<QLabel *>(QString::fromLatin1(name))->text();
}

void select(QTextEdit *edit, int anchor, int position)
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

// The paragraph whose line is at the top of the view.
int topBlock(QTextEdit *edit)
{
    const int margin = int(edit->document()->documentMargin());
    return edit->cursorForPosition(QPoint(margin + 1, margin + 1)).blockNumber();
}

QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("سطر %1 line").arg(i);
    return lines.join(QLatin1Char('\n'));
}

}

class tst_View : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void statusBarFigures_data();
    void statusBarFigures();
    void statusBarNamesEncodingAndMode();
    void countsFollowEveryEdit();

    void goToLine_data();
    void goToLine();
    void goToLineInAHundredMegabytes();

    void zoomKeepsTheChosenFontAndTheTopLine_data();
    void zoomKeepsTheChosenFontAndTheTopLine();
    void fontDialog_data();
    void fontDialog();
    void arabicScriptFallback_data();
    void arabicScriptFallback();

    void cursorMovement_data();
    void cursorMovement();
    void rightToLeftUnwrappedShowsLineStarts_data();
    void rightToLeftUnwrappedShowsLineStarts();

private:
    QTemporaryDir m_dir;
};

void tst_View::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
}

void tst_View::init()
{
    clearSettings();
}

void tst_View::cleanup()
{
    Language::apply(QStringLiteral("en"));
}

void tst_View::statusBarFigures_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("characters");
    const QString persian = QStringLiteral("کتاب‌ها را نمی‌دانم");
    QTest::newRow("english, a selection") << "en" << persian << 0 << 19 << "Ln 1, Col 20 (19 chars, 3 words)"
                                          << "3 words" << "19 characters";
    QTest::newRow("persian digits") << "fa" << persian << 0 << 19 << "سطر ۱، ستون ۲۰ (۱۹ نویسه، ۳ واژه)"
                                    << "۳ واژه" << "۱۹ نویسه";
    QTest::newRow("arabic digits and plurals") << "ar" << persian << 19 << 11
                                               << "سطر ١، عمود ١٢ (٨ أحرف، كلمة واحدة)" << "٣ كلمات" << "١٩ حرفًا";
    // A break counts as a character; a word cut by the selection counts as one.
    QTest::newRow("a selection over three paragraphs") << "en" << "one two\nthree\nfour five" << 5 << 17
                                                       << "Ln 3, Col 4 (12 chars, 3 words)" << "5 words"
                                                       << "23 characters";
    QTest::newRow("columns count characters, a surrogate pair once") << "en" << "a\nb\U0001F600c" << 6 << 6
                                                                     << "Ln 2, Col 4" << "3 words" << "5 characters";
    QTest::newRow("thousands grouped") << "en" << QStringLiteral("word ").repeated(1204) << 0 << 0
                                       << "Ln 1, Col 1" << "1,204 words" << "6,020 characters";
}

void tst_View::statusBarFigures()
{
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, place);
    QFETCH(QString, words);
    QFETCH(QString, characters);
    Language::apply(language);
    MainWindow w;
    w.show();
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(text);
    select(edit, anchor, position);
    QTRY_COMPARE(label(w, "labelPosition"), place);
    QCOMPARE(label(w, "labelWords"), words);
    QCOMPARE(label(w, "labelCharacters"), characters);
}

void tst_View::statusBarNamesEncodingAndMode()
{
    const QString path = writeFile(m_dir.filePath(QStringLiteral("old.txt")),
                                   QTextCodec::codecForMib(2256)->fromUnicode(QStringLiteral("كتاب جديد")));
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    w.show();
    QCOMPARE(label(w, "labelEncoding"), QStringLiteral("UTF-8"));
    QCOMPARE(label(w, "labelLayoutMode"), QStringLiteral("Wrapped - Auto"));
    ModalBot bot;
    bot.act(chooseEncoding(2256));
    QVERIFY(w.loadFile(path));
    QCOMPARE(label(w, "labelEncoding"), QStringLiteral("windows-1256"));
    action(w, "actionRight_To_Left")->trigger();
    QCOMPARE(label(w, "labelLayoutMode"), QStringLiteral("No Wrap - Right-to-Left"));
    QTRY_COMPARE(label(w, "labelWords"), QStringLiteral("2 words"));

    // Hidden, it is gone for good: the setting keeps it so.
    action(w, "actionStatus_Bar")->trigger();
    QVERIFY(w.statusBar()->isHidden());
    QCOMPARE(Settings::read(Settings::Key::StatusBar).toBool(), false);
    QVERIFY(!bot.sawUnexpected());
}

// Whatever the edits, the figures kept paragraph by paragraph are those of counting the whole
// text afresh, also when edits come while a large text is being counted off the GUI thread.
void tst_View::countsFollowEveryEdit()
{
    QTextDocument document;
    // A document tells its edits once it has a layout, as the editor's always has.
    document.documentLayout();
    DocumentCounts counts;
    counts.setDocument(&document);
    const QString words = QStringLiteral("کتاب‌ها را word\n\n, نمی‌دانم x\u2029y ");
    QRandomGenerator random(21);
    const auto check = [&](const char *step) {
        QTRY_VERIFY(counts.isReady());
        const TextCounts fresh = countText(document.toRawText());
        QVERIFY2(counts.total() == fresh, qPrintable(QStringLiteral("%1: %2 words %3 characters, afresh %4 and %5")
                                                         .arg(QLatin1String(step)).arg(counts.total().words)
                                                         .arg(counts.total().characters).arg(fresh.words).arg(fresh.characters)));
        const int from = random.bounded(document.characterCount());
        const int to = from + random.bounded(document.characterCount() - from);
        QTextCursor part(&document);
        part.setPosition(from);
        part.setPosition(to, QTextCursor::KeepAnchor);
        QVERIFY(counts.countRange(from, to) == countText(part.selectedText()));
    };
    for (int i = 0; i < 300; ++i) {
        QTextCursor cursor(&document);
        cursor.setPosition(random.bounded(document.characterCount()));
        const int kind = random.bounded(4);
        if (kind == 0 || kind == 1) {
            cursor.insertText(words.mid(random.bounded(words.size())));
        } else if (kind == 2) {
            cursor.setPosition(qMin(document.characterCount() - 1, cursor.position() + random.bounded(12)),
                               QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        } else if (document.isUndoAvailable()) {
            document.undo();
        }
        if (i % 50 == 0)
            check("small edits");
    }
    check("small edits");
    // A paste too large to count on the GUI thread, and edits while it is counted.
    QTextCursor(&document).insertText(words.repeated(300 * 1024 / words.size()));
    QVERIFY(!counts.isReady());
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("\nmore words here"));
    QTextCursor(&document).insertText(QStringLiteral("first\n"));
    QTextCursor(&document).insertText(words.repeated(300 * 1024 / words.size()));
    end.insertText(QStringLiteral("\nlast"));
    check("edits while counting");
    // A document that is large already, as a file opens, and an edit while it is counted.
    counts.setDocument(&document);
    QVERIFY(!counts.isReady());
    end.insertText(QStringLiteral(" one more\n"));
    check("a new document");
}

void tst_View::goToLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("line");
    QTest::newRow("137 of 200") << "137" << int(Qt::Key_Return) << 137;
    QTest::newRow("persian digits") << "۱۳۷" << int(Qt::Key_Return) << 137;
    QTest::newRow("arabic-indic digits") << "١٣٧" << int(Qt::Key_Return) << 137;
    QTest::newRow("escape stays") << "137" << int(Qt::Key_Escape) << 3;
}

void tst_View::goToLine()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, line);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(numberedLines(200));
    edit->setTextCursor(QTextCursor(edit->document()->findBlockByNumber(2)));
    edit->setFocus();
    int offered = 0;
    ModalBot bot;
    bot.act([&](QWidget *dialog) {
        auto *spin = dialog->findChild<QSpinBox *>();
        offered = spin->value();
        // All of it selected: the digits typed replace it.
        for (const QChar c : typed) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(spin, &press);
        }
        QTest::keyClick(spin, Qt::Key(key));
    });
    QTest::keyClick(edit, Qt::Key_G, Qt::ControlModifier);
    QTRY_COMPARE(bot.pending(), 0);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(offered, 3);
    const QTextCursor cursor = edit->textCursor();
    QCOMPARE(cursor.blockNumber() + 1, line);
    QCOMPARE(cursor.positionInBlock(), 0);
    QCoreApplication::processEvents();
    QVERIFY(edit->viewport()->rect().contains(edit->cursorRect()));
    QVERIFY(!bot.sawUnexpected());
}

// Going to a line far down a large document lays out what is shown there, not everything on
// the way; the document built off the GUI thread keeps the view's options.
void tst_View::goToLineInAHundredMegabytes()
{
    const QByteArray line = numberedLines(1).toUtf8() + QByteArray(" و این هم متنی است که ادامه دارد\n");
    QByteArray bytes;
    bytes.reserve(100 << 20);
    while (bytes.size() < (100 << 20))
        bytes += line;
    const QString path = writeFile(m_dir.filePath(QStringLiteral("huge.txt")), bytes);
    const int lines = bytes.count('\n') + 1;
    bytes.clear();
    MainWindow w;
    w.show();
    action(w, "actionShow_Invisibles")->trigger();
    action(w, "actionVisual_Cursor")->trigger();
    ModalBot bot;
    bot.act([](QWidget *) {});
    bot.act([](QWidget *) {});
    QVERIFY(w.loadFile(path));
    QFile::remove(path);
    QTextEdit *edit = editorOf(w);
    QCOMPARE(edit->document()->blockCount(), lines);
    QVERIFY(qobject_cast<PlainTextLayout *>(edit->document()->documentLayout())->invisiblesShown());
    QCOMPARE(edit->document()->defaultCursorMoveStyle(), Qt::VisualMoveStyle);

    const int target = lines * 2 / 3;
    w.goToLine(target);
    QCoreApplication::processEvents();
    QCOMPARE(edit->textCursor().blockNumber(), target - 1);
    QCOMPARE(edit->textCursor().positionInBlock(), 0);
    QTRY_VERIFY(edit->viewport()->rect().contains(edit->cursorRect()));
    // The heights above it, estimated after the jump, do not carry the line out of sight.
    auto *layout = qobject_cast<PlainTextLayout *>(edit->document()->documentLayout());
    QTRY_VERIFY_WITH_TIMEOUT(!layout->isEstimating(), 60000);
    QCoreApplication::processEvents();
    QVERIFY(edit->viewport()->rect().contains(edit->cursorRect()));
    int laidOut = 0;
    for (QTextBlock block = edit->document()->firstBlock(); block.isValid(); block = block.next())
        laidOut += block.layout()->lineCount() > 0;
    QVERIFY2(laidOut < 500, qPrintable(QString::number(laidOut)));
    QVERIFY(!bot.sawUnexpected());
}

void tst_View::zoomKeepsTheChosenFontAndTheTopLine_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("wrapped") << 1;
    QTest::newRow("unwrapped left to right") << 2;
    QTest::newRow("unwrapped right to left") << 3;
}

void tst_View::zoomKeepsTheChosenFontAndTheTopLine()
{
    QFETCH(int, mode);
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    w.resize(600, 400);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.setWrapMode(mode);
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(numberedLines(400));
    edit->setFocus();
    QCoreApplication::processEvents();
    QScrollBar *bar = edit->verticalScrollBar();
    bar->setValue(int(edit->document()->documentLayout()->blockBoundingRect(edit->document()->findBlockByNumber(150)).top()));
    QCoreApplication::processEvents();
    QCOMPARE(topBlock(edit), 150);

    const qreal chosen = w.editorFont().pointSizeF();
    const auto zoomed = [&](Qt::Key key, int percent) {
        QTest::keyClick(edit, key, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QCOMPARE(w.zoom(), percent);
        QCOMPARE(edit->font().pointSizeF(), chosen * percent / 100);
        QCOMPARE(w.editorFont().pointSizeF(), chosen);
        QTRY_COMPARE(topBlock(edit), 150);
    };
    zoomed(Qt::Key_Equal, 110);
    zoomed(Qt::Key_Plus, 125);
    zoomed(Qt::Key_Minus, 110);
    zoomed(Qt::Key_0, 100);
    QWheelEvent wheel(QPointF(50, 50), edit->viewport()->mapToGlobal(QPoint(50, 50)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(edit->viewport(), &wheel);
    QCOMPARE(w.zoom(), 110);
    QTRY_COMPARE(topBlock(edit), 150);

    w.saveViewSettings();
    QCOMPARE(Settings::read(Settings::Key::Zoom).toInt(), 110);
    QCOMPARE(Settings::read(Settings::Key::Font).value<QFont>().pointSizeF(), chosen);
}

void tst_View::fontDialog_data()
{
    QTest::addColumn<int>("newSize");
    QTest::addColumn<QString>("family");
    QTest::newRow("ok without a change keeps a family that is not installed") << 0 << "Times New Roman";
    QTest::newRow("a new size takes the family shown") << 20 << QFontInfo(QFont(QStringLiteral("Times New Roman"))).family();
}

void tst_View::fontDialog()
{
    QFETCH(int, newSize);
    QFETCH(QString, family);
    if (QFontDatabase().families().contains(QStringLiteral("Times New Roman")))
        QSKIP("Times New Roman is installed: the dialog can show it as it is");
    MainWindow w;
    w.show();
    QString shown;
    ModalBot bot;
    bot.act([&](QWidget *widget) {
        auto *dialog = qobject_cast<QFontDialog *>(widget);
        shown = dialog->currentFont().family();
        if (newSize > 0) {
            QFont font = dialog->currentFont();
            font.setPointSize(newSize);
            dialog->setCurrentFont(font);
        }
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    action(w, "actionFont")->trigger();
    QCOMPARE(shown, QFontInfo(QFont(QStringLiteral("Times New Roman"))).family());
    QCOMPARE(w.editorFont().family(), family);
    QCOMPARE(w.editorFont().pointSize(), newSize > 0 ? newSize : 14);
    QVERIFY(!bot.sawUnexpected());
}

void tst_View::arabicScriptFallback_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("arabic");
    QTest::newRow("a serif that is not installed gets a naskh") << "Times New Roman" << "Noto Naskh Arabic";
    QTest::newRow("a sans gets an arabic sans") << "Noto Sans" << "Noto Sans Arabic";
}

void tst_View::arabicScriptFallback()
{
    QFETCH(QString, chosen);
    QFETCH(QString, arabic);
    const QStringList installed = QFontDatabase().families();
    if (!installed.contains(arabic) || (chosen != QLatin1String("Times New Roman") && !installed.contains(chosen)))
        QSKIP("the fonts of this row are not installed");
    MainWindow w;
    w.setEditorFont(QFont(chosen, 14));
    w.show();
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(QStringLiteral("Latin سلام"));
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    edit->viewport()->repaint();
    QStringList families;
    for (const QGlyphRun &run : edit->document()->firstBlock().layout()->lineAt(0).glyphRuns())
        families << run.rawFont().familyName();
    QVERIFY2(families.contains(arabic), qPrintable(families.join(QLatin1Char(','))));
    QCOMPARE(w.editorFont().family(), chosen);
}

void tst_View::cursorMovement_data()
{
    QTest::addColumn<bool>("visual");
    QTest::newRow("logical, as before") << false;
    QTest::newRow("visual") << true;
}

// Right through the Persian word of a left-to-right line: on screen it always moves right when
// visual, and steps back left at least once when logical.
void tst_View::cursorMovement()
{
    QFETCH(bool, visual);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    if (visual)
        action(w, "actionVisual_Cursor")->trigger();
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(QStringLiteral("abc سلام def"));
    edit->setFocus();
    select(edit, 3, 3);
    bool leftward = false;
    const int start = edit->cursorRect().x();
    for (int i = 0; i < 6; ++i) {
        const int x = edit->cursorRect().x();
        QTest::keyClick(edit, Qt::Key_Right);
        leftward = leftward || edit->cursorRect().x() < x;
    }
    QCOMPARE(leftward, !visual);
    QVERIFY(edit->cursorRect().x() > start);
    QCOMPARE(Settings::read(Settings::Key::VisualCursor).toBool(), visual);
}

void tst_View::rightToLeftUnwrappedShowsLineStarts_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("opened at start-up, at its top") << "start-up";
    QTest::newRow("opened at start-up, large, at its top") << "start-up, large";
    QTest::newRow("after a load") << "load";
    QTest::newRow("after a mode change") << "mode";
    QTest::newRow("home after end of a long line") << "home";
}

void tst_View::rightToLeftUnwrappedShowsLineStarts()
{
    QFETCH(QString, how);
    // Past 20 MB the document is built off the GUI thread and taken whole by the editor.
    const bool large = how.endsWith(QLatin1String(", large"));
    if (large)
        how.chop(7);
    const QString text = QStringLiteral("کوتاه\n") + QStringLiteral("سلام دنیا ").repeated(80)
        + QStringLiteral("\nپایان").repeated(large ? (21 << 20) / 12 : 1);
    const QString path = writeFile(m_dir.filePath(QStringLiteral("long.txt")), text.toUtf8());
    const bool atStartUp = how == QLatin1String("start-up");
    if (how != QLatin1String("mode"))
        Settings::write(Settings::Key::Wrap, 3);
    MainWindow w;
    w.startUp(atStartUp ? QStringList{QStringLiteral("tavlo"), path} : QStringList{QStringLiteral("tavlo")});
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTextEdit *edit = editorOf(w);
    QScrollBar *bar = edit->horizontalScrollBar();
    if (!atStartUp)
        QVERIFY(w.loadFile(path));
    QCoreApplication::processEvents();
    if (how == QLatin1String("mode")) {
        action(w, "actionRight_To_Left")->trigger();
    } else if (how == QLatin1String("home")) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Down);
        QTest::keyClick(edit, Qt::Key_End);
        QCoreApplication::processEvents();
        QVERIFY(bar->value() < bar->maximum() / 2);
        QTest::keyClick(edit, Qt::Key_Home);
    }
    QCoreApplication::processEvents();
    if (large) {
        auto *layout = qobject_cast<PlainTextLayout *>(edit->document()->documentLayout());
        QTRY_VERIFY_WITH_TIMEOUT(!layout->isEstimating(), 30000);
        QCoreApplication::processEvents();
    }
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(edit->verticalScrollBar()->value(), 0);
}

QTEST_MAIN(tst_View)
#include "tst_view.moc"
