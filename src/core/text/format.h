#pragma once

#include <QString>

namespace platform {

// A local date and time as the clock gives it, field by field: years before the common era
// and the year 0 included, which no calendar class would take.
struct DateTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "#,###,###,##0": digits grouped by three with ",", at least one digit.
QString formatNumber(quint64 value);
void appendNumber(QString &text, quint64 value);
// How many characters formatNumber makes of `value`.
int numberChars(quint64 value);

// "yy-mm-dd hh:mm:ss", 24-hour clock, always 17 characters.
QString formatDateTime(const DateTime &time);
void appendDateTime(QString &text, const DateTime &time);

} // namespace platform
