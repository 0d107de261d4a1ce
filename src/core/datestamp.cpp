// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datestamp.h"
#include "core/scriptconversion.h"

#include <QCalendar>
#include <QLocale>

QString dateTimeStamp(const QDateTime &when, StampCalendar calendar)
{
    if (calendar == StampCalendar::Gregorian)
        return QLocale::c().toString(when, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const bool solar = calendar == StampCalendar::SolarHijri;
    const QCalendar system(solar ? QCalendar::System::Jalali : QCalendar::System::IslamicCivil);
    // Formatted in Latin digits first: a locale's own digits depend on its data (Moroccan Arabic
    // writes Latin ones), the document's must not.
    QString stamp = QLocale::c().toString(when, u"yyyy/MM/dd hh:mm:ss", system);
    convertScript(&stamp, 0, stamp.size(), solar ? ScriptConversion::PersianDigits : ScriptConversion::ArabicIndicDigits);
    return stamp;
}
