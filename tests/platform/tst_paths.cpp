#include "tst_platform.h"

#include "platform/files/paths.h"

#include <QTest>

using namespace Qt::StringLiterals;

void TestPaths::rootRule_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("listing");
    QTest::addColumn<QString>("fileInIt");
    QTest::newRow("windows root") << u"C:\\"_s << u"\\"_s << u"C:"_s << u"C:"_s << u"C:\\a.txt"_s;
    QTest::newRow("drive A root") << u"A:\\"_s << u"\\"_s << u"A:"_s << u"A:"_s << u"A:\\a.txt"_s;
    QTest::newRow("windows directory") << u"C:\\DOCS"_s << u"\\"_s << u"C:\\DOCS"_s << u"C:\\DOCS"_s
                                       << u"C:\\DOCS\\a.txt"_s;
    QTest::newRow("unix root") << u"/"_s << u"/"_s << u""_s << u"/"_s << u"/a.txt"_s;
    QTest::newRow("unix directory") << u"/home/user"_s << u"/"_s << u"/home/user"_s << u"/home/user"_s
                                    << u"/home/user/a.txt"_s;
}

void TestPaths::rootRule()
{
    QFETCH(QString, directory);
    QFETCH(QString, separator);
    QFETCH(QString, prefix);
    QFETCH(QString, listing);
    QFETCH(QString, fileInIt);
    const QChar sep = separator.at(0);
    QCOMPARE(platform::directoryPrefix(directory, sep), prefix);
    QCOMPARE(platform::listingDirectory(directory, sep), listing);
    QCOMPARE(platform::pathInDirectory(directory, u"a.txt"_s, sep), fileInIt);
}
