// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/opendialog.h"
#include "testutil.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
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
    void initTestCase() { isolateTestEnvironment(); }
    void labelsGroupTheWindowsCodePages_data();
    void labelsGroupTheWindowsCodePages();
    void windows1256FileIsOfferedAndPreviewed();
    void doubleClickChoosesTheItem();
    void suggestionIsOneKeyAway_data();
    void suggestionIsOneKeyAway();
    void cancellingKeepsMinusOne_data();
    void cancellingKeepsMinusOne();
    void okWithoutSelectionKeepsTheDialogOpen();
};

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
    QString firstPreview, chosenPreview;
    bot.act([&](QWidget *w) {
        QListWidget *list = listOf(w);
        for (int i = 0; i < list->count(); ++i)
            labels << list->item(i)->text();
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(list->selectedItems().first()->text(), QStringLiteral("windows-1252 (Western European)"));
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
    QCOMPARE(firstPreview, QTextCodec::codecForMib(2252)->toUnicode(data));
    QCOMPARE(chosenPreview, Persian);
    // Sorted by label, so the Windows code pages stand in their numeric order.
    QVERIFY(labels.indexOf(QStringLiteral("windows-1250 (Central European)"))
            < labels.indexOf(QStringLiteral("windows-1251 (Cyrillic)")));
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
    QTest::newRow("persian, windows-1256") << encoded("windows-1256", Persian) << 2256;
    QTest::newRow("russian, windows-1251") << encoded("windows-1251", QStringLiteral("Привет, мир! Это русский текст.")) << 2251;
    QTest::newRow("hebrew, windows-1255") << encoded("windows-1255", QStringLiteral("שלום עולם! זהו טקסט בעברית.")) << 2255;
    // Over a megabyte the codecs are tried off the GUI thread while the dialog answers.
    QTest::newRow("persian over a megabyte") << encoded("windows-1256", (Persian + QLatin1Char('\n')).repeated(30000)) << 2256;
}

void tst_OpenDialog::suggestionIsOneKeyAway()
{
    QFETCH(QByteArray, data);
    QFETCH(int, mib);
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
    QCOMPARE(dialog.exec(&data, &ret), int(QDialog::Accepted));
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
