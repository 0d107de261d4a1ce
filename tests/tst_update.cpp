// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appinfo.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/dialogs/newver.h"
#include "testutil.h"
#include "tlsserver.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSslSocket>
#include <QTest>

namespace {

void triggerCheck(MainWindow &w)
{
    w.findChild<QAction *>(QStringLiteral("actionCheck_for_updates"))->trigger();
}

void setRemind(qint64 value)
{
    QSettings settings(QStringLiteral("Merovane"), QStringLiteral("Tavlo"));
    settings.setValue(QStringLiteral("remind"), value);
}

qint64 storedRemind()
{
    QSettings settings(QStringLiteral("Merovane"), QStringLiteral("Tavlo"));
    return settings.value(QStringLiteral("remind")).toLongLong();
}

// Records what the new version dialog shows, then closes it with Escape.
ModalBot::Action readNewVersionDialog(QString *log, QString *message)
{
    return [log, message](QWidget *w) {
        *log = w->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEdit"))->toPlainText();
        *message = w->findChild<QLabel *>(QStringLiteral("label"))->text();
        QTest::keyClick(w, Qt::Key_Escape);
    };
}

}

// Takes the URLs that the program hands to the desktop, instead of starting a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class tst_Update : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void outcome_data();
    void outcome();
    void newerBuildShowsTheDialogInBothModes_data();
    void newerBuildShowsTheDialogInBothModes();
    void failuresAreReported_data();
    void failuresAreReported();
    void secondRequestCancelsTheFirstSilently();
    void startUpChecksOnlyOnceTheReminderIsDue_data();
    void startUpChecksOnlyOnceTheReminderIsDue();
    void remindButtonPostpones_data();
    void remindButtonPostpones();
    void downloadOpensTheProductPage();

private:
    UrlCatcher m_urls;
};

void tst_Update::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    isolateTestEnvironment();
    QVERIFY2(QSslSocket::supportsSsl(), "TLS support (OpenSSL) is missing");
    TlsServer::trustTestCertificate();
    AppInfo::setUpdateTimeoutForTesting(10000);
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_urls, "open");
}

void tst_Update::init()
{
    clearSettings();
    AppInfo::setUpdateTimeoutForTesting(10000);
}

void tst_Update::outcome_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<bool>("huge");
    QTest::addColumn<bool>("tls13Only");
    QTest::addColumn<QString>("title"); // empty: nothing is shown
    QTest::addColumn<QString>("text");
    const QString upToDate = QStringLiteral("Your Tavlo is up-to-date!<br>Current version: 1.1.6 build 27");
    QTest::newRow("same build, zero-padded") << QByteArray("000027") << QByteArray("200 OK") << false << false << "Update" << upToDate;
    QTest::newRow("same build") << QByteArray("27") << QByteArray("200 OK") << false << false << "Update" << upToDate;
    QTest::newRow("older build") << QByteArray("000026new") << QByteArray("200 OK") << false << false << "" << "";
    QTest::newRow("line break inside the field") << QByteArray("28\nabc") << QByteArray("200 OK") << false
                                                 << false << "Internet Error" << "Unknown server error";
    QTest::newRow("empty body") << QByteArray() << QByteArray("200 OK") << false << false << "Internet Error" << "Unknown server error";
    QTest::newRow("oversized body") << QByteArray("000099") << QByteArray("200 OK") << true << false << "Internet Error" << "Unknown server error";
    QTest::newRow("not found, with markup in the reason") << QByteArray("gone") << QByteArray("404 <b>Not Found</b>") << false
                                                          << false << "Internet Error" << "";
    QTest::newRow("redirect with an answer in its body") << QByteArray("000099log") << QByteArray("302 Found") << false
                                                         << false << "Internet Error" << "Unknown server error";
    QTest::newRow("server offering only TLS 1.3") << QByteArray("000027") << QByteArray("200 OK") << false << true
                                                  << "Update" << upToDate;
}

void tst_Update::outcome()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, status);
    QFETCH(bool, huge);
    QFETCH(bool, tls13Only);
    QFETCH(QString, title);
    QFETCH(QString, text);
    TlsServer server;
    server.answer(body, status);
    if (huge)
        server.setMode(TlsServer::Mode::Huge);
    if (tls13Only)
        server.setProtocol(QSsl::TlsV1_3);
    AppInfo::setUpdateEndpointForTesting(server.endpoint());

    for (bool interactive : {true, false}) {
        MainWindow w;
        ModalBot bot;
        if (!title.isEmpty() && interactive)
            bot.answer(QMessageBox::Ok);
        if (interactive) {
            triggerCheck(w);
        } else {
            setRemind(0);
            w.startUp({QStringLiteral("tavlo")});
        }
        QVERIFY(w.updateCheckRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!w.updateCheckRunning(), 15000);
        QTRY_COMPARE(bot.pending(), 0);
        QVERIFY(!bot.sawUnexpected());
        if (title.isEmpty() || !interactive) {
            QVERIFY(bot.seen.isEmpty());
            continue;
        }
        QCOMPARE(bot.seen.size(), 1);
        QCOMPARE(bot.seen.first().title, title);
        if (!text.isEmpty()) {
            QCOMPARE(bot.seen.first().text, text);
        } else {
            // The library's error text, with the server's address scrubbed and shown literally.
            QVERIFY2(bot.seen.first().text.contains(QStringLiteral("website")), qPrintable(bot.seen.first().text));
            QVERIFY(!bot.seen.first().text.contains(QStringLiteral("127.0.0.1")));
            QCOMPARE(bot.seen.first().format, Qt::PlainText);
        }
    }
    QCOMPARE(server.requests().first(), QByteArray("GET /tavlo/getLastStable.php?req_build=27 HTTP/1.1"));
}

void tst_Update::newerBuildShowsTheDialogInBothModes_data()
{
    QTest::addColumn<bool>("interactive");
    QTest::newRow("interactive") << true;
    QTest::newRow("silent") << false;
}

void tst_Update::newerBuildShowsTheDialogInBothModes()
{
    QFETCH(bool, interactive);
    TlsServer server;
    server.answer(QByteArray("000028\n- <b>faster</b> search\n- fixes"));
    AppInfo::setUpdateEndpointForTesting(server.endpoint());
    MainWindow w;
    ModalBot bot;
    QString log, message;
    bot.act(readNewVersionDialog(&log, &message));
    if (interactive) {
        triggerCheck(w);
    } else {
        setRemind(0);
        w.startUp({QStringLiteral("tavlo")});
    }
    QTRY_VERIFY_WITH_TIMEOUT(bot.pending() == 0 && !w.updateCheckRunning(), 15000);
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("New Version"));
    QCOMPARE(log, QStringLiteral("\n- <b>faster</b> search\n- fixes"));
    QVERIFY(message.startsWith(QStringLiteral("<b>New version available!</b> Your Version: 1.1.6 Build 27<br><br> Go to <a href=\"")));
    QCOMPARE(message.count(AppInfo::productPage()), 2);
    // Escape writes no reminder.
    QCOMPARE(storedRemind(), 0);
}

void tst_Update::failuresAreReported_data()
{
    QTest::addColumn<QString>("certificate");
    QTest::addColumn<bool>("stall");
    QTest::addColumn<int>("requestsServed");
    // A certificate the client does not trust is never accepted: no request gets through.
    QTest::newRow("untrusted certificate") << "untrusted" << false << 0;
    QTest::newRow("stalled server times out") << "server" << true << 1;
}

void tst_Update::failuresAreReported()
{
    QFETCH(QString, certificate);
    QFETCH(bool, stall);
    QFETCH(int, requestsServed);
    TlsServer server(certificate);
    server.answer(QByteArray("000028log"));
    if (stall)
        server.setMode(TlsServer::Mode::Stall);
    AppInfo::setUpdateEndpointForTesting(server.endpoint());
    AppInfo::setUpdateTimeoutForTesting(500);
    MainWindow w;
    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    triggerCheck(w);
    QTRY_VERIFY_WITH_TIMEOUT(bot.pending() == 0 && !w.updateCheckRunning(), 15000);
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("Internet Error"));
    QCOMPARE(server.requests().size(), requestsServed);
}

void tst_Update::secondRequestCancelsTheFirstSilently()
{
    TlsServer server;
    server.answer(QByteArray("000027"));
    AppInfo::setUpdateEndpointForTesting(server.endpoint());
    MainWindow w;
    ModalBot bot;
    bot.answer(QMessageBox::Ok);
    triggerCheck(w);
    triggerCheck(w);
    QTRY_VERIFY_WITH_TIMEOUT(bot.pending() == 0 && !w.updateCheckRunning(), 15000);
    // Give a stray second box the chance to appear before counting.
    QTest::qWait(300);
    QCOMPARE(bot.seen.size(), 1);
    QCOMPARE(bot.seen.first().title, QStringLiteral("Update"));
}

void tst_Update::startUpChecksOnlyOnceTheReminderIsDue_data()
{
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<bool>("checks");
    QTest::newRow("no reminder") << qint64(-1) << true;
    QTest::newRow("reminder due") << qint64(0) << true;
    QTest::newRow("reminder a minute ahead") << qint64(60000) << false;
}

void tst_Update::startUpChecksOnlyOnceTheReminderIsDue()
{
    QFETCH(qint64, offset);
    QFETCH(bool, checks);
    TlsServer server;
    server.answer(QByteArray("000027"));
    AppInfo::setUpdateEndpointForTesting(server.endpoint());
    if (offset >= 0)
        setRemind(QDateTime::currentMSecsSinceEpoch() + offset);
    MainWindow w;
    ModalBot bot;
    w.startUp({QStringLiteral("tavlo")});
    QCOMPARE(w.updateCheckRunning(), checks);
    QTRY_VERIFY_WITH_TIMEOUT(!w.updateCheckRunning(), 15000);
    QCOMPARE(server.requests().size(), checks ? 1 : 0);
    QVERIFY(bot.seen.isEmpty());
    // The menu command checks whatever the reminder says.
    bot.answer(QMessageBox::Ok);
    triggerCheck(w);
    QTRY_VERIFY_WITH_TIMEOUT(bot.pending() == 0 && !w.updateCheckRunning(), 15000);
    QCOMPARE(bot.seen.first().title, QStringLiteral("Update"));
}

void tst_Update::remindButtonPostpones_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<qint64>("duration");
    QTest::newRow("1 Day") << 0 << Q_INT64_C(86400000);
    QTest::newRow("3 Days") << 1 << Q_INT64_C(259200000);
    QTest::newRow("1 Week") << 2 << Q_INT64_C(604800000);
    QTest::newRow("1 Month") << 3 << Q_INT64_C(2592000000);
}

void tst_Update::remindButtonPostpones()
{
    QFETCH(int, index);
    QFETCH(qint64, duration);
    MainWindow w;
    NewVer dialog(&w);
    QString log = QStringLiteral("changes");
    ModalBot bot;
    int shownIndex = -1;
    bot.act([&](QWidget *d) {
        auto *combo = d->findChild<QComboBox *>(QStringLiteral("comboBox"));
        shownIndex = combo->currentIndex();
        combo->setCurrentIndex(index);
        d->findChild<QPushButton *>(QStringLiteral("pushRemind"))->click();
    });
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    dialog.exec(&log, &w);
    const qint64 after = QDateTime::currentMSecsSinceEpoch();
    QCOMPARE(shownIndex, 1);
    const qint64 stored = storedRemind();
    QVERIFY(stored >= before + duration && stored <= after + duration);
    QCOMPARE(w.reminderTime(), stored);
    QVERIFY(!dialog.isVisible());
}

void tst_Update::downloadOpensTheProductPage()
{
    MainWindow w;
    NewVer dialog(&w);
    QString log;
    ModalBot bot;
    bot.act([](QWidget *d) { d->findChild<QPushButton *>(QStringLiteral("pushDl"))->click(); });
    m_urls.urls.clear();
    dialog.exec(&log, &w);
    QCOMPARE(m_urls.urls, QList<QUrl>{QUrl(AppInfo::productPage())});
    QVERIFY(!QSettings(QStringLiteral("Merovane"), QStringLiteral("Tavlo")).contains(QStringLiteral("remind")));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(tst_Update)
#include "tst_update.moc"
