#include "tst_platform.h"

#include "platform/text/cp932.h"

#include <QTest>

using namespace Qt::StringLiterals;

void TestCp932::microsoftMapping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    // The characters where Microsoft's table and plain Shift_JIS part ways pin the right one.
    QTest::newRow("full-width tilde") << u"\uFF5E"_s << QByteArray("\x81\x60");
    QTest::newRow("circled one (NEC row 13)") << u"\u2460"_s << QByteArray("\x87\x40");
    QTest::newRow("parallel") << u"\u2225"_s << QByteArray("\x81\x61");
    QTest::newRow("not sign") << u"\uFFE2"_s << QByteArray("\x81\xCA");
    QTest::newRow("half-width katakana") << u"\uFF71\uFF72"_s << QByteArray("\xB1\xB2");
    QTest::newRow("kanji") << u"漢字"_s << QByteArray("\x8A\xBF\x8E\x9A");
    QTest::newRow("ascii") << u"a.TXT 1"_s << QByteArray("a.TXT 1");
    QTest::newRow("yen sign stays a backslash byte") << u"\\"_s << QByteArray("\x5C");
}

void TestCp932::microsoftMapping()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(platform::toCp932(text), bytes);
    QCOMPARE(platform::fromCp932(bytes), text);
}

void TestCp932::unmappableBecomesQuestionMark()
{
    // é and an emoji (a surrogate pair) have no code page 932 form: one "?" each, rest intact.
    QCOMPARE(platform::toCp932(u"caf\u00E9\U0001F600漢"_s), QByteArray("caf??\x8A\xBF"));
}

void TestCp932::displayCells_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cells");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("ascii") << u"report"_s << 6;
    QTest::newRow("three kanji") << u"報告書"_s << 6;
    QTest::newRow("three half-width katakana") << u"ｱｲｳ"_s << 3;
    QTest::newRow("full-width letters") << u"ＡＢ"_s << 4;
    QTest::newRow("outside code page 932") << u"\u00E9\U0001F600"_s << 2;
    QTest::newRow("replacement character") << u"a\uFFFD"_s << 2;
}

void TestCp932::displayCells()
{
    QFETCH(QString, text);
    QFETCH(int, cells);
    QCOMPARE(platform::displayCells(text), cells);
}
