#include "tst_main.h"

#include "fixtures.h"
#include "main/listBuild.h"
#include "tmpfsMount.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using listing::FileList;

namespace {

struct Made
{
    QString name;
    qint64 size;
    QDateTime modified;
};

FileList build(const QString &dir, const listing::FactsReader &reader = platform::readFileFacts)
{
    const auto files = platform::listFiles(dir, u"*.*"_s);
    if (!files)
        qFatal("directory not readable");
    const auto built = listing::buildFileList(dir, *files, reader);
    if (!std::holds_alternative<FileList>(built))
        qFatal("build refused");
    return std::get<FileList>(built);
}

QString spaces(int n)
{
    return QString(n, u' ');
}

} // namespace

Q_DECLARE_METATYPE(QList<Made>)

void TestListBuild::lines_data()
{
    QTest::addColumn<QList<Made>>("files");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QStringList>("runningTotals");

    const QDateTime t = fixtures::localTime(2001, 2, 3, 4, 5, 6);
    QTest::newRow("worked example")
        << QList<Made>{{u"a.txt"_s, 100, fixtures::localTime(1997, 10, 21, 9, 5, 3)},
                       {u"README"_s, 2048, fixtures::localTime(1997, 10, 20, 18, 30, 0)},
                       {u"report.doc"_s, 12345, fixtures::localTime(1997, 10, 20, 18, 31, 10)},
                       {u"漢字.txt"_s, 1234567, fixtures::localTime(1997, 10, 19, 7, 0, 0)}}
        << QStringList{u"a"_s + spaces(5) + u".txt"_s + spaces(8) + u"100 97-10-21 09:05:03"_s,
                       u"README"_s + spaces(4) + spaces(6) + u"2,048 97-10-20 18:30:00"_s,
                       u"report.doc"_s + spaces(5) + u"12,345 97-10-20 18:31:10"_s,
                       u"漢字"_s + spaces(2) + u".txt"_s + spaces(2) + u"1,234,567 97-10-19 07:00:00"_s}
        << qint64(1249060) << QStringList{u"100"_s, u"2148"_s, u"14493"_s, u"1249060"_s};
    // Three half-width katakana are 3 cells: the name column stays at its least, 6.
    QTest::newRow("half-width kana") << QList<Made>{{u"sixsix.x"_s, 1, t}, {u"ｱｲｳ.x"_s, 1, t}}
                                     << QStringList{u"sixsix.x  1 01-02-03 04:05:06"_s, u"ｱｲｳ   .x  1 01-02-03 04:05:06"_s}
                                     << qint64(2) << QStringList{u"1"_s, u"2"_s};
    // Four kanji are 8 cells: the ASCII name is padded to 8 cells, the kanji one fills them.
    QTest::newRow("kanji widen the column")
        << QList<Made>{{u"a.txt"_s, 1, t}, {u"報告書類.txt"_s, 1, t}}
        << QStringList{u"a       .txt  1 01-02-03 04:05:06"_s, u"報告書類.txt  1 01-02-03 04:05:06"_s} << qint64(2)
        << QStringList{u"1"_s, u"2"_s};
    QTest::newRow("beyond 32 bits") << QList<Made>{{u"big.img"_s, 3221225472LL, t}, {u"zero.img"_s, 0, t}}
                                    << QStringList{u"big   .img  3,221,225,472 01-02-03 04:05:06"_s,
                                                   u"zero  .img"_s + spaces(14) + u"0 01-02-03 04:05:06"_s}
                                    << qint64(3221225472LL) << QStringList{u"3221225472"_s, u"3221225472"_s};
    QTest::newRow("empty directory") << QList<Made>() << QStringList() << qint64(0) << QStringList();
}

void TestListBuild::lines()
{
    QFETCH(QList<Made>, files);
    QFETCH(QStringList, lines);
    QFETCH(qint64, total);
    QFETCH(QStringList, runningTotals);
    QTemporaryDir dir;
    for (const Made &f : files)
        fixtures::makeFile(dir.path(), f.name, f.size, f.modified); // sparse: 3 GiB cost no disk
    const FileList list = build(dir.path());
    QCOMPARE(list.lines, lines);
    QCOMPARE(list.totalBytes, total);
    QCOMPARE(list.runningTotals, runningTotals);
}

void TestListBuild::splitFileName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::newRow("no dot") << u"README"_s << u"README"_s << QString();
    QTest::newRow("first dot splits") << u"archive.tar.gz"_s << u"archive"_s << u".tar.gz"_s;
    QTest::newRow("leading dot") << u".profile"_s << QString() << u".profile"_s;
    QTest::newRow("trailing dot") << u"abc."_s << u"abc"_s << u"."_s;
    QTest::newRow("kanji") << u"報告書.doc"_s << u"報告書"_s << u".doc"_s;
}

void TestListBuild::splitFileName()
{
    QFETCH(QString, fileName);
    QFETCH(QString, name);
    QFETCH(QString, extension);
    const auto parts = listing::splitFileName(fileName);
    QCOMPARE(parts.name, name);
    QCOMPARE(parts.extension, extension);
}

void TestListBuild::fileGrowingBetweenPassesKeepsItsColumn()
{
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"a.txt"_s, 5, fixtures::localTime(2020, 1, 1, 0, 0, 0));
    int reads = 0;
    const FileList list = build(dir.path(), [&](const platform::OpenDirectory &at, const QByteArray &name) {
        auto facts = platform::readFileFacts(at, name);
        if (++reads == 2)
            facts->size = 123456; // grew from 1 digit to 7 characters
        return facts;
    });
    QCOMPARE(list.lines.at(0), u"a     .txt456 20-01-01 00:00:00"_s);
    QCOMPARE(list.totalBytes, 123456);
}

void TestListBuild::totalBeyond64BitsIsRefused()
{
    // tmpfs lets a sparse file claim 2^63 - 1 bytes; two of them make a total no 64-bit count holds.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TmpfsMount mount(dir.path());
    if (!mount.isMounted())
        QSKIP(qPrintable(u"mounting a tmpfs was refused: "_s + mount.error()));
    for (const QString &name : {u"a.img"_s, u"b.img"_s, u"c.img"_s}) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(name == u"c.img"_s ? 1 : std::numeric_limits<qint64>::max()));
    }
    const auto files = platform::listFiles(dir.path(), u"*.*"_s);
    QVERIFY(files);
    const auto built = listing::buildFileList(dir.path(), *files);
    const auto *refused = std::get_if<listing::UnreadableFile>(&built);
    QVERIFY(refused);
    QCOMPARE(refused->path, QDir::toNativeSeparators(dir.filePath(u"b.img"_s)));
}
