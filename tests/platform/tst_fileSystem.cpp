#include "tst_platform.h"

#include "fixtures.h"
#include "platform/files/fileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList namesOf(const QList<platform::ListedFile> &files)
{
    QStringList names;
    for (const auto &f : files)
        names.append(f.name);
    return names;
}

const QDateTime kTime = fixtures::localTime(1997, 10, 21, 9, 5, 3);

} // namespace

void TestFileSystem::patterns_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    QTest::newRow("*.* takes a name without a dot") << u"README"_s << u"*.*"_s << true;
    QTest::newRow("*.* takes a dotted name") << u"a.b.c"_s << u"*.*"_s << true;
    QTest::newRow("extension") << u"photo.jpg"_s << u"*.jpg"_s << true;
    QTest::newRow("extension ignores case") << u"PHOTO.JPG"_s << u"*.jpg"_s << true;
    QTest::newRow("other extension") << u"photo.jpeg"_s << u"*.jpg"_s << false;
    QTest::newRow("no dot, extension pattern") << u"jpg"_s << u"*.jpg"_s << false;
    QTest::newRow("question mark is one character") << u"a1.txt"_s << u"a?.txt"_s << true;
    QTest::newRow("question mark needs one") << u"a.txt"_s << u"a?.txt"_s << false;
    QTest::newRow("second of two patterns") << u"x.doc"_s << u"*.txt;*.doc"_s << true;
    QTest::newRow("neither of two patterns") << u"x.gif"_s << u"*.txt; *.doc"_s << false;
    QTest::newRow("name.* takes the bare name") << u"abc"_s << u"abc.*"_s << true;
    QTest::newRow("kanji under a wildcard") << u"報告.txt"_s << u"*.TXT"_s << true;
    QTest::newRow("many stars do not blow up") << u"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab"_s << u"*a*a*a*a*a*a*a*a*c"_s
                                               << false;
}

void TestFileSystem::patterns()
{
    QFETCH(QString, name);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(platform::matchesPattern(name, pattern), matches);
}

void TestFileSystem::listsPlainVisibleFilesInFixedOrder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : {u"b.txt"_s, u"B.txt"_s, u"a.TXT"_s, u"c.doc"_s, u".hidden.txt"_s, u"README"_s})
        fixtures::makeFile(dir.path(), name, 1, kTime);
    QVERIFY(QDir(dir.path()).mkdir(u"sub.txt"_s));

    const auto all = platform::listFiles(dir.path(), u"*.*"_s);
    QVERIFY(all);
    // By name without case, then by exact name; no hidden file, no directory.
    QCOMPARE(namesOf(*all), (QStringList{u"a.TXT"_s, u"B.txt"_s, u"b.txt"_s, u"c.doc"_s, u"README"_s}));
    QCOMPARE(namesOf(*platform::listFiles(dir.path(), u"*.txt"_s)), (QStringList{u"a.TXT"_s, u"B.txt"_s, u"b.txt"_s}));

    const auto subdirs = platform::listSubdirectories(dir.path());
    QVERIFY(subdirs);
    QCOMPARE(*subdirs, QStringList{u"sub.txt"_s});
}

void TestFileSystem::linksCountAsTheirTargets()
{
#ifdef Q_OS_WIN
    QSKIP("symbolic links need privileges on Windows");
#endif
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"target.bin"_s, 4321, kTime);
    QVERIFY(QFile::link(dir.filePath(u"target.bin"_s), dir.filePath(u"link.bin"_s)));
    QVERIFY(QFile::link(dir.filePath(u"missing.bin"_s), dir.filePath(u"broken.bin"_s)));

    const auto files = platform::listFiles(dir.path(), u"*.*"_s);
    QCOMPARE(namesOf(*files), (QStringList{u"link.bin"_s, u"target.bin"_s}));
    const platform::OpenDirectory at(platform::nativePath(dir.path()));
    const auto facts = platform::readFileFacts(at, "link.bin");
    QVERIFY(facts);
    QCOMPARE(facts->size, 4321);
    QCOMPARE(platform::formatDateTime(facts->modified), u"97-10-21 09:05:03"_s);
    QVERIFY(!platform::readFileFacts(at, "broken.bin"));
    QVERIFY(!platform::readFileFacts(at, "."));
}
