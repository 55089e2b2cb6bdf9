#include "tst_readme.h"

#include "fixtures.h"
#include "platform/text/cp932.h"
#include "readmeProgram.h"
#include "readme/readmeReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList numbered(int first, int last)
{
    QStringList out;
    for (int i = first; i <= last; ++i)
        out.append(u"line %1"_s.arg(i));
    return out;
}

} // namespace

void TestReadmeReader::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("no marker") << "one\r\ntwo\r\n"_ba << QStringList{u"one"_s, u"two"_s};
    QTest::newRow("marker first") << "zeqa\r\nafter\r\n"_ba << QStringList();
    QTest::newRow("marker alone") << "a\r\nzeqa\r\nb\r\n"_ba << QStringList{u"a"_s};
    QTest::newRow("marker with text after it") << "a\r\nzeqa: the rest\r\nb\r\n"_ba << QStringList{u"a"_s};
    QTest::newRow("marker as last line without end") << "a\r\nzeqa"_ba << QStringList{u"a"_s};
    QTest::newRow("look-alikes are text")
        << " zeqa\r\nZeqa\r\nzeq\r\nzEQA\r\nzeqa\r\n"_ba
        << QStringList{u" zeqa"_s, u"Zeqa"_s, u"zeq"_s, u"zEQA"_s};
    QTest::newRow("empty lines kept") << "a\r\n\r\n\r\nb\r\n\r\n"_ba
                                      << QStringList{u"a"_s, u""_s, u""_s, u"b"_s, u""_s};
    QTest::newRow("CR alone ends a line") << "a\rb\r\rc\r"_ba << QStringList{u"a"_s, u"b"_s, u""_s, u"c"_s};
    QTest::newRow("CR then CR LF") << "a\r\r\nb"_ba << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("last line without end") << "a\r\nb"_ba << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("lone LF is a character") << "a\nb\r\n\nc\n"_ba
                                            << QStringList{u"a\nb"_s, u"\nc\n"_s};
    QTest::newRow("lone LF hides no marker") << "a\nzeqa\r\nb\r\n"_ba << QStringList{u"a\nzeqa"_s, u"b"_s};
    QTest::newRow("code page 932") << "\x82\xa8\x93\xc7\x82\xdd\x89\xba\x82\xb3\x82\xa2\r\n\xb1\xb2\r\n"_ba
                                   << QStringList{u"お読み下さい"_s, u"ｱｲ"_s};
    QTest::newRow("invalid bytes") << "a\xff b\r\n\x82\r\n\x82 x\r\nnext\r\n"_ba
                                   << QStringList{u"a\uFFFD b"_s, u"\uFFFD"_s, u"\uFFFD x"_s, u"next"_s};
    const auto file = [](int lines, bool marker) {
        return numbered(1, lines).join(u"\r\n"_s).toLatin1() + (marker ? "\r\nzeqa\r\n" : "\r\n");
    };
    QTest::newRow("1000 lines and marker") << file(1000, true) << numbered(1, 1000);
    QTest::newRow("1001 lines and marker") << file(1001, true) << numbered(1, 1000);
    QTest::newRow("1200 lines, no marker") << file(1200, false) << numbered(1, 1000);
}

void TestReadmeReader::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    writeDataFile(dir.path(), bytes);
    const auto text = readme::readReadmeFile(dir.path());
    QVERIFY(text.has_value());
    QCOMPARE(*text, expected);
}

void TestReadmeReader::unreadableFile()
{
    QTemporaryDir missing;
    QVERIFY(!readme::readReadmeFile(missing.path()).has_value());

    QTemporaryDir directory;
    QVERIFY(QDir(directory.path()).mkdir(u"VREL02.vrl"_s));
    QVERIFY(!readme::readReadmeFile(directory.path()).has_value());

    if (!fixtures::permissionsApply())
        QSKIP("running as root: file permissions cannot keep the reader out");
    QTemporaryDir locked;
    writeDataFile(locked.path(), "text\r\n"_ba);
    QVERIFY(QFile::setPermissions(locked.path() + u"/VREL02.vrl"_s, QFileDevice::WriteOwner));
    QVERIFY(!readme::readReadmeFile(locked.path()).has_value());
}

// The data file shipped beside the program is edited by hand in code page 932; what the
// window shows of it must be all of it, every line whole.
void TestReadmeReader::shippedDataFile()
{
    const QString data = QStringLiteral(VREL_README_DATA);
    QFile raw(data);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    QVERIFY(!platform::fromCp932(bytes).contains(QChar::ReplacementCharacter));
    QVERIFY(bytes.endsWith("\r\nzeqa\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\r'));
    QCOMPARE(bytes.count('\n'), bytes.count('\r'));

    // The marker is the last line, and nothing before it reads as one.
    const auto text = readme::readReadmeFile(QFileInfo(data).absolutePath());
    QVERIFY(text.has_value());
    QCOMPARE(text->size(), bytes.count('\r') - 1);
    QVERIFY(text->size() < readme::kMaxReadmeLines);
}
