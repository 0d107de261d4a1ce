// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mainwindow/mainwindow.h"
#include "testutil.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <limits>
#include <memory>

class tst_Shell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void firstRunUsesDefaults();
    void restoresGeometryAndWindowState();
    void savedPanelShowsAfterTheWindow();
    void formWiring();
    void altLetterOpensItsMenu_data();
    void altLetterOpensItsMenu();
    void closeAsksOnlyWithUnsavedChanges_data();
    void closeAsksOnlyWithUnsavedChanges();
    void cancelAtExitWritesNothing();
    void newAfterTypedAndDeletedAsksNothing();
    void cancelAtNewKeepsEverything();
    void lastArgumentIsTheFileWhateverItLooksLike_data();
    void lastArgumentIsTheFileWhateverItLooksLike();

private:
    static std::unique_ptr<MainWindow> startedWindow(const QStringList &args = {QStringLiteral("tavlo")});
};

std::unique_ptr<MainWindow> tst_Shell::startedWindow(const QStringList &args)
{
    auto w = std::make_unique<MainWindow>();
    w->startUp(args);
    return w;
}

void tst_Shell::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
}

void tst_Shell::init()
{
    clearSettings();
}

void tst_Shell::firstRunUsesDefaults()
{
    auto w = startedWindow();
    QCOMPARE(w->size(), QSize(585, 285));
    QCOMPARE(w->windowTitle(), QStringLiteral("Untitled - Tavlo"));
    auto *edit = w->findChild<QTextEdit *>(QStringLiteral("textEdit"));
    QCOMPARE(edit->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(edit->font().pointSize(), 14);
    QVERIFY(!edit->acceptRichText());
    QCOMPARE(w->defaultPath(), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    QVERIFY(!w->findChild<QDockWidget *>(QStringLiteral("dockWidget_2"))->isVisible());
    QCOMPARE(w->sourceEncoding(), 106);
    QVERIFY(!w->isModified());
}

void tst_Shell::restoresGeometryAndWindowState()
{
    QByteArray geometry, state;
    {
        auto w = startedWindow();
        w->resize(700, 400);
        w->findChild<QWidget *>(QStringLiteral("editToolBar"))->hide();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->close();
        QSettings settings(QStringLiteral("Merovane"), QStringLiteral("Tavlo"));
        geometry = settings.value(QStringLiteral("geometry")).toByteArray();
        state = settings.value(QStringLiteral("windowState")).toByteArray();
        QVERIFY(!geometry.isEmpty());
        QVERIFY(!state.isEmpty());
        QCOMPARE(settings.value(QStringLiteral("Wrap")).toInt(), 1);
        QCOMPARE(settings.value(QStringLiteral("FullAddress")).toBool(), false);
        QVERIFY(settings.contains(QStringLiteral("font")));
        QVERIFY(settings.contains(QStringLiteral("defaultPath")));
    }
    auto w = startedWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->size(), QSize(700, 400));
    QVERIFY(!w->findChild<QWidget *>(QStringLiteral("editToolBar"))->isVisible());
    QVERIFY(w->findChild<QWidget *>(QStringLiteral("mainToolBar"))->isVisible());
}

// Shown before its window, a floating window is stacked under it by window managers.
void tst_Shell::savedPanelShowsAfterTheWindow()
{
    {
        auto w = startedWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->findChild<QAction *>(QStringLiteral("actionFind"))->trigger();
        QVERIFY(w->close());
    }
    auto w = startedWindow();
    auto *dock = w->findChild<QDockWidget *>(QStringLiteral("dockWidget_2"));
    QVERIFY(!dock->isVisible());
    w->show();
    QTRY_VERIFY(dock->isVisible());
    QVERIFY(dock->isFloating());
}

void tst_Shell::formWiring()
{
    MainWindow w;
    auto *find = w.findChild<QAction *>(QStringLiteral("actionFind"));
    QCOMPARE(find->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+F")),
                                                      QKeySequence(QStringLiteral("Ctrl+H"))}));
    QVERIFY(w.findChild<QPushButton *>(QStringLiteral("pushFindAll"))->isHidden());
    auto *dock = w.findChild<QDockWidget *>(QStringLiteral("dockWidget_2"));
    QCOMPARE(dock->allowedAreas(), Qt::NoDockWidgetArea);
    QVERIFY(dock->isFloating());
    QCOMPARE(w.centralWidget(), w.findChild<QTextEdit *>(QStringLiteral("textEdit")));
    auto *next = w.findChild<QPushButton *>(QStringLiteral("pushNext"));
    QVERIFY(next->isDefault());
    QCOMPARE(next->shortcut(), QKeySequence(Qt::Key_Return));
    QCOMPARE(w.findChild<QPushButton *>(QStringLiteral("pushPrev"))->shortcut(),
             QKeySequence(Qt::SHIFT + Qt::Key_Return));
    QCOMPARE(w.findChild<QAction *>(QStringLiteral("actionExit"))->text(), QStringLiteral("E&xit\tAlt+F4, Ctrl+W"));
    auto *help = w.findChild<QMenu *>(QStringLiteral("menuHelp"));
    QCOMPARE(help->actions().first()->objectName(), QStringLiteral("actionCheck_for_updates"));
    // Every action that names an icon finds it among the compiled-in images.
    for (QAction *a : w.findChildren<QAction *>())
        if (a->objectName().startsWith(QLatin1String("action")) && !a->icon().isNull())
            QVERIFY2(!a->icon().pixmap(16, 16).isNull(), qPrintable(a->objectName()));
}

void tst_Shell::altLetterOpensItsMenu_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("menu");
    QTest::newRow("alt+f opens file") << int(Qt::Key_F) << "menuFile";
    QTest::newRow("alt and a letter of no menu opens none") << int(Qt::Key_Q) << "";
}

// Alt and a menu's letter opens the menu; the editor, which has the focus, gets no letter.
void tst_Shell::altLetterOpensItsMenu()
{
    QFETCH(int, key);
    QFETCH(QString, menu);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTextEdit *edit = editorOf(w);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key(key), Qt::AltModifier);
    if (!menu.isEmpty()) {
        auto *opened = w.findChild<QMenu *>(menu);
        QTRY_VERIFY(opened->isVisible());
        opened->close();
    }
    QVERIFY(edit->document()->isEmpty());
}

void tst_Shell::closeAsksOnlyWithUnsavedChanges_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("deleteAgain");
    QTest::addColumn<bool>("asks");
    QTest::newRow("untouched") << QString() << false << false;
    QTest::newRow("typed") << QStringLiteral("salam") << false << true;
    QTest::newRow("typed then deleted") << QStringLiteral("salam") << true << false;
}

void tst_Shell::closeAsksOnlyWithUnsavedChanges()
{
    QFETCH(QString, typed);
    QFETCH(bool, deleteAgain);
    QFETCH(bool, asks);
    auto w = startedWindow();
    w->show();
    auto *edit = w->findChild<QTextEdit *>(QStringLiteral("textEdit"));
    if (!typed.isEmpty())
        QTest::keyClicks(edit, typed);
    if (deleteAgain) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QVERIFY(w->isModified());
        QCOMPARE(w->windowTitle(), QStringLiteral("Untitled - Tavlo"));
    }
    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    QVERIFY(w->close());
    QCOMPARE(bot.pending(), asks ? 0 : 1);
    if (asks) {
        QCOMPARE(bot.seen.first().title, QStringLiteral("Exit"));
        QCOMPARE(bot.seen.first().text, QStringLiteral("File has unsaved changes. Continue?"));
    }
}

void tst_Shell::cancelAtExitWritesNothing()
{
    auto w = startedWindow();
    w->show();
    w->resize(640, 300);
    QTest::keyClicks(w->findChild<QTextEdit *>(QStringLiteral("textEdit")), QStringLiteral("text"));
    ModalBot bot;
    bot.answer(QMessageBox::Cancel);
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    QSettings settings(QStringLiteral("Merovane"), QStringLiteral("Tavlo"));
    QVERIFY(!settings.contains(QStringLiteral("geometry")));
    QVERIFY(!settings.contains(QStringLiteral("Wrap")));
    w->findChild<QTextEdit *>(QStringLiteral("textEdit"))->clear();
}

void tst_Shell::newAfterTypedAndDeletedAsksNothing()
{
    auto w = startedWindow();
    auto *edit = w->findChild<QTextEdit *>(QStringLiteral("textEdit"));
    edit->insertPlainText(QStringLiteral("abc"));
    edit->clear();
    ModalBot bot;
    w->findChild<QAction *>(QStringLiteral("actionNew"))->trigger();
    QVERIFY(bot.seen.isEmpty());
    QCOMPARE(w->windowTitle(), QStringLiteral("Untitled - Tavlo"));
    QVERIFY(!edit->document()->isUndoAvailable());
}

void tst_Shell::cancelAtNewKeepsEverything()
{
    auto w = startedWindow();
    auto *edit = w->findChild<QTextEdit *>(QStringLiteral("textEdit"));
    edit->insertPlainText(QStringLiteral("keep me"));
    ModalBot bot;
    bot.answer(QMessageBox::Cancel);
    w->findChild<QAction *>(QStringLiteral("actionNew"))->trigger();
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("New"));
    QCOMPARE(edit->toPlainText(), QStringLiteral("keep me"));
    QCOMPARE(w->windowTitle(), QStringLiteral("*Untitled - Tavlo"));
    QVERIFY(edit->document()->isUndoAvailable());
    edit->clear();
}

void tst_Shell::lastArgumentIsTheFileWhateverItLooksLike_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("-reverse") << QStringList{QStringLiteral("-reverse")};
    QTest::newRow("-platformpluginpath") << QStringList{QStringLiteral("-platformpluginpath")};
    QTest::newRow("-reverse after --") << QStringList{QStringLiteral("--"), QStringLiteral("-reverse")};
}

void tst_Shell::lastArgumentIsTheFileWhateverItLooksLike()
{
    // The program itself, since Qt reads its options in the application object's constructor.
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const QString name = arguments.last();
    writeFile(dir.filePath(name), "opened");
    // A settings store of the program's own, where the update check is put off: no network.
    const QString store = dir.filePath(QStringLiteral("config/Merovane/Tavlo.conf"));
    QSettings(store, QSettings::IniFormat).setValue(QStringLiteral("remind"), std::numeric_limits<qint64>::max());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess tavlo;
    tavlo.setProcessEnvironment(environment);
    tavlo.setWorkingDirectory(dir.path());
    tavlo.start(QStringLiteral(TAVLO_BINARY), arguments);
    QVERIFY(tavlo.waitForStarted());
    // An opened file heads the recent list, which is written the moment it changes.
    const auto recent = [&store] {
        return QSettings(store, QSettings::IniFormat).value(QStringLiteral("recentFileList")).toStringList();
    };
    QTRY_COMPARE_WITH_TIMEOUT(recent().value(0), name, 30000);
    tavlo.kill();
    tavlo.waitForFinished();
}

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
