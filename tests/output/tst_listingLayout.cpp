#include "tst_output.h"

#include "output/listing.h"

#include <QTest>

using namespace Qt::StringLiterals;

void TestListingLayout::totalLine_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("line");

    QTest::newRow("widths 8 4 11") << 12 << qint64(1234567) << 23 << u"Total(12)     1,234,567"_s;
    QTest::newRow("one file, nothing in it") << 1 << qint64(0) << 13 << u"Total(1)    0"_s;
    QTest::newRow("thousand files") << 1000 << qint64(1000) << 19 << u"Total(1000)   1,000"_s;
    QTest::newRow("widest 32-bit total") << 9999 << qint64(2147483647) << 30
                                         << u"Total(9999)      2,147,483,647"_s;
    QTest::newRow("beyond 32 bits") << 3 << qint64(5000000000) << 24 << u"Total(3)   5,000,000,000"_s;
    QTest::newRow("no room to spare") << 100 << qint64(50000) << 16 << u"Total(100)50,000"_s;
    QTest::newRow("one cell short") << 100 << qint64(50000) << 15 << u"Total(100)50,000"_s;
    QTest::newRow("far too narrow") << 10 << qint64(5000) << 11 << u"Total(10)5,000"_s;
}

void TestListingLayout::totalLine()
{
    QFETCH(int, count);
    QFETCH(qint64, total);
    QFETCH(int, columns);
    QFETCH(QString, line);
    QCOMPARE(output::listingTotalLine(count, total, columns), line);
}
