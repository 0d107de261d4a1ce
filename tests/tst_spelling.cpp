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
    void cleanupTestCase();

    void typingUnderlinesTheTypoAlone_data();
    void typingUnderlinesTheTypoAlone();
    void underlinesAreNotInTheDocument();
    void contextMenu_data();
    void contextMenu();
    void f7TurnsCheckingOffAndOnAndIsKept();
    void toolsMenuNamesTheLanguagesWithoutDictionary();

private:
    // One window for all: the dictionaries load once, which takes long under a sanitizer. Its
    // document is emptied before each test.
    std::unique_ptr<MainWindow> m_window;
};

void tst_Spelling::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
    if (spellDictionary(SpellLanguage::Persian).isEmpty() || spellDictionary(SpellLanguage::Arabic).isEmpty())
        QSKIP("the Persian and Arabic dictionaries are not installed (scripts/install-deps.sh)");
    clearSettings();
    QFile::remove(personalDictionaryPath());
    m_window = std::make_unique<MainWindow>();
    m_window->startUp({QStringLiteral("tavlo")});
    m_window->resize(700, 400);
    m_window->show();
    auto *spelling = m_window->findChild<InlineSpellCheck *>(QStringLiteral("inlineSpellCheck"));
    QVERIFY(spelling->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(spelling->isReady(), 120000);
}

void tst_Spelling::init()
{
    m_window->resetDocument();
    // A closed menu leaves no window active on the offscreen platform; shortcuts want one.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_Spelling::cleanupTestCase()
{
    m_window.reset();
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
    QTextEdit *edit = editorOf(*m_window);
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
    QVERIFY(m_window->loadFile(path));
    QTextEdit *edit = editorOf(*m_window);
    QVERIFY(redColumns(edit).second >= 0);
    QVERIFY(!m_window->isModified());
    QVERIFY(!edit->document()->isUndoAvailable());
    QVERIFY(!edit->document()->isModified());
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next())
        QVERIFY(block.layout()->formats().isEmpty());
}

void tst_Spelling::contextMenu_data()
{
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("cursor"); // where the text cursor stands, for the keyboard
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("stillUnderlined");

    // The typo is the third word, from 9 to 13; Add and Ignore each get one of their own, since
    // the window's checker remembers them.
    const QString text = QStringLiteral("امروز یک کتاپ تازه خریدم.");
    const QString fixed = QStringLiteral("امروز یک کتاب تازه خریدم.");
    const QString added = QStringLiteral("امروز یک تاولو تازه خریدم.");
    const QString ignored = QStringLiteral("امروز یک مرووان تازه خریدم.");
    QTest::newRow("mouse, first suggestion") << "mouse" << 0 << text << "first" << fixed << false;
    QTest::newRow("menu key in the word") << "menu key" << 11 << text << "first" << fixed << false;
    QTest::newRow("shift+f10 just after the word") << "shift+f10" << 13 << text << "first" << fixed << false;
    QTest::newRow("nothing chosen") << "mouse" << 0 << text << "" << text << true;
    QTest::newRow("add to dictionary") << "mouse" << 0 << added << "actionAdd_to_Dictionary" << added << false;
    QTest::newRow("ignore all") << "shift+f10" << 11 << ignored << "actionIgnore_All" << ignored << false;
}

void tst_Spelling::contextMenu()
{
    QFETCH(QString, opening);
    QFETCH(int, cursor);
    QFETCH(QString, typed);
    QFETCH(QString, choice);
    QFETCH(QString, after);
    QFETCH(bool, stillUnderlined);

    QTextEdit *edit = editorOf(*m_window);
    type(edit, typed);
    QVERIFY(redColumns(edit).second >= 0);
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
    if (typed.contains(QStringLiteral("کتاپ")))
        QCOMPARE(bot.entries.at(0), QStringLiteral("کتاب"));
    const int add = bot.entries.indexOf(QStringLiteral("&Add to Dictionary"));
    QVERIFY(add > 0 && add <= 7);
    QCOMPARE(bot.entries.at(add + 1), QStringLiteral("&Ignore All"));
    QCOMPARE(bot.entries.at(add + 2), QStringLiteral("-"));
    QVERIFY(bot.entries.at(add + 3).contains(QStringLiteral("Undo")));

    QCOMPARE(edit->toPlainText(), after);
    QCOMPARE(redColumns(edit).second >= 0, stillUnderlined);
    if (choice != QLatin1String("first"))
        return;
    // The replacement is one step: one undo brings the typo back, and the typing stays.
    edit->undo();
    QCOMPARE(edit->toPlainText(), typed);
}

void tst_Spelling::f7TurnsCheckingOffAndOnAndIsKept()
{
    QTextEdit *edit = editorOf(*m_window);
    type(edit, QStringLiteral("a tset here."));
    QVERIFY(redColumns(edit).second >= 0);
    auto *action = m_window->findChild<QAction *>(QStringLiteral("actionCheck_Spelling"));
    QVERIFY(action->isChecked());
    QTest::keyClick(m_window.get(), Qt::Key_F7);
    QVERIFY(!action->isChecked());
    QCOMPARE(redColumns(edit).second, -1);
    QCOMPARE(Settings::read(Settings::Key::SpellCheck).toBool(), false);
    {
        MainWindow next;
        next.startUp({QStringLiteral("tavlo")});
        QVERIFY(!next.findChild<QAction *>(QStringLiteral("actionCheck_Spelling"))->isChecked());
    }
    QTest::keyClick(m_window.get(), Qt::Key_F7);
    QVERIFY(action->isChecked());
    QVERIFY(redColumns(edit).second >= 0);
    QCOMPARE(Settings::read(Settings::Key::SpellCheck).toBool(), true);
}

void tst_Spelling::toolsMenuNamesTheLanguagesWithoutDictionary()
{
    QTemporaryDir empty;
    const QStringList folders = spellDictionaryFolders();
    setSpellDictionaryFolders({empty.path()});
    MainWindow window;
    window.startUp({QStringLiteral("tavlo")});
    setSpellDictionaryFolders(folders);
    auto *action = window.findChild<QAction *>(QStringLiteral("actionCheck_Spelling"));
    QVERIFY(!action->isEnabled());
    QVERIFY(!action->isChecked());
    QStringList notes;
    for (QAction *a : window.findChild<QMenu *>(QStringLiteral("menuTools"))->actions())
        if (a != action && !a->isEnabled())
            notes << a->text();
    QCOMPARE(notes, QStringList({QStringLiteral("Persian is not checked: no dictionary is installed"),
                                 QStringLiteral("Arabic is not checked: no dictionary is installed"),
                                 QStringLiteral("English is not checked: no dictionary is installed")}));
}

QTEST_MAIN(tst_Spelling)
#include "tst_spelling.moc"
