// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings.h"
#include "core/spellchecker.h"
#include "gui/editor/inlinespellcheck.h"
#include "gui/mainwindow/mainwindow.h"
#include "testutil.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <memory>

namespace {

// A window with checking on and its dictionaries loaded.
std::unique_ptr<MainWindow> checkingWindow()
{
    auto window = std::make_unique<MainWindow>();
    window->startUp({QStringLiteral("tavlo")});
    window->resize(700, 400);
    window->show();
    auto *spelling = window->findChild<InlineSpellCheck *>(QStringLiteral("inlineSpellCheck"));
    if (!QTest::qWaitFor([spelling] { return spelling->isReady(); }, 20000))
        qWarning("the dictionaries did not load");
    return window;
}

// The horizontal extent of the red pixels on the view, or an empty range when there are none.
QPair<int, int> redColumns(QTextEdit *edit)
{
    QApplication::processEvents();
    const QImage shot = edit->viewport()->grab().toImage();
    int left = shot.width();
    int right = -1;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 110 && c.blue() < 110) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    return {left, right};
}

// Where a word of the document is drawn, from its first to its last cursor position.
QPair<int, int> wordColumns(QTextEdit *edit, const QString &word)
{
    const int start = edit->toPlainText().indexOf(word);
    QTextCursor cursor(edit->document());
    cursor.setPosition(start);
    const int a = edit->cursorRect(cursor).x();
    cursor.setPosition(start + word.size());
    const int b = edit->cursorRect(cursor).x();
    return {qMin(a, b), qMax(a, b)};
}

// Types the text a character at a time, as a keyboard layout of its script would.
void type(QTextEdit *edit, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

QTextCursor cursorAt(QTextEdit *edit, int position)
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(position);
    return cursor;
}

// Triggers the entry of the next popup menu for which `choose` returns an action, and keeps the
// texts of the menu's entries.
class MenuBot : public QObject
{
public:
    explicit MenuBot(std::function<QAction *(QMenu *)> choose)
    {
        connect(&m_poll, &QTimer::timeout, this, [this, choose] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            m_poll.stop();
            for (QAction *a : menu->actions())
                entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
            if (QAction *chosen = choose(menu))
                chosen->trigger();
            menu->close();
        });
        m_poll.start(10);
    }
    QStringList entries;

private:
    QTimer m_poll;
};

}

class tst_Spelling : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void typingUnderlinesTheTypoAlone_data();
    void typingUnderlinesTheTypoAlone();
    void underlinesAreNotInTheDocument();
    void contextMenu_data();
    void contextMenu();
    void f7TurnsCheckingOffAndOnAndIsKept();
};

void tst_Spelling::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
    if (spellDictionary(SpellLanguage::Persian).isEmpty() || spellDictionary(SpellLanguage::Arabic).isEmpty())
        QSKIP("the Persian and Arabic dictionaries are not installed (scripts/install-deps.sh)");
}

void tst_Spelling::init()
{
    clearSettings();
    QFile::remove(personalDictionaryPath());
}

void tst_Spelling::typingUnderlinesTheTypoAlone_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("underlined");
    QTest::newRow("persian typo") << QStringLiteral("امروز یک کتاپ تازه خریدم.") << QStringLiteral("کتاپ");
    QTest::newRow("words with non-joiners") << QStringLiteral("کتاب‌ها را نمی‌دانم.") << QString();
    QTest::newRow("legacy letters") << QStringLiteral("اين كتاب.") << QString();
    QTest::newRow("arabic typo") << QStringLiteral("ذهبت إلى المدرسه في الصباح.") << QStringLiteral("المدرسه");
    QTest::newRow("the word being typed waits") << QStringLiteral("امروز یک کتاپ") << QString();
}

void tst_Spelling::typingUnderlinesTheTypoAlone()
{
    QFETCH(QString, typed);
    QFETCH(QString, underlined);
    const auto window = checkingWindow();
    QTextEdit *edit = editorOf(*window);
    type(edit, typed);
    const QPair<int, int> red = redColumns(edit);
    if (underlined.isEmpty()) {
        QCOMPARE(red.second, -1);
        return;
    }
    const QPair<int, int> word = wordColumns(edit, underlined);
    QVERIFY2(red.second >= 0, "nothing is underlined");
    QVERIFY2(qAbs(red.first - word.first) <= 3 && qAbs(red.second - word.second) <= 3,
             qPrintable(QStringLiteral("red at %1..%2, the word at %3..%4").arg(red.first).arg(red.second).arg(word.first).arg(word.second)));
}

void tst_Spelling::underlinesAreNotInTheDocument()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("typo.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("امروز یک کتاپ تازه خریدم.\nذهبت إلى المدرسه.\n").toUtf8());
    file.close();
    const auto window = checkingWindow();
    QVERIFY(window->loadFile(path));
    QTextEdit *edit = editorOf(*window);
    QVERIFY(redColumns(edit).second >= 0);
    QVERIFY(!window->isModified());
    QVERIFY(!edit->document()->isUndoAvailable());
    QVERIFY(!edit->document()->isModified());
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next())
        QVERIFY(block.layout()->formats().isEmpty());
}

void tst_Spelling::contextMenu_data()
{
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("cursor"); // where the text cursor stands, for the keyboard
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("stillUnderlined");

    const QString text = QStringLiteral("امروز یک کتاپ تازه خریدم.");
    const QString fixed = QStringLiteral("امروز یک کتاب تازه خریدم.");
    QTest::newRow("mouse, first suggestion") << "mouse" << 0 << "first" << fixed << false;
    QTest::newRow("menu key in the word") << "menu key" << 11 << "first" << fixed << false;
    QTest::newRow("shift+f10 just after the word") << "shift+f10" << 13 << "first" << fixed << false;
    QTest::newRow("add to dictionary") << "mouse" << 0 << "actionAdd_to_Dictionary" << text << false;
    QTest::newRow("ignore all") << "mouse" << 0 << "actionIgnore_All" << text << false;
    QTest::newRow("nothing chosen") << "mouse" << 0 << "" << text << true;
}

void tst_Spelling::contextMenu()
{
    QFETCH(QString, opening);
    QFETCH(int, cursor);
    QFETCH(QString, choice);
    QFETCH(QString, after);
    QFETCH(bool, stillUnderlined);

    const auto window = checkingWindow();
    QTextEdit *edit = editorOf(*window);
    type(edit, QStringLiteral("امروز یک کتاپ تازه خریدم."));
    const QTextCursor word = cursorAt(edit, 11);

    MenuBot bot([choice](QMenu *menu) -> QAction * {
        if (choice == QLatin1String("first"))
            return menu->actions().value(0);
        return menu->findChild<QAction *>(choice);
    });
    if (opening == QLatin1String("mouse")) {
        const QPoint at = edit->cursorRect(word).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, edit->viewport()->mapToGlobal(at));
        QApplication::sendEvent(edit->viewport(), &event);
    } else {
        edit->setTextCursor(cursorAt(edit, cursor));
        if (opening == QLatin1String("menu key")) {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint());
            QApplication::sendEvent(edit, &event);
        } else {
            QTest::keyClick(edit, Qt::Key_F10, Qt::ShiftModifier);
        }
    }

    QVERIFY(bot.entries.size() > 4);
    QCOMPARE(bot.entries.at(0), QStringLiteral("کتاب"));
    const int add = bot.entries.indexOf(QStringLiteral("&Add to Dictionary"));
    QVERIFY(add > 0 && add <= 7);
    QCOMPARE(bot.entries.at(add + 1), QStringLiteral("&Ignore All"));
    QCOMPARE(bot.entries.at(add + 2), QStringLiteral("-"));
    QVERIFY(bot.entries.at(add + 3).contains(QStringLiteral("Undo")));

    QCOMPARE(edit->toPlainText(), after);
    QCOMPARE(redColumns(edit).second >= 0, stillUnderlined);
    if (after != edit->toPlainText() || choice != QLatin1String("first"))
        return;
    // The replacement is one step: one undo brings the typo back, and the typing stays.
    edit->undo();
    QCOMPARE(edit->toPlainText(), QStringLiteral("امروز یک کتاپ تازه خریدم."));
}

void tst_Spelling::f7TurnsCheckingOffAndOnAndIsKept()
{
    {
        const auto window = checkingWindow();
        QTextEdit *edit = editorOf(*window);
        type(edit, QStringLiteral("a tset here."));
        QVERIFY(redColumns(edit).second >= 0);
        auto *action = window->findChild<QAction *>(QStringLiteral("actionCheck_Spelling"));
        QVERIFY(action->isChecked());
        QTest::keyClick(window.get(), Qt::Key_F7);
        QVERIFY(!action->isChecked());
        QCOMPARE(redColumns(edit).second, -1);
        QCOMPARE(Settings::read(Settings::Key::SpellCheck).toBool(), false);
    }
    {
        MainWindow window;
        window.startUp({QStringLiteral("tavlo")});
        auto *action = window.findChild<QAction *>(QStringLiteral("actionCheck_Spelling"));
        QVERIFY(!action->isChecked());
        action->trigger();
        QVERIFY(action->isChecked());
    }
    QCOMPARE(Settings::read(Settings::Key::SpellCheck).toBool(), true);
}

QTEST_MAIN(tst_Spelling)
#include "tst_spelling.moc"
