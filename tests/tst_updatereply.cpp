// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/updatereply.h"

#include <QTest>

class tst_UpdateReply : public QObject
{
    Q_OBJECT

private slots:
    void parsesTheReply_data();
    void parsesTheReply();
    void scrubsTheServerAddress_data();
    void scrubsTheServerAddress();
};

void tst_UpdateReply::parsesTheReply_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("build");
    QTest::addColumn<QString>("log");
    QTest::newRow("zero-padded") << QByteArray("000027") << 27 << "";
    QTest::newRow("short body") << QByteArray("27") << 27 << "";
    QTest::newRow("trailing spaces") << QByteArray("28    changes") << 28 << "changes";
    QTest::newRow("leading spaces") << QByteArray("    28") << 28 << "";
    QTest::newRow("trailing line breaks") << QByteArray("28\n\n\n\n") << 28 << "";
    QTest::newRow("line break right after the field") << QByteArray("000028\nfixed") << 28 << "\nfixed";
    QTest::newRow("text inside the field") << QByteArray("28\nabc") << 0 << "";
    QTest::newRow("empty") << QByteArray() << 0 << "";
    QTest::newRow("sign") << QByteArray("-00003") << -3 << "";
    QTest::newRow("latin-1 log") << QByteArray("000028caf\xE9") << 28 << "café";
    QTest::newRow("utf-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF" "000028") + QStringLiteral("تغییرات").toUtf8()
                                                  << 28 << "تغییرات";
}

void tst_UpdateReply::parsesTheReply()
{
    QFETCH(QByteArray, body);
    QFETCH(int, build);
    QFETCH(QString, log);
    const UpdateReply reply = parseUpdateReply(body);
    QCOMPARE(reply.build, build);
    QCOMPARE(reply.changeLog, log);
}

void tst_UpdateReply::scrubsTheServerAddress_data()
{
    QTest::addColumn<QString>("endpoint");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("scrubbed");
    const QString endpoint = QStringLiteral("https://tavlo.example/tavlo/getLastStable.php");
    QTest::newRow("host not found") << endpoint << "Host tavlo.example not found" << "Host website not found";
    QTest::newRow("the whole address") << endpoint << QString(endpoint + " replied: 500") << "website replied: 500";
    QTest::newRow("the vendor's domain on its own") << "https://www.vendor.example.org/u"
                                                    << "certificate for mail.vendor.example.org" << "certificate for mail.website";
    QTest::newRow("a two-label host leaves other words alone") << "https://vendor.org/u"
                                                               << "Connection to vendor.org refused by the organisation"
                                                               << "Connection to website refused by the organisation";
    QTest::newRow("a numeric host") << "https://127.0.0.1:8443/u" << "Connection refused by 127.0.0.1"
                                    << "Connection refused by website";
}

void tst_UpdateReply::scrubsTheServerAddress()
{
    QFETCH(QString, endpoint);
    QFETCH(QString, error);
    QFETCH(QString, scrubbed);
    QCOMPARE(scrubServerAddress(error, endpoint), scrubbed);
}

QTEST_GUILESS_MAIN(tst_UpdateReply)
#include "tst_updatereply.moc"
