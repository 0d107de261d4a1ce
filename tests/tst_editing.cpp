// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/fileinfo.h"
#include "gui/editor/plaintextlayout.h"
#include "gui/mainwindow/mainwindow.h"
#include "testutil.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QTextOption>
#include <memory>

namespace {

QAction *action(MainWindow &w, const char *name)
{
    return w.findChild<QAction *>(QString::fromLatin1(name));
}

void select(QTextEdit *edit, int anchor, int position)
{
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

}

class tst_Editing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void layoutModes_data();
    void layoutModes();
    void choosingTheActiveModeKeepsItChecked();
    void viewSettingsSurviveARestart_data();
    void viewSettingsSurviveARestart();
    void zeroWidthNonJoinerGoesWhereTheFocusIs_data();
    void zeroWidthNonJoinerGoesWhereTheFocusIs();
    void marksAlwaysGoIntoTheDocument();
    void dateTimeReplacesTheSelection_data();
    void dateTimeReplacesTheSelection();
    void clipboardAndUndoCommandsFollowTheEditor();
    void largeEditsAreOneUndoStep_data();
    void largeEditsAreOneUndoStep();
    void cancelledPasteLeavesTheText();
    void pastedLongLineIsOfferedABreak_data();
    void pastedLongLineIsOfferedABreak();

    void fileInfoSummary_data();
    void fileInfoSummary();
    void fileInfoDialog_data();
    void fileInfoDialog();

    void aboutText();
};

void tst_Editing::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
}

void tst_Editing::init()
{
    clearSettings();
}

void tst_Editing::layoutModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("wrap");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("alignment");
    QTest::newRow("wrapped, automatic direction") << 1 << "actionWord_Wrap" << int(QTextOption::WordWrap)
                                                  << int(Qt::LayoutDirectionAuto) << int(Qt::AlignLeft);
    QTest::newRow("unwrapped left-to-right") << 2 << "actionLeft_To_Right" << int(QTextOption::NoWrap)
                                             << int(Qt::LeftToRight) << int(Qt::AlignLeft);
    QTest::newRow("unwrapped right-to-left") << 3 << "actionRight_To_Left" << int(QTextOption::NoWrap)
                                             << int(Qt::RightToLeft) << int(Qt::AlignRight | Qt::AlignAbsolute);
    QTest::newRow("stored 0") << 0 << "" << int(QTextOption::WordWrap) << int(Qt::LayoutDirectionAuto)
                              << int(Qt::AlignLeft);
    QTest::newRow("stored 4") << 4 << "" << int(QTextOption::WordWrap) << int(Qt::LayoutDirectionAuto)
                              << int(Qt::AlignLeft);
}

void tst_Editing::layoutModes()
{
    QFETCH(int, mode);
    QFETCH(QString, checked);
    QFETCH(int, wrap);
    QFETCH(int, direction);
    QFETCH(int, alignment);
    {
        QSettings settings(QStringLiteral("Merovane"), QStringLiteral("Tavlo"));
        settings.setValue(QStringLiteral("Wrap"), mode);
    }
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    for (const char *name : {"actionWord_Wrap", "actionLeft_To_Right", "actionRight_To_Left"})
        QCOMPARE(action(w, name)->isChecked(), checked == QLatin1String(name));
    const QTextOption option = editorOf(w)->document()->defaultTextOption();
    QCOMPARE(int(option.wrapMode()), wrap);
    QCOMPARE(int(option.textDirection()), direction);
    QCOMPARE(int(option.alignment()), alignment);
    w.close();
    QSettings settings(QStringLiteral("Merovane"), QStringLiteral("Tavlo"));
    QCOMPARE(settings.value(QStringLiteral("Wrap")).toInt(), checked.isEmpty() ? 3 : mode);
}

void tst_Editing::choosingTheActiveModeKeepsItChecked()
{
    MainWindow w;
    action(w, "actionRight_To_Left")->trigger();
    action(w, "actionRight_To_Left")->trigger();
    QVERIFY(action(w, "actionRight_To_Left")->isChecked());
    QVERIFY(!action(w, "actionWord_Wrap")->isChecked());
    QVERIFY(!action(w, "actionLeft_To_Right")->isChecked());
    action(w, "actionWord_Wrap")->trigger();
    QVERIFY(action(w, "actionWord_Wrap")->isChecked());
    QVERIFY(!action(w, "actionRight_To_Left")->isChecked());
}

void tst_Editing::viewSettingsSurviveARestart_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("fullAddress");
    QTest::addColumn<bool>("finalYeh");
    // Status bar hidden, zoomed in, invisible characters shown and visual cursor movement.
    QTest::addColumn<bool>("viewChanged");
    QTest::newRow("right-to-left, full address, final yeh as alef maksura, view changed") << 3 << true << true << true;
    QTest::newRow("left-to-right, file name, final yeh as yeh, view as first") << 2 << false << false << false;
}

void tst_Editing::viewSettingsSurviveARestart()
{
    QFETCH(int, mode);
    QFETCH(bool, fullAddress);
    QFETCH(bool, finalYeh);
    QFETCH(bool, viewChanged);
    const QFont font(QStringLiteral("Noto Naskh Arabic"), 17);
    {
        MainWindow w;
        w.startUp({QStringLiteral("tavlo")});
        w.setWrapMode(mode);
        w.setEditorFont(font);
        if (fullAddress)
            action(w, "actionFull_Address")->trigger();
        if (finalYeh)
            action(w, "actionFinal_Yeh_as_Alef_Maksura")->trigger();
        if (viewChanged) {
            for (const char *name : {"actionStatus_Bar", "actionZoom_In", "actionZoom_In", "actionShow_Invisibles",
                                     "actionVisual_Cursor"})
                action(w, name)->trigger();
        }
        QVERIFY(w.close());
    }
    MainWindow w;
    w.startUp({QStringLiteral("tavlo")});
    QCOMPARE(w.editorFont(), font);
    QCOMPARE(editorOf(w)->font().pointSizeF(), viewChanged ? 17 * 1.25 : 17);
    QCOMPARE(action(w, "actionStatus_Bar")->isChecked(), !viewChanged);
    QCOMPARE(w.statusBar()->isHidden(), viewChanged);
    QCOMPARE(action(w, "actionShow_Invisibles")->isChecked(), viewChanged);
    QCOMPARE(qobject_cast<PlainTextLayout *>(editorOf(w)->document()->documentLayout())->invisiblesShown(), viewChanged);
    QCOMPARE(editorOf(w)->document()->defaultCursorMoveStyle(), viewChanged ? Qt::VisualMoveStyle : Qt::LogicalMoveStyle);
    QCOMPARE(action(w, "actionFull_Address")->isChecked(), fullAddress);
    QCOMPARE(action(w, "actionFinal_Yeh_as_Alef_Maksura")->isChecked(), finalYeh);
    QCOMPARE(action(w, mode == 3 ? "actionRight_To_Left" : "actionLeft_To_Right")->isChecked(), true);
}

void tst_Editing::zeroWidthNonJoinerGoesWhereTheFocusIs_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("editor") << "textEdit";
    QTest::newRow("find box") << "plainFind";
    QTest::newRow("replace box") << "plainReplace";
    QTest::newRow("nothing focused") << "";
}

void tst_Editing::zeroWidthNonJoinerGoesWhereTheFocusIs()
{
    QFETCH(QString, focus);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto *dock = w.findChild<QDockWidget *>(QStringLiteral("dockWidget_2"));
    dock->show();
    QWidget *target = focus.isEmpty() ? nullptr : w.findChild<QWidget *>(focus);
    if (target) {
        QApplication::setActiveWindow(target->window());
        target->setFocus(Qt::OtherFocusReason);
        QVERIFY(target->hasFocus());
    } else {
        QApplication::setActiveWindow(nullptr);
    }
    action(w, "actionZero_with_non_Joiner")->trigger();
    const QString zwnj(QChar(0x200C));
    QCOMPARE(editorOf(w)->toPlainText(), focus == QLatin1String("textEdit") ? zwnj : QString());
    QCOMPARE(w.findChild<QPlainTextEdit *>(QStringLiteral("plainFind"))->toPlainText(),
             focus == QLatin1String("plainFind") ? zwnj : QString());
    QCOMPARE(w.findChild<QPlainTextEdit *>(QStringLiteral("plainReplace"))->toPlainText(),
             focus == QLatin1String("plainReplace") ? zwnj : QString());
    editorOf(w)->clear();
}

void tst_Editing::marksAlwaysGoIntoTheDocument()
{
    MainWindow w;
    w.show();
    auto *dock = w.findChild<QDockWidget *>(QStringLiteral("dockWidget_2"));
    dock->show();
    auto *find = w.findChild<QPlainTextEdit *>(QStringLiteral("plainFind"));
    QApplication::setActiveWindow(dock);
    find->setFocus();
    action(w, "actionRight_to_left_mark")->trigger();
    action(w, "actionLeft_to_right_mark")->trigger();
    QCOMPARE(editorOf(w)->toPlainText(), QStringLiteral("\u200F\u200E"));
    QVERIFY(find->toPlainText().isEmpty());
    QVERIFY(w.isModified());
    QVERIFY(editorOf(w)->document()->isUndoAvailable());
    editorOf(w)->clear();
}

void tst_Editing::dateTimeReplacesTheSelection_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("zero");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("gregorian, latin digits") << QKeySequence(Qt::Key_F5) << int('0') << QStringLiteral("\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}");
    QTest::newRow("solar hijri, persian digits") << QKeySequence(Qt::SHIFT + Qt::Key_F5) << 0x06F0
                                                 << QStringLiteral("1[34][0-9]{2}/[01][0-9]/[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]");
    QTest::newRow("hijri, arabic-indic digits") << QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_F5) << 0x0660
                                                << QStringLiteral("1[45][0-9]{2}/[01][0-9]/[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]");
}

void tst_Editing::dateTimeReplacesTheSelection()
{
    QFETCH(QKeySequence, keys);
    QFETCH(int, zero);
    QFETCH(QString, stamp);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    editorOf(w)->setPlainText(QStringLiteral("before [old] after"));
    select(editorOf(w), 8, 11);
    QTest::keySequence(&w, keys);
    QString text = editorOf(w)->toPlainText();
    // The stamp's digits, read back as Latin ones; digits of any other set fail the match.
    for (QChar &c : text) {
        if (c.unicode() >= zero && c.unicode() <= zero + 9)
            c = QChar('0' + c.unicode() - zero);
        else if (c.isDigit())
            c = QLatin1Char('?');
    }
    const QRegularExpression expected(QStringLiteral("^before \\[") + stamp + QStringLiteral("\\] after$"));
    QVERIFY2(expected.match(text).hasMatch(), qPrintable(editorOf(w)->toPlainText()));
    editorOf(w)->clear();
}

void tst_Editing::clipboardAndUndoCommandsFollowTheEditor()
{
    MainWindow w;
    QTextEdit *edit = editorOf(w);
    QApplication::clipboard()->clear();
    QVERIFY(!action(w, "actionCut")->isEnabled());
    QVERIFY(!action(w, "actionCopy")->isEnabled());
    QVERIFY(!action(w, "actionUndo")->isEnabled());
    QVERIFY(!action(w, "actionRedo")->isEnabled());

    edit->insertPlainText(QStringLiteral("متن فارسی and English"));
    QVERIFY(action(w, "actionUndo")->isEnabled());
    select(edit, 0, 3);
    QVERIFY(action(w, "actionCut")->isEnabled());
    QVERIFY(action(w, "actionCopy")->isEnabled());
    action(w, "actionCopy")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("متن"));
    QVERIFY(action(w, "actionPaste")->isEnabled());

    select(edit, 3, 3);
    QVERIFY(!action(w, "actionCut")->isEnabled());
    QVERIFY(!action(w, "actionCopy")->isEnabled());
    QVERIFY(action(w, "actionPaste")->isEnabled());

    action(w, "actionPaste")->trigger();
    QCOMPARE(edit->toPlainText(), QStringLiteral("متنمتن فارسی and English"));
    action(w, "actionUndo")->trigger();
    QVERIFY(action(w, "actionRedo")->isEnabled());
    action(w, "actionRedo")->trigger();
    QVERIFY(!action(w, "actionRedo")->isEnabled());

    action(w, "actionSelect_All")->trigger();
    action(w, "actionCut")->trigger();
    QVERIFY(edit->toPlainText().isEmpty());

    // A new document drops the history, and with it Undo.
    action(w, "actionNew")->trigger();
    QVERIFY(!action(w, "actionUndo")->isEnabled());

    // Paste follows the clipboard when the window is activated.
    QApplication::clipboard()->clear();
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&w, &activation);
    QVERIFY(!action(w, "actionPaste")->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("x"));
    QApplication::sendEvent(&w, &activation);
    QVERIFY(action(w, "actionPaste")->isEnabled());
}

void tst_Editing::largeEditsAreOneUndoStep_data()
{
    // Past a quarter of a million characters these go in slices, each an edit block of its own.
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");
    const QString lines = QStringLiteral("سلام\u00A0دنیا English \U0001F600 text\n").repeated(20000);
    const QString plain = QString(lines).replace(QChar::Nbsp, QLatin1Char(' '));
    const QString crlf = QStringLiteral("خط اول\r\nline two\r\n").repeated(30000);
    QTest::newRow("paste with CR LF line ends")
        << "ab" << 1 << 1 << "paste" << crlf << QString(QLatin1Char('a') + QString(crlf).replace(QLatin1String("\r\n"), QLatin1String("\n")) + QLatin1Char('b'));
    QTest::newRow("paste over a large selection")
        << lines << 0 << lines.size() << "paste" << crlf.left(300000) << QString(crlf.left(300000)).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QTest::newRow("delete a large selection, surrogate pairs kept whole")
        << lines << 10 << lines.size() - 10 << "delete" << QString() << plain.left(10) + plain.right(10);
    QTest::newRow("cut a large selection, copied as plain text")
        << lines << 10 << lines.size() - 10 << "cut" << QString() << plain.left(10) + plain.right(10);
}

void tst_Editing::largeEditsAreOneUndoStep()
{
    QFETCH(QString, initial);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, command);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    MainWindow w;
    w.show();
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(initial);
    const QString before = edit->toPlainText();
    select(edit, from, to);
    if (command == QLatin1String("paste")) {
        QApplication::clipboard()->setText(pasted);
        action(w, "actionPaste")->trigger();
    } else if (command == QLatin1String("delete")) {
        QTest::keyClick(edit, Qt::Key_Delete);
    } else {
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), before.mid(from, to - from));
    }
    QCOMPARE(edit->toPlainText(), expected);
    action(w, "actionUndo")->trigger();
    QCOMPARE(edit->toPlainText(), before);
    QVERIFY(!edit->document()->isUndoAvailable());
    QTest::keyClick(edit, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(edit->toPlainText(), expected);
    QVERIFY(!edit->document()->isRedoAvailable());
}

void tst_Editing::cancelledPasteLeavesTheText()
{
    MainWindow w;
    w.show();
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(QStringLiteral("ab"));
    select(edit, 1, 1);
    QApplication::clipboard()->setText(QStringLiteral("سلام دنیا English\n").repeated(200000));
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [] {
        // Pressed again while what was pasted goes back, when it does nothing.
        if (auto *progress = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget()))
            progress->findChild<QPushButton *>()->click();
    });
    cancel.start(20);
    action(w, "actionPaste")->trigger();
    QCOMPARE(edit->toPlainText(), QStringLiteral("ab"));
    QVERIFY(!edit->document()->isUndoAvailable());
    QVERIFY(!edit->document()->isRedoAvailable());
    QVERIFY(!edit->isReadOnly());
}

void tst_Editing::pastedLongLineIsOfferedABreak_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("answer"); // 0: no question
    QTest::addColumn<int>("longest");
    const QString persian = QStringLiteral("سلام دنیا ").repeated(2500);
    // Directions in turn with a vowel mark on each letter: a key in 60,000 such characters
    // unwrapped takes over 200 ms, three times as long as in Persian words alone.
    const QString costly = QStringLiteral("سَلَام word ").repeated(5000);
    QTest::newRow("short enough, no question") << persian.left(19999) << 0 << 20000;
    QTest::newRow("long, yes breaks it") << persian << int(QMessageBox::Yes) << 20000;
    QTest::newRow("long, no keeps it") << persian << int(QMessageBox::No) << persian.size();
    QTest::newRow("too costly to keep, cancel takes the paste back") << costly << int(QMessageBox::Cancel) << 1;
}

void tst_Editing::pastedLongLineIsOfferedABreak()
{
    QFETCH(QString, line);
    QFETCH(int, answer);
    QFETCH(int, longest);
    MainWindow w;
    w.setWrapMode(2);
    w.show();
    QTextEdit *edit = editorOf(w);
    edit->setPlainText(QStringLiteral("a\nb"));
    select(edit, 1, 1);
    QApplication::clipboard()->setText(line);
    ModalBot bot;
    if (answer != 0)
        bot.answer(QMessageBox::StandardButton(answer));
    action(w, "actionPaste")->trigger();
    QTRY_COMPARE(bot.pending(), 0);
    QCoreApplication::processEvents();
    int found = 0;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next())
        found = qMax(found, block.length() - 1);
    QVERIFY2(qAbs(found - longest) <= 1, qPrintable(QString::number(found)));
    QVERIFY(!bot.sawUnexpected());
}

void tst_Editing::fileInfoSummary_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("summary");
    QTest::newRow("empty document") << 0 << 0 << 0 << "Document Length: 0\n\nPosition: 0\n\n";
    QTest::newRow("cursor only") << 120 << 5 << 5 << "Document Length: 120\n\nPosition: 5\n\n";
    QTest::newRow("selection") << 120 << 5 << 17
                               << "Document Length: 120\n\nPosition: 5 to 17 (Selection Length: 12)\n\n";
}

void tst_Editing::fileInfoSummary()
{
    QFETCH(int, length);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, summary);
    QCOMPARE(FileInfo::summary(length, start, end), summary);
}

void tst_Editing::fileInfoDialog_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("summary");
    QTest::newRow("untitled") << "" << 2 << 2 << "" << "(Untitled)"
                              << "Document Length: 11\n\nPosition: 2\n\n";
    QTest::newRow("backward selection") << "/tmp/notes/a.txt" << 9 << 4 << "\u2068/tmp/notes\u2069" << "\u2068a.txt\u2069"
                                        << "Document Length: 11\n\nPosition: 4 to 9 (Selection Length: 5)\n\n";
    QTest::newRow("cursor at the end") << "/tmp/notes/a.txt" << 11 << 11 << "\u2068/tmp/notes\u2069" << "\u2068a.txt\u2069"
                                       << "Document Length: 11\n\nPosition: 11\n\n";
    QTest::newRow("file at the root") << "/top.txt" << 0 << 0 << "\u2068/\u2069" << "\u2068top.txt\u2069"
                                      << "Document Length: 11\n\nPosition: 0\n\n";
}

void tst_Editing::fileInfoDialog()
{
    QFETCH(QString, path);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, address);
    QFETCH(QString, name);
    QFETCH(QString, summary);
    QTextEdit edit;
    edit.setPlainText(QStringLiteral("سلام\nworld!"));
    select(&edit, anchor, position);
    FileInfo dialog;
    ModalBot bot;
    QString shownAddress, shownName, shownSummary;
    bool copyEnabled = false;
    bot.act([&](QWidget *w) {
        shownAddress = w->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"))->toPlainText();
        shownName = w->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEditName"))->toPlainText();
        shownSummary = w->findChild<QLabel *>(QStringLiteral("label_2"))->text();
        auto *copy = w->findChild<QPushButton *>(QStringLiteral("pushCopy"));
        copyEnabled = copy->isEnabled();
        if (copyEnabled)
            copy->click();
        w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    QApplication::clipboard()->clear();
    dialog.exec(&path, &edit);
    QCOMPARE(shownAddress, address);
    QCOMPARE(shownName, name);
    QCOMPARE(shownSummary, summary);
    QCOMPARE(copyEnabled, !path.isEmpty());
    QCOMPARE(QApplication::clipboard()->text(), path);
    QVERIFY(!dialog.isVisible());
}

void tst_Editing::aboutText()
{
    const QString text = MainWindow::aboutText();
    QVERIFY(text.startsWith(QStringLiteral("<b><center>Tavlo ver 1.1.6 build 27</center></b><br>")));
    const QString page = QStringLiteral("https://tavlo.example/en/tavlo/");
    QVERIFY(text.endsWith(QStringLiteral("Homepage: <a href=\"%1\">%2</a>").arg(page, isolated(page))));
    QCOMPARE(text.count(page), 2);
    // The picture is inline, a 16 x 16 PNG with an alpha channel.
    const int start = text.indexOf(QStringLiteral("data:image/png;base64,")) + 22;
    const QByteArray png = QByteArray::fromBase64(text.mid(start, text.indexOf(QLatin1Char('"'), start) - start).toLatin1());
    QImage picture;
    QVERIFY(picture.loadFromData(png, "PNG"));
    QCOMPARE(picture.size(), QSize(16, 16));
    QVERIFY(picture.hasAlphaChannel());
    QCOMPARE(png.at(25), char(6));
    QVERIFY(text.contains(QStringLiteral("\" align=\"middle\"> Start your paragraph with a Right-to-left mark to make it right-aligned!<br><br>")));
}

QTEST_MAIN(tst_Editing)
#include "tst_editing.moc"
