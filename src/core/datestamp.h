// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DATESTAMP_H
#define DATESTAMP_H

#include <QDateTime>
#include <QString>

// The calendars of the Date-Time commands.
enum class StampCalendar {
    Gregorian,  // "yyyy-MM-dd hh:mm:ss" in Latin digits
    SolarHijri, // "yyyy/MM/dd hh:mm:ss" in the Jalali calendar, in Persian digits
    Hijri,      // "yyyy/MM/dd hh:mm:ss" in the Islamic civil calendar, in Arabic-Indic digits
};

// The date and time as the Date-Time commands insert them. The digits are the calendar's, not
// the locale's: the text goes into a document, where the interface's language has no say.
QString dateTimeStamp(const QDateTime &when, StampCalendar calendar);

#endif
