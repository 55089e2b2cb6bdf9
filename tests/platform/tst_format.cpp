#include "tst_platform.h"

#include "platform/text/format.h"

#include <QTest>

using namespace Qt::StringLiterals;

void TestFormat::numbers_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero keeps one digit") << qint64(0) << u"0"_s;
    QTest::newRow("three digits") << qint64(999) << u"999"_s;
    QTest::newRow("first separator") << qint64(1000) << u"1,000"_s;
    QTest::newRow("million") << qint64(1234567) << u"1,234,567"_s;
    QTest::newRow("largest 32-bit") << qint64(2147483647) << u"2,147,483,647"_s;
    QTest::newRow("beyond 32 bits") << qint64(3221225472) << u"3,221,225,472"_s;
}

void TestFormat::numbers()
{
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(platform::formatNumber(value), text);
}

void TestFormat::dateTime()
{
    // Two-digit year, 24-hour clock, leading zeros everywhere, 17 characters in all.
    QCOMPARE(platform::formatDateTime({1997, 10, 21, 9, 5, 3}), u"97-10-21 09:05:03"_s);
    QCOMPARE(platform::formatDateTime({2005, 1, 2, 23, 59, 59}), u"05-01-02 23:59:59"_s);
    // A file system such as tmpfs takes times long before the common era ("touch -d @-70000000000"):
    // still two digits of year, never a sign or a stray character in the column.
    QCOMPARE(platform::formatDateTime({-249, 10, 16, 4, 52, 19}), u"49-10-16 04:52:19"_s);
    QCOMPARE(platform::formatDateTime({-1, 1, 1, 0, 0, 0}), u"01-01-01 00:00:00"_s);
}
