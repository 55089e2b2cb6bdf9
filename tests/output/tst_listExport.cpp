#include "tst_output.h"

#include "output/listFile.h"

#include <QTest>

using namespace Qt::StringLiterals;
using output::ListFormat;

Q_DECLARE_METATYPE(output::ShownList)

namespace {

const QByteArray kRule = QByteArray(57, '-') + "\r\n";

// One file of 100 bytes in columns 6 + 4 + 5: "(1)" and "100" leave four spaces after "Total".
output::ShownList oneFile(const QString &name, const QString &ext, const QString &line)
{
    output::ShownList list;
    list.list.nameWidth = 6;
    list.list.extWidth = 4;
    list.list.sizeWidth = 5;
    list.directory = u"/data"_s;
    list.pattern = u"*.txt"_s;
    list.list.lines = {line};
    list.list.totalBytes = 100;
    list.list.names = {name};
    list.list.extensions = {ext};
    list.list.runningTotals = {u"100"_s};
    list.list.dates = {u"97-10-21"_s};
    list.list.times = {u"09:05:03"_s};
    return list;
}

} // namespace

void TestListExport::csvWorkedExample()
{
    output::ShownList list;
    list.list.lines = {u"a     .txt  1,024 97-10-21 09:05:00"_s, u"b     .doc  2,000 97-10-22 18:30:15"_s};
    list.list.names = {u"a"_s, u"b"_s};
    list.list.extensions = {u".txt"_s, u".doc"_s};
    list.list.runningTotals = {u"1024"_s, u"3024"_s};
    list.list.dates = {u"97-10-21"_s, u"97-10-22"_s};
    list.list.times = {u"09:05:00"_s, u"18:30:15"_s};

    QCOMPARE(output::listFileBytes(ListFormat::Csv, list),
             QByteArray("\"a\",\".txt\",\"1024\",\"97-10-21\",\"09:05:00\"\r\n"
                        "\"b\",\".doc\",\"3024\",\"97-10-22\",\"18:30:15\"\r\n"));
}

void TestListExport::csvRecords_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no extension") << u"README"_s << QString()
                                  << QByteArray("\"README\",\"\",\"100\",\"97-10-21\",\"09:05:03\"\r\n");
    QTest::newRow("several dots") << u"a"_s << u".b.c"_s
                                  << QByteArray("\"a\",\".b.c\",\"100\",\"97-10-21\",\"09:05:03\"\r\n");
    QTest::newRow("half-width katakana") << u"ｱｲｳ"_s << u".txt"_s
                                         << QByteArray("\"\xB1\xB2\xB3\",\".txt\",\"100\",\"97-10-21\",\"09:05:03\"\r\n");
    QTest::newRow("double quote") << u"say \"hi\""_s << u".txt"_s
                                  << QByteArray("\"say \"\"hi\"\"\",\".txt\",\"100\",\"97-10-21\",\"09:05:03\"\r\n");
    QTest::newRow("outside code page 932") << u"한글😀"_s << u".txt"_s
                                           << QByteArray("\"???\",\".txt\",\"100\",\"97-10-21\",\"09:05:03\"\r\n");
}

void TestListExport::csvRecords()
{
    QFETCH(QString, name);
    QFETCH(QString, ext);
    QFETCH(QByteArray, expected);
    QCOMPARE(output::listFileBytes(ListFormat::Csv, oneFile(name, ext, name + ext)), expected);
}

void TestListExport::txtFile_data()
{
    QTest::addColumn<output::ShownList>("list");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray header = "VREL's file print \r\n" + kRule;

    auto ascii = oneFile(u"a"_s, u".txt"_s, u"a     .txt  100 97-10-21 09:05:03"_s);
    QTest::newRow("ascii") << ascii
                           << header + "Directory : /data\r\nFile Type : *.txt\r\n" + kRule
                                  + "a     .txt  100 97-10-21 09:05:03\r\n" + kRule + "Total(1)    100\r\n";

    auto wide = oneFile(u"漢字"_s, u".txt"_s, u"漢字  .txt  100 97-10-21 09:05:03"_s);
    wide.directory = u"/資料"_s;
    QTest::newRow("double-width")
        << wide
        << header + "Directory : /\x8E\x91\x97\xBF\r\nFile Type : *.txt\r\n" + kRule
               + "\x8A\xBF\x8E\x9A  .txt  100 97-10-21 09:05:03\r\n" + kRule + "Total(1)    100\r\n";

    auto foreign = oneFile(u"한"_s, u".txt"_s, u"한     .txt  100 97-10-21 09:05:03"_s);
    foreign.pattern = u"*.한"_s;
    QTest::newRow("outside code page 932")
        << foreign
        << header + "Directory : /data\r\nFile Type : *.?\r\n" + kRule + "?     .txt  100 97-10-21 09:05:03\r\n"
               + kRule + "Total(1)    100\r\n";

    // Columns 6 + 0 + 3 are narrower than "Total(2)12": no spaces at all.
    output::ShownList narrow;
    narrow.directory = u"/data"_s;
    narrow.pattern = u"*.*"_s;
    narrow.list.lines = {u"a       5 97-10-21 09:05:03"_s, u"b       7 97-10-21 09:05:04"_s};
    narrow.list.totalBytes = 12;
    narrow.list.nameWidth = 6;
    narrow.list.sizeWidth = 3;
    QTest::newRow("narrow columns") << narrow
                                    << header + "Directory : /data\r\nFile Type : *.*\r\n" + kRule
                                           + "a       5 97-10-21 09:05:03\r\nb       7 97-10-21 09:05:04\r\n" + kRule
                                           + "Total(2)12\r\n";

}

void TestListExport::txtFile()
{
    QFETCH(output::ShownList, list);
    QFETCH(QByteArray, expected);
    const QByteArray bytes = output::listFileBytes(ListFormat::Txt, list);
    QCOMPARE(bytes, expected);
    QCOMPARE(bytes.count("\r\n"), list.list.lines.size() + 7);
}
