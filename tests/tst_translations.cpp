// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mnemonic.h"
#include "gui/dialogs/fileinfo.h"
#include "gui/dialogs/gotoline.h"
#include "gui/dialogs/newver.h"
#include "gui/dialogs/opendialog.h"
#include "gui/dialogs/qmatch.h"
#include "gui/dialogs/tidydialog.h"
#include "gui/language.h"
#include "gui/mainwindow/mainwindow.h"
#include "testutil.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QXmlStreamReader>
#include <functional>
#include <memory>

namespace {

// Every text a person can read on a widget tree: titles, labels, buttons, menus, actions and
// their tool tips, keyed by where they stand.
QMap<QString, QString> visibleTexts(QWidget *root)
{
    QMap<QString, QString> texts;
    auto add = [&texts](const QObject *o, const char *what, const QString &text) {
        if (!text.isEmpty())
            texts.insert(o->objectName() + QLatin1Char('.') + QLatin1String(what) + QLatin1Char('@')
                             + QString::number(quintptr(o)),
                         text);
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : qAsConst(widgets)) {
        if (w->isWindow() || qobject_cast<QDockWidget *>(w))
            add(w, "title", w->windowTitle());
        add(w, "tooltip", w->toolTip());
        if (auto *label = qobject_cast<QLabel *>(w))
            add(w, "text", label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(w, "text", button->text());
        if (auto *menu = qobject_cast<QMenu *>(w))
            add(w, "title", menu->title());
        if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                add(w, "item", combo->itemText(i));
    }
    for (QAction *a : root->findChildren<QAction *>()) {
        add(a, "text", a->text());
        if (a->toolTip() != QString(a->text()).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0))
            add(a, "tooltip", a->toolTip());
    }
    return texts;
}

// Texts that are the same in every language: names, shortcuts, addresses, and the languages
// named in their own words.
bool staysAsItIs(const QString &text)
{
    static const QRegularExpression sameEverywhere(QStringLiteral(
        "^(Tavlo|&English|فا&رسی|&العربية|Return|Shift\\+Return|Ctrl\\+.*|TextLabel|&\\d+: .*|UTF-8)$"));
    return sameEverywhere.match(text).hasMatch() || !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

// Arabic-script letters that join the letter after them; an underline drawn after one of these
// cuts the word in two.
bool joinsNext(QChar c)
{
    if (c.script() != QChar::Script_Arabic || !c.isLetter())
        return false;
    const QChar::JoiningType joining = c.joiningType();
    return joining == QChar::Joining_Dual || joining == QChar::Joining_Causing;
}

// Every finished translation of a .ts file, keyed by its context and source; plural forms are
// joined.
QList<std::pair<QString, QString>> translationsOf(const QString &file)
{
    QList<std::pair<QString, QString>> found;
    QFile ts(file);
    if (!ts.open(QIODevice::ReadOnly))
        return found;
    QXmlStreamReader xml(&ts);
    QString context, source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            found.append({context + QStringLiteral(": ") + source, xml.readElementText(QXmlStreamReader::IncludeChildElements)});
    }
    return found;
}

// Builds each window of the program once, ready to be walked. The dialogs are modal and made
// for one use, so the language never changes under them; the main window must follow a change.
QList<std::pair<QString, std::function<QWidget *()>>> windows()
{
    return {
        {QStringLiteral("MainWindow"), [] { return new MainWindow; }},
        {QStringLiteral("OpenDialog"), [] { return new OpenDialog; }},
        {QStringLiteral("qMatch"), [] { return new qMatch; }},
        {QStringLiteral("FileInfo"), [] { return new FileInfo; }},
        {QStringLiteral("NewVer"), [] { return new NewVer; }},
        {QStringLiteral("TidyDialog"), [] { return new TidyDialog; }},
        {QStringLiteral("GoToLine"), [] { return new GoToLine; }},
    };
}

}

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void everyEntryIsFinished_data();
    void everyEntryIsFinished();
    void noVisibleTextStaysEnglish_data();
    void noVisibleTextStaysEnglish();
    void persianIsRightToLeft();
    void menuMnemonics_data();
    void menuMnemonics();
    void translatedTextsFollowTheRules_data();
    void translatedTextsFollowTheRules();
    void contextMenusSayWhatTheEditMenuSays_data();
    void contextMenusSayWhatTheEditMenuSays();
    void everyPlaceIsolatesAName_data();
    void everyPlaceIsolatesAName();
    void versionAndBuildInOneScript_data();
    void versionAndBuildInOneScript();
};

void tst_Translations::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
}

void tst_Translations::cleanup()
{
    Language::apply(QStringLiteral("en"));
    QCoreApplication::processEvents();
}

void tst_Translations::everyEntryIsFinished_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("persian") << QStringLiteral(TAVLO_SOURCE_DIR "/translations/tavlo_fa.ts");
    QTest::newRow("arabic") << QStringLiteral(TAVLO_SOURCE_DIR "/translations/tavlo_ar.ts");
}

void tst_Translations::everyEntryIsFinished()
{
    QFETCH(QString, file);
    QFile ts(file);
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString source;
    QStringList unfinished;
    int messages = 0;
    bool plural = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("message")) {
            plural = xml.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            QString text;
            if (plural) {
                while (xml.readNextStartElement())
                    text += xml.readElementText();
            } else {
                text = xml.readElementText();
            }
            if (!type.isEmpty() || text.isEmpty())
                unfinished << QStringLiteral("%1 (%2)").arg(source, type.isEmpty() ? QStringLiteral("empty") : type);
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 100);
    QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(QLatin1Char('\n'))));
}

void tst_Translations::noVisibleTextStaysEnglish_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("persian") << "fa";
    QTest::newRow("arabic") << "ar";
}

void tst_Translations::noVisibleTextStaysEnglish()
{
    QFETCH(QString, language);
    QStringList english;
    for (const auto &window : windows()) {
        Language::apply(QStringLiteral("en"));
        std::unique_ptr<QWidget> before(window.second());
        const QMap<QString, QString> source = visibleTexts(before.get());
        Language::apply(language);
        QCoreApplication::processEvents();
        // A window made in the language, and the main window that was there when it changed.
        std::unique_ptr<QWidget> made(window.second());
        for (QWidget *w : {made.get(), before.get()}) {
            if (w == before.get() && window.first != QLatin1String("MainWindow"))
                continue;
            const QMap<QString, QString> shown = visibleTexts(w);
            for (auto it = shown.cbegin(); it != shown.cend(); ++it)
                if (source.values().contains(it.value()) && !staysAsItIs(it.value()))
                    english << window.first + QStringLiteral(": ") + it.value();
        }
    }
    english.removeDuplicates();
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
}

void tst_Translations::persianIsRightToLeft()
{
    Language::apply(QStringLiteral("fa"));
    QCoreApplication::processEvents();
    MainWindow w;
    w.resetDocument();
    QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    QCOMPARE(w.layoutDirection(), Qt::RightToLeft);
    QCOMPARE(w.findChild<QWidget *>(QStringLiteral("mainToolBar"))->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(w.findChild<QWidget *>(QStringLiteral("textEdit"))->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(w.windowTitle(), QStringLiteral("بی‌نام - Tavlo"));
    QCOMPARE(w.findChild<QMenu *>(QStringLiteral("menuFile"))->title(), QStringLiteral("پروند&ه"));
    // The labels that name two shortcuts read like the rest of the shortcut column.
    const QString ctrl = QCoreApplication::translate("QShortcut", "Ctrl");
    QVERIFY(ctrl != QLatin1String("Ctrl"));
    for (const char *action : {"actionExit", "actionFind"})
        QVERIFY(w.findChild<QAction *>(QString::fromLatin1(action))->text().section(QLatin1Char('\t'), 1).contains(ctrl + QLatin1Char('+')));
}

void tst_Translations::menuMnemonics_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("english") << "en";
    QTest::newRow("persian") << "fa";
    QTest::newRow("arabic") << "ar";
}

// Alt and a letter reaches every menu and every item in it, in every language, and no mnemonic
// breaks the joining of an Arabic-script word.
void tst_Translations::menuMnemonics()
{
    QFETCH(QString, language);
    Language::apply(language);
    QCoreApplication::processEvents();
    MainWindow w;
    w.pushRecentFile(QStringLiteral("/tmp/a.txt"));
    QStringList faults;
    QList<QMenu *> menus = w.findChildren<QMenu *>();
    QList<QList<QAction *>> groups{w.menuBar()->actions()};
    for (QMenu *menu : menus)
        groups << menu->actions();
    for (const QList<QAction *> &group : qAsConst(groups)) {
        QStringList keys;
        for (QAction *a : group) {
            if (a->isSeparator() || !a->isVisible() || a->data().type() == QVariant::String)
                continue;
            const QString text = a->text().section(QLatin1Char('\t'), 0, 0);
            const int mark = QString(text).replace(QStringLiteral("&&"), QStringLiteral("__")).indexOf(QLatin1Char('&'));
            if (mark < 0 || mark + 1 >= text.size()) {
                faults << QStringLiteral("no mnemonic: ") + text;
                continue;
            }
            if (mark > 0 && joinsNext(text.at(mark - 1)))
                faults << QStringLiteral("breaks a word: ") + text;
            const QString key = text.at(mark + 1).toLower();
            if (keys.contains(key))
                faults << QStringLiteral("taken twice in its menu: ") + text;
            keys << key;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_Translations::translatedTextsFollowTheRules_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("persian") << QStringLiteral(TAVLO_SOURCE_DIR "/translations/tavlo_fa.ts");
    QTest::newRow("arabic") << QStringLiteral(TAVLO_SOURCE_DIR "/translations/tavlo_ar.ts");
}

// No mnemonic cuts a letter off the one before it, and no translation wraps an argument in
// direction marks: the code isolates every name it passes, and marks around it would only
// reorder a Persian path.
void tst_Translations::translatedTextsFollowTheRules()
{
    QFETCH(QString, file);
    const QList<std::pair<QString, QString>> translations = translationsOf(file);
    QVERIFY(translations.size() > 100);
    static const QRegularExpression markedArgument(
        QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]%L?\\d|%L?\\d[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]"));
    QStringList faults;
    for (const auto &entry : translations) {
        int marked = -1;
        const QString shown = Mnemonic::shownText(entry.second, &marked);
        if (Mnemonic::joinsPrevious(shown, marked))
            faults << QStringLiteral("mnemonic joins the letter before: ") + entry.first + QStringLiteral(" -> ") + entry.second;
        if (entry.second.contains(markedArgument))
            faults << QStringLiteral("argument wrapped in marks: ") + entry.first;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_Translations::contextMenusSayWhatTheEditMenuSays_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("persian") << "fa";
    QTest::newRow("arabic") << "ar";
}

// Tavlo's translator, installed after Qt's, is asked first: the text boxes' context menus name
// the commands as the Edit menu does, and Qt's button texts keep the mnemonic rule too.
void tst_Translations::contextMenusSayWhatTheEditMenuSays()
{
    QFETCH(QString, language);
    Language::apply(language);
    QStringList faults;
    for (const char *command : {"&Undo", "&Redo", "Cu&t", "&Copy", "&Paste"}) {
        const QString menu = QCoreApplication::translate("MainWindow", command);
        for (const char *context : {"QWidgetTextControl", "QLineEdit"})
            if (QCoreApplication::translate(context, command) != menu)
                faults << QString::fromLatin1(context) + QStringLiteral(": ") + QCoreApplication::translate(context, command)
                        + QStringLiteral(" != ") + menu;
    }
    // A spin box's menu holds a line edit's commands and its own: one letter each.
    QMap<QChar, QString> letters;
    const QList<QPair<const char *, const char *>> spinBoxMenu = {
        {"QLineEdit", "&Undo"}, {"QLineEdit", "&Redo"}, {"QLineEdit", "Cu&t"}, {"QLineEdit", "&Copy"},
        {"QLineEdit", "&Paste"}, {"QAbstractSpinBox", "&Select All"}, {"QAbstractSpinBox", "&Step up"},
        {"QAbstractSpinBox", "Step &down"}};
    for (const auto &entry : spinBoxMenu) {
        const QString text = QCoreApplication::translate(entry.first, entry.second);
        int marked = -1;
        const QString shown = Mnemonic::shownText(text, &marked);
        if (marked < 0)
            continue;
        if (letters.contains(shown.at(marked)))
            faults << QStringLiteral("spin box menu: ") + text + QStringLiteral(" and ") + letters.value(shown.at(marked));
        letters.insert(shown.at(marked), text);
    }
    for (const char *button : {"&Yes", "&No", "OK", "Cancel"}) {
        const QString text = QCoreApplication::translate("QPlatformTheme", button);
        int marked = -1;
        const QString shown = Mnemonic::shownText(text, &marked);
        if (text == QLatin1String(button) || Mnemonic::joinsPrevious(shown, marked))
            faults << QStringLiteral("QPlatformTheme: ") + text;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_Translations::everyPlaceIsolatesAName_data()
{
    QTest::addColumn<QString>("place");
    QTest::newRow("title") << "title";
    QTest::newRow("title with the full address") << "full address";
    QTest::newRow("recent files menu") << "recent";
    QTest::newRow("file information, name") << "info name";
    QTest::newRow("file information, address") << "info address";
    QTest::newRow("message naming the path") << "message";
}

// A Persian name with a right-to-left override and a TAB, in a Persian folder, shown in the
// Persian interface: isolated, its controls visible, wherever it is shown.
void tst_Translations::everyPlaceIsolatesAName()
{
    QFETCH(QString, place);
    Language::apply(QStringLiteral("fa"));
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/نامه‌ها");
    const QString name = QStringLiteral("گزارش ۲\t\u202Etxt.exe");
    const QString shownName = QStringLiteral("گزارش ۲\u2409[U+202E]txt.exe");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QLatin1Char('/') + name;
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    MainWindow w;
    w.startUp({QStringLiteral("tavlo"), path});
    QString shown, expected = isolated(folder + QLatin1Char('/') + shownName);
    if (place == QLatin1String("title")) {
        shown = w.windowTitle();
        expected = isolated(shownName);
    } else if (place == QLatin1String("full address")) {
        w.findChild<QAction *>(QStringLiteral("actionFull_Address"))->trigger();
        shown = w.windowTitle();
    } else if (place == QLatin1String("recent")) {
        for (QAction *a : w.findChild<QMenu *>(QStringLiteral("menuFile"))->actions())
            if (a->data().toString() == path)
                shown = a->text();
    } else if (place == QLatin1String("message")) {
        QVERIFY(QFile::remove(path));
        ModalBot bot;
        bot.answer(QMessageBox::Ok);
        QVERIFY(!w.loadFile(path));
        QCOMPARE(bot.seen.size(), 1);
        shown = bot.seen.first().text;
    } else {
        QString infoPath = path;
        QTextEdit edit;
        FileInfo dialog;
        ModalBot bot;
        const bool address = place == QLatin1String("info address");
        bot.act([&](QWidget *box) {
            shown = box->findChild<QPlainTextEdit *>(address ? QStringLiteral("plainTextEdit") : QStringLiteral("plainTextEditName"))
                        ->toPlainText();
            box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        dialog.exec(&infoPath, &edit);
        expected = isolated(address ? folder : shownName);
    }
    QVERIFY2(shown.contains(expected), qPrintable(shown));
    QVERIFY(!shown.contains(QLatin1Char('\t')) && !shown.contains(QChar(0x202E)));
}

void tst_Translations::versionAndBuildInOneScript_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("place");
    QTest::newRow("persian about box") << "fa" << "about";
    QTest::newRow("persian new version") << "fa" << "new version";
    QTest::newRow("arabic about box") << "ar" << "about";
    QTest::newRow("arabic new version") << "ar" << "new version";
}

// "1.1.6" beside a build number in Persian digits would read as two scripts in one line.
void tst_Translations::versionAndBuildInOneScript()
{
    QFETCH(QString, language);
    QFETCH(QString, place);
    Language::apply(language);
    QString shown;
    if (place == QLatin1String("about")) {
        shown = MainWindow::aboutText();
    } else {
        MainWindow w;
        NewVer dialog;
        ModalBot bot;
        bot.act([&](QWidget *box) {
            shown = box->findChild<QLabel *>(QStringLiteral("label"))->text();
            box->close();
        });
        QString log;
        dialog.exec(&log, &w);
    }
    const QString version = shown.section(QStringLiteral("<br>"), 0, 0);
    const QChar one(ushort(QLocale(language).zeroDigit().unicode() + 1));
    QVERIFY2(version.contains(one), qPrintable(version));
    QVERIFY2(!version.contains(QRegularExpression(QStringLiteral("[0-9]"))), qPrintable(version));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
