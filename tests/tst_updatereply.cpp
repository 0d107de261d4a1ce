// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/updatereply.h"

#include <QTest>

class tst_UpdateReply : public QObject
{
    Q_OBJECT

private slots:
    void parsesTheReply_data();
    void parsesTheReply();
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

QTEST_GUILESS_MAIN(tst_UpdateReply)
#include "tst_updatereply.moc"
