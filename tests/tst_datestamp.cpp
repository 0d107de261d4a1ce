// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datestamp.h"

#include <QTest>

Q_DECLARE_METATYPE(StampCalendar)

class tst_DateStamp : public QObject
{
    Q_OBJECT

private slots:
    void stamps_data();
    void stamps();
};

void tst_DateStamp::stamps_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<StampCalendar>("calendar");
    QTest::addColumn<QString>("stamp");

    const QDateTime nowruz(QDate(2024, 3, 20), QTime(7, 45, 12));
    QTest::newRow("gregorian in latin digits") << nowruz << StampCalendar::Gregorian
                                               << QStringLiteral("2024-03-20 07:45:12");
    QTest::newRow("1 farvardin 1403") << nowruz << StampCalendar::SolarHijri
                                      << QString::fromUtf8("۱۴۰۳/۰۱/۰۱ ۰۷:۴۵:۱۲");
    QTest::newRow("30 esfand of the leap year 1403, afternoon")
        << QDateTime(QDate(2025, 3, 20), QTime(19, 5, 0)) << StampCalendar::SolarHijri
        << QString::fromUtf8("۱۴۰۳/۱۲/۳۰ ۱۹:۰۵:۰۰");
    QTest::newRow("1 ramadan 1445, civil") << QDateTime(QDate(2024, 3, 11), QTime(23, 59, 59))
                                           << StampCalendar::Hijri
                                           << QString::fromUtf8("١٤٤٥/٠٩/٠١ ٢٣:٥٩:٥٩");
}

void tst_DateStamp::stamps()
{
    QFETCH(QDateTime, when);
    QFETCH(StampCalendar, calendar);
    QFETCH(QString, stamp);
    QCOMPARE(dateTimeStamp(when, calendar), stamp);
}

QTEST_GUILESS_MAIN(tst_DateStamp)
#include "tst_datestamp.moc"
