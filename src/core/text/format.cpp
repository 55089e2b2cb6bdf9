#include "format.h"

#include <cstdlib>
#include <iterator>

namespace platform {

QString formatNumber(quint64 value)
{
    QString text;
    appendNumber(text, value);
    return text;
}

void appendNumber(QString &text, quint64 value)
{
    // Filled from the right: no inserts, nothing made in passing.
    char16_t buffer[32];
    char16_t *out = std::end(buffer);
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            *--out = u',';
        *--out = char16_t(u'0' + value % 10);
        value /= 10;
        ++digits;
    } while (value > 0);
    text.append(reinterpret_cast<const QChar *>(out), std::end(buffer) - out);
}

int numberChars(quint64 value)
{
    int digits = 1;
    for (; value >= 10; value /= 10)
        ++digits;
    return digits + (digits - 1) / 3;
}

QString formatDateTime(const DateTime &time)
{
    QString text;
    appendDateTime(text, time);
    return text;
}

void appendDateTime(QString &text, const DateTime &time)
{
    // Built by hand: the locale-aware formatter costs more than the whole stat of a file.
    // A year before the common era (tmpfs keeps such times) has a negative remainder, which
    // would put a sign and stray characters into the column; its last two digits serve.
    const int fields[6] = {std::abs(time.year % 100), time.month, time.day, time.hour, time.minute, time.second};
    const char16_t separators[6] = {u'-', u'-', u' ', u':', u':', 0};
    const qsizetype start = text.size();
    text.resize(start + 17);
    QChar *out = text.data() + start;
    for (int i = 0; i < 6; ++i) {
        *out++ = QChar(u'0' + fields[i] / 10);
        *out++ = QChar(u'0' + fields[i] % 10);
        if (separators[i])
            *out++ = QChar(separators[i]);
    }
}

} // namespace platform
