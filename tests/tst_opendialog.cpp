// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/opendialog.h"
#include "gui/language.h"
#include "testutil.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QThreadPool>
#include <QTextCodec>

namespace {

// Old Windows files write Persian with the Arabic Yeh: windows-1256 has no Farsi Yeh.
const QString Persian = QStringLiteral("سلام دنيا، پرونده‌اي به زبان فارسي با گچ و ژاله");

QByteArray encoded(const char *codec, const QString &text)
{
    return QTextCodec::codecForName(codec)->fromUnicode(text);
}

QListWidget *listOf(QWidget *dialog)
{
    return dialog->findChild<QListWidget *>(QStringLiteral("listWidget"));
}

QListWidgetItem *itemWithMib(QListWidget *list, int mib)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toInt() == mib)
            return list->item(i);
    return nullptr;
}

}

class tst_OpenDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void labelsGroupTheWindowsCodePages_data();
    void labelsGroupTheWindowsCodePages();
    void windows1256FileIsOfferedAndPreviewed();
    void labelsAreNeverCut_data();
    void labelsAreNeverCut();
    void previewShowsTheHeadOfALargeFile_data();
    void previewShowsTheHeadOfALargeFile();
    void previewParagraphsTakeTheirOwnDirection();
    void doubleClickChoosesTheItem();
    void suggestionIsOneKeyAway_data();
    void suggestionIsOneKeyAway();
    void cancellingKeepsMinusOne_data();
    void cancellingKeepsMinusOne();
    void okWithoutSelectionKeepsTheDialogOpen();
};

void tst_OpenDialog::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
}

void tst_OpenDialog::labelsGroupTheWindowsCodePages_data()
{
    QTest::addColumn<int>("mib");
    QTest::addColumn<QString>("label");
    QTest::newRow("central european") << 2250 << QStringLiteral("windows-1250 (Central European)");
    QTest::newRow("arabic") << 2256 << QStringLiteral("windows-1256 (Arabic)");
    QTest::newRow("vietnamese") << 2258 << QStringLiteral("windows-1258 (Vietnamese)");
    QTest::newRow("other codecs keep their name") << 4 << QStringLiteral("ISO-8859-1");
}

void tst_OpenDialog::labelsGroupTheWindowsCodePages()
{
    QFETCH(int, mib);
    QFETCH(QString, label);
    QCOMPARE(OpenDialog::labelFor(mib, QTextCodec::codecForMib(mib)->name()), label);
}

void tst_OpenDialog::windows1256FileIsOfferedAndPreviewed()
{
    QByteArray data = encoded("windows-1256", Persian);
    int ret = -1;
    OpenDialog dialog;
    ModalBot bot;
    QStringList labels;
    QString firstPreview, chosenPreview, firstLabel;
    bot.act([&](QWidget *w) {
        QListWidget *list = listOf(w);
        for (int i = 0; i < list->count(); ++i)
            labels << list->item(i)->text();
        QCOMPARE(list->selectedItems().size(), 1);
        firstLabel = list->selectedItems().first()->text();
        auto *preview = w->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"));
        firstPreview = preview->toPlainText();
        itemWithMib(list, 2256)->setSelected(true);
        chosenPreview = preview->toPlainText();
        w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(dialog.exec(&data, &ret), int(QDialog::Accepted));
    QCOMPARE(ret, 2256);
    QVERIFY(labels.contains(QStringLiteral("windows-1256 (Arabic)")));
    QVERIFY(!labels.contains(QStringLiteral("UTF-8")));
    // windows-1252 has no letters at Persian's bytes 0x81, 0x8D and 0x90: it is not offered,
    // and the suggestion is preselected in its place.
    QVERIFY(!labels.contains(QStringLiteral("windows-1252 (Western European)")));
    QCOMPARE(firstLabel, QStringLiteral("windows-1256 (Arabic)"));
    QCOMPARE(firstPreview, Persian);
    QCOMPARE(chosenPreview, Persian);
}

void tst_OpenDialog::labelsAreNeverCut_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("english") << QStringLiteral("en");
    QTest::newRow("persian") << QStringLiteral("fa");
    QTest::newRow("arabic") << QStringLiteral("ar");
}

void tst_OpenDialog::labelsAreNeverCut()
{
    QFETCH(QString, language);
    Language::apply(language);
    // Latin letters every Windows code page reads, so each of them is listed with its group.
    QByteArray data = encoded("ISO-8859-1", QStringLiteral("Café à la carte, déjà vu"));
    int ret = -1;
    OpenDialog dialog;
    ModalBot bot;
    int widest = 0;
    int room = 0;
    QStringList windowsPages;
    bot.act([&](QWidget *w) {
        QListWidget *list = listOf(w);
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().startsWith(QLatin1String("windows-125")))
                windowsPages << list->item(i)->text().left(12);
        widest = list->sizeHintForColumn(0);
        room = list->viewport()->width();
        w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    });
    dialog.exec(&data, &ret);
    Language::apply(QStringLiteral("en"));
    // Sorted by the English labels in every language, so the code pages keep their order.
    QCOMPARE(windowsPages, (QStringList{"windows-1250", "windows-1251", "windows-1252", "windows-1253", "windows-1254",
                                        "windows-1255", "windows-1256", "windows-1257", "windows-1258"}));
    QVERIFY2(room >= widest, qPrintable(QStringLiteral("%1 px for labels %2 px wide").arg(room).arg(widest)));
}

void tst_OpenDialog::previewShowsTheHeadOfALargeFile_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("mib");
    const QString line = Persian + QLatin1Char('\n');
    QTest::newRow("windows-1256") << encoded("windows-1256", line.repeated(12000)) << 2256;
    // The byte limit falls inside a pair of surrogates, and inside a letter with its marks.
    QString pairs = QStringLiteral("a").repeated(128 * 1024 - 1) + QString::fromUcs4(U"\U0001F600").repeated(10);
    QTest::newRow("utf-16 pair at the cut") << encoded("UTF-16LE", pairs) << 1014;
    QString marks = QStringLiteral("a").repeated(256 * 1024 - 2) + QStringLiteral("\u0628\u064E\u0651").repeated(10);
    QTest::newRow("windows-1256 marks at the cut") << encoded("windows-1256", marks) << 2256;
    // A file of one long line: laid out whole, the preview alone would take seconds.
    QTest::newRow("one line of 1 MB") << encoded("windows-1256", Persian.repeated(25000)) << 2256;
}

void tst_OpenDialog::previewShowsTheHeadOfALargeFile()
{
    QFETCH(QByteArray, data);
    QFETCH(int, mib);
    int ret = -1;
    OpenDialog dialog;
    ModalBot bot;
    QString preview;
    bot.act([&](QWidget *w) {
        QListWidget *list = listOf(w);
        QTRY_VERIFY(list->count() > 0);
        itemWithMib(list, mib)->setSelected(true);
        preview = w->findChild<QPlainTextEdit *>()->toPlainText();
        w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    dialog.exec(&data, &ret);
    QCOMPARE(ret, mib);
    const QString note = QStringLiteral("\n# The preview is shortened. OK opens the whole file.");
    QVERIFY(preview.endsWith(note));
    // Long lines are broken for the preview: compare the texts without their breaks.
    const auto unbroken = [](QString text) {
        return text.remove(QLatin1Char('\n')).remove(QLatin1Char(' '));
    };
    const QString head = unbroken(preview.chopped(note.size()));
    const QString all = unbroken(QTextCodec::codecForMib(mib)->toUnicode(data));
    QVERIFY(head.size() > 200 * 1000 / 2);
    QVERIFY(head.size() < 256 * 1024 + 1);
    QVERIFY(all.startsWith(head));
    // Ends where a character ends, and not between a letter and its marks.
    QVERIFY(!head.back().isHighSurrogate());
    QVERIFY(QChar::category(all.at(head.size()).unicode()) != QChar::Mark_NonSpacing);
}

void tst_OpenDialog::previewParagraphsTakeTheirOwnDirection()
{
    QByteArray data = encoded("windows-1256", Persian + QStringLiteral("\nLatin line\n"));
    int ret = -1;
    OpenDialog dialog;
    ModalBot bot;
    qreal persianRight = 0, latinLeft = 0, width = 0;
    bot.act([&](QWidget *w) {
        itemWithMib(listOf(w), 2256)->setSelected(true);
        auto *preview = w->findChild<QPlainTextEdit *>();
        preview->viewport()->repaint();
        const QTextBlock first = preview->document()->firstBlock();
        const QTextLine persian = first.layout()->lineAt(0);
        const QTextLine latin = first.next().layout()->lineAt(0);
        persianRight = persian.naturalTextRect().right() - persian.x();
        latinLeft = latin.naturalTextRect().left() - latin.x();
        width = persian.width();
        w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    });
    dialog.exec(&data, &ret);
    QVERIFY(width > 0);
    QVERIFY2(persianRight > width - 2, qPrintable(QStringLiteral("%1 of %2").arg(persianRight).arg(width)));
    QVERIFY(latinLeft < 2);
}

void tst_OpenDialog::doubleClickChoosesTheItem()
{
    QByteArray data = encoded("windows-1256", Persian);
    int ret = -1;
    OpenDialog dialog;
    ModalBot bot;
    bot.act([](QWidget *w) {
        QListWidget *list = listOf(w);
        QListWidgetItem *item = itemWithMib(list, 2251);
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    });
    dialog.exec(&data, &ret);
    QCOMPARE(ret, 2251);
    QVERIFY(!dialog.isVisible());
}

void tst_OpenDialog::suggestionIsOneKeyAway_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("mib");
    QTest::addColumn<QString>("language");
    QTest::newRow("persian, windows-1256") << encoded("windows-1256", Persian) << 2256 << "en";
    QTest::newRow("russian, windows-1251") << encoded("windows-1251", QStringLiteral("Привет, мир! Это русский текст.")) << 2251 << "en";
    QTest::newRow("hebrew, windows-1255") << encoded("windows-1255", QStringLiteral("שלום עולם! זהו טקסט בעברית.")) << 2255 << "en";
    // Over a megabyte the codecs are tried off the GUI thread while the dialog answers.
    QTest::newRow("persian over a megabyte") << encoded("windows-1256", (Persian + QLatin1Char('\n')).repeated(30000)) << 2256 << "en";
    // Whatever letter the translation's mnemonic marks, Alt+S takes the suggestion.
    const QByteArray russian = encoded("windows-1251", QStringLiteral("Привет, мир! Это русский текст."));
    QTest::newRow("persian interface") << russian << 2251 << "fa";
    QTest::newRow("arabic interface") << russian << 2251 << "ar";
}

void tst_OpenDialog::suggestionIsOneKeyAway()
{
    QFETCH(QByteArray, data);
    QFETCH(int, mib);
    QFETCH(QString, language);
    Language::apply(language);
    int ret = -1;
    OpenDialog dialog;
    ModalBot bot;
    QStringList labels;
    bool listHadFocus = false;
    bot.act([&](QWidget *w) {
        QListWidget *list = listOf(w);
        QTRY_VERIFY(list->count() > 0);
        for (int i = 0; i < list->count(); ++i)
            labels << list->item(i)->text();
        listHadFocus = list->hasFocus();
        // A mnemonic answers only in the active window.
        QApplication::setActiveWindow(w);
        QTest::keyClick(list, Qt::Key_S, Qt::AltModifier);
        // A mnemonic clicks its button the way a mouse would, a moment later.
        QTRY_COMPARE(list->currentItem()->data(Qt::UserRole).toInt(), mib);
        QTest::keyClick(list, Qt::Key_Return);
    });
    const int result = dialog.exec(&data, &ret);
    Language::apply(QStringLiteral("en"));
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(ret, mib);
    QVERIFY(listHadFocus);
    // A codec the registry knows under several numbers is listed once.
    QCOMPARE(labels.size(), QSet<QString>(labels.begin(), labels.end()).size());
}

void tst_OpenDialog::cancellingKeepsMinusOne_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("cancel button") << 0;
    QTest::newRow("escape") << 1;
    QTest::newRow("close button") << 2;
    // The scan of a large file outlives the dialog, and the bytes it had are gone after it.
    QTest::newRow("cancel while a large file is scanned") << 3;
}

void tst_OpenDialog::cancellingKeepsMinusOne()
{
    QFETCH(int, how);
    QByteArray data("\xff\xfe\x41\x00", 4);
    if (how == 3)
        data = encoded("windows-1256", Persian).repeated(40000);
    int ret = -1;
    OpenDialog dialog;
    ModalBot bot;
    if (how == 0 || how == 3)
        bot.act([](QWidget *w) { w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click(); });
    else if (how == 1)
        bot.escape();
    else
        bot.closeWindow();
    QCOMPARE(dialog.exec(&data, &ret), int(QDialog::Rejected));
    QCOMPARE(ret, -1);
    if (how == 3) {
        data.clear();
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(listOf(&dialog)->count(), 0);
    }
}

void tst_OpenDialog::okWithoutSelectionKeepsTheDialogOpen()
{
    QByteArray data = encoded("windows-1256", Persian);
    int ret = -1;
    OpenDialog dialog;
    ModalBot bot;
    QString previewBefore, previewAfter;
    bot.act([&](QWidget *w) {
        QListWidget *list = listOf(w);
        previewBefore = w->findChild<QPlainTextEdit *>()->toPlainText();
        list->clearSelection();
        previewAfter = w->findChild<QPlainTextEdit *>()->toPlainText();
        w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    bot.answer(QMessageBox::Ok);
    bot.act([](QWidget *w) {
        QVERIFY(w->isVisible());
        QListWidget *list = listOf(w);
        itemWithMib(list, 2256)->setSelected(true);
        w->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    dialog.exec(&data, &ret);
    QCOMPARE(bot.seen.size(), 3);
    QCOMPARE(bot.seen.at(1).text, QStringLiteral("Select an encoding."));
    QCOMPARE(previewAfter, previewBefore);
    QCOMPARE(ret, 2256);
}

QTEST_MAIN(tst_OpenDialog)
#include "tst_opendialog.moc"
