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

FileList build(const QString &dir, const QString &pattern = u"*.*"_s,
               const listing::FactsReader &reader = platform::readFileFacts)
{
    const auto files = platform::listFiles(dir, pattern);
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

void TestListBuild::workedExample()
{
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"a.txt"_s, 100, fixtures::localTime(1997, 10, 21, 9, 5, 3));
    fixtures::makeFile(dir.path(), u"README"_s, 2048, fixtures::localTime(1997, 10, 20, 18, 30, 0));
    fixtures::makeFile(dir.path(), u"report.doc"_s, 12345, fixtures::localTime(1997, 10, 20, 18, 31, 10));
    fixtures::makeFile(dir.path(), u"漢字.txt"_s, 1234567, fixtures::localTime(1997, 10, 19, 7, 0, 0));

    const FileList list = build(dir.path());
    QCOMPARE(list.nameWidth, 6);
    QCOMPARE(list.extWidth, 4);
    QCOMPARE(list.sizeWidth, 11);
    QCOMPARE(list.lines, (QStringList{
                             u"a"_s + spaces(5) + u".txt"_s + spaces(8) + u"100 97-10-21 09:05:03"_s,
                             u"README"_s + spaces(4) + spaces(6) + u"2,048 97-10-20 18:30:00"_s,
                             u"report.doc"_s + spaces(5) + u"12,345 97-10-20 18:31:10"_s,
                             u"漢字"_s + spaces(2) + u".txt"_s + spaces(2) + u"1,234,567 97-10-19 07:00:00"_s,
                         }));
    QCOMPARE(list.lines.at(3).size(), 37); // 39 cells
    QCOMPARE(list.totalBytes, 1249060);
    QCOMPARE(list.runningTotals, (QStringList{u"100"_s, u"2148"_s, u"14493"_s, u"1249060"_s}));
    QCOMPARE(list.names, (QStringList{u"a"_s, u"README"_s, u"report"_s, u"漢字"_s}));
    QCOMPARE(list.extensions, (QStringList{u".txt"_s, QString(), u".doc"_s, u".txt"_s}));
    QCOMPARE(list.dates, (QStringList{u"97-10-21"_s, u"97-10-20"_s, u"97-10-20"_s, u"97-10-19"_s}));
    QCOMPARE(list.times, (QStringList{u"09:05:03"_s, u"18:30:00"_s, u"18:31:10"_s, u"07:00:00"_s}));
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

void TestListBuild::nameColumnCountsCells()
{
    const QDateTime t = fixtures::localTime(2001, 2, 3, 4, 5, 6);
    {
        QTemporaryDir dir;
        fixtures::makeFile(dir.path(), u"sixsix.x"_s, 1, t);
        fixtures::makeFile(dir.path(), u"ｱｲｳ.x"_s, 1, t); // three half-width katakana: 3 cells
        QCOMPARE(build(dir.path()).nameWidth, 6);
    }
    {
        QTemporaryDir dir;
        fixtures::makeFile(dir.path(), u"seven77.x"_s, 1, t);
        QCOMPARE(build(dir.path()).nameWidth, 7);
    }
    {
        // Four kanji are 8 cells; the shorter ASCII name is padded to 8 cells, the kanji one to
        // 8 cells in 4 characters, so both lines put their extension at the same cell.
        QTemporaryDir dir;
        fixtures::makeFile(dir.path(), u"a.txt"_s, 1, t);
        fixtures::makeFile(dir.path(), u"報告書類.txt"_s, 1, t);
        const FileList list = build(dir.path());
        QCOMPARE(list.nameWidth, 8);
        QVERIFY(list.lines.at(0).startsWith(u"a"_s + spaces(7) + u".txt"_s));
        QVERIFY(list.lines.at(1).startsWith(u"報告書類.txt"_s));
        // An extension is padded by characters: the full-width one makes its line one cell wider.
    }
}

void TestListBuild::emptyDirectory()
{
    QTemporaryDir dir;
    const FileList list = build(dir.path());
    QVERIFY(list.lines.isEmpty());
    QCOMPARE(list.totalBytes, 0);
    QCOMPARE(list.nameWidth, 6);
    QCOMPARE(list.extWidth, 0);
    QCOMPARE(list.sizeWidth, 2);
}

void TestListBuild::hugeFilesAndTotals()
{
#ifdef Q_OS_WIN
    QSKIP("sparse files are a Unix habit");
#endif
    QTemporaryDir dir;
    const QDateTime t = fixtures::localTime(2020, 1, 1, 0, 0, 0);
    fixtures::makeFile(dir.path(), u"big.img"_s, 3221225472LL, t); // 3 GiB, sparse
    fixtures::makeFile(dir.path(), u"zero.img"_s, 0, t);
    const FileList list = build(dir.path());
    QCOMPARE(list.totalBytes, 3221225472LL);
    QCOMPARE(list.sizeWidth, 15);
    QCOMPARE(list.lines.at(0), u"big   .img  3,221,225,472 20-01-01 00:00:00"_s);
    QCOMPARE(list.lines.at(1), u"zero  .img"_s + spaces(14) + u"0 20-01-01 00:00:00"_s);
    QCOMPARE(list.runningTotals, (QStringList{u"3221225472"_s, u"3221225472"_s}));
}

void TestListBuild::fileVanishingBetweenPassesIsReported()
{
    QTemporaryDir dir;
    const QDateTime t = fixtures::localTime(2020, 1, 1, 0, 0, 0);
    fixtures::makeFile(dir.path(), u"a.txt"_s, 1, t);
    fixtures::makeFile(dir.path(), u"b.txt"_s, 1, t);
    const auto files = platform::listFiles(dir.path(), u"*.*"_s);
    int reads = 0;
    // After the first pass, b.txt is replaced by a directory of the same name.
    const auto built = listing::buildFileList(dir.path(), *files, [&](const QByteArray &path) {
        if (++reads == 3) {
            QFile::remove(dir.filePath(u"b.txt"_s));
            QDir(dir.path()).mkdir(u"b.txt"_s);
        }
        return platform::readFileFacts(path);
    });
    const auto *unreadable = std::get_if<listing::UnreadableFile>(&built);
    QVERIFY(unreadable);
    QCOMPARE(unreadable->path, QDir::toNativeSeparators(dir.filePath(u"b.txt"_s)));
}

void TestListBuild::fileGrowingBetweenPassesKeepsItsColumn()
{
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"a.txt"_s, 5, fixtures::localTime(2020, 1, 1, 0, 0, 0));
    const auto files = platform::listFiles(dir.path(), u"*.*"_s);
    int reads = 0;
    const auto built = listing::buildFileList(dir.path(), *files, [&](const QByteArray &path) {
        auto facts = platform::readFileFacts(path);
        if (++reads == 2)
            facts->size = 123456; // grew from 1 digit to 7 characters
        return facts;
    });
    const auto &list = std::get<FileList>(built);
    QCOMPARE(list.sizeWidth, 3);
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
