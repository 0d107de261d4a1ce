// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
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

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
