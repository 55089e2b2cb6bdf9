#pragma once

#include <QDateTime>
#include <QString>

namespace platform {

// "#,###,###,##0": digits grouped by three with ",", at least one digit, no sign for 0 and up.
QString formatNumber(qint64 value);

// "yy-mm-dd hh:mm:ss", 24-hour clock, always 17 characters.
QString formatDateTime(QDate date, QTime time);
QString formatDateTime(const QDateTime &time);

} // namespace platform
