#include "format.h"

namespace platform {

QString formatNumber(qint64 value)
{
    const bool negative = value < 0;
    // Go through the unsigned magnitude so that the lowest 64-bit value does not overflow.
    quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    QString digits = QString::number(magnitude);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u',');
    return negative ? u'-' + digits : digits;
}

QString formatDateTime(const QDateTime &time)
{
    return time.toString(QStringLiteral("yy-MM-dd HH:mm:ss"));
}

} // namespace platform
