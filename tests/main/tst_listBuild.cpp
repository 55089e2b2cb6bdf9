#include "core/list/listBuild.h"
#include "support.h"

using namespace listBuild;
using namespace fixtures;
using namespace platform;

// What the build of `dir`, named as the window and a script name it, made: its lines, or the
// file it refused on.
static QStringList built(const QString &dir, const FactsReader &reader = readFileFacts, DiskProgress *progress = nullptr)
{
    const auto made = buildFileList(QDir::toNativeSeparators(dir), *listFiles(dir, u"*.*"_s), reader, progress);
    if (const auto *refused = std::get_if<UnreadableFile>(&made))
        return {u"refused "_s + refused->path};
    const auto &table = std::get<FileTable>(made);
    QStringList out;
    for (qsizetype i = 0; i < table.size(); ++i)
        out.append(table.line(i));
    return out;
}

struct Made { QByteArray name; qint64 size; QDateTime modified {QDate(2001, 2, 3), QTime(4, 5, 6)}; };
Q_DECLARE_METATYPE(QList<Made>)

class TestListBuild : public QObject
{
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QList<Made>>("files");
        QTest::addColumn<QString>("lines"); // "|" between two
        QTest::addColumn<bool>("onTmpfs");  // for times before 1901, which most disks cannot keep
        const auto at = [](int d, QTime t) { return QDateTime(QDate(1997, 10, d), t); };
        QTest::newRow("worked example")
            << QList<Made>{{"a.txt", 100, at(21, {9, 5, 3})}, {"README", 2048, at(20, {18, 30})},
                           {"report.doc", 12345, at(20, {18, 31, 10})}, {"漢字.txt", 1234567, at(19, {7, 0})}}
            << u"a     .txt        100 97-10-21 09:05:03|README          2,048 97-10-20 18:30:00|"
               "report.doc     12,345 97-10-20 18:31:10|漢字  .txt  1,234,567 97-10-19 07:00:00"_s << false;
        // Three half-width katakana are 3 cells, four kanji 8, which widen the column; an
        // extension may hold a second dot; a size may pass 32 bits.
        QTest::newRow("cells, not characters") << QList<Made>{{"ｱｲｳ.x.y", 3221225472}, {"報告書類.txt", 10}}
            << u"報告書類.txt             10 01-02-03 04:05:06|ｱｲｳ     .x.y  3,221,225,472 01-02-03 04:05:06"_s << false;
#ifdef Q_OS_LINUX
        // Names Windows cannot have, read through their own bytes, shown and sorted with U+FFFD and "?"; an
        // extension may be a dot alone, which Windows drops.
        QTest::newRow("names no text, a trailing dot")
            << QList<Made>{{"x\xFF.txt", 5}, {"y\nz.txt", 6}, {"abc.", 0}, {"w\x7F.txt", 1}, {"wa.txt", 1}}
            << u"abc   .     0 01-02-03 04:05:06|w?    .txt  1 01-02-03 04:05:06|wa    .txt  1 01-02-03 04:05:06|"
               "x\uFFFD    .txt  5 01-02-03 04:05:06|y?z   .txt  6 01-02-03 04:05:06"_s << false;
#endif
        // Times before the common era, and in the year 0 (Tokyo kept its local mean time then,
        // 9:18:59 ahead of Greenwich): two digits of year, never a sign.
        QTest::newRow("years 49 BC and 0")
            << QList<Made>{{"a.img", 1, QDateTime::fromSecsSinceEpoch(-70000000000)}, {"b.img", 0, QDateTime::fromSecsSinceEpoch(-62167215477)}}
            << u"a     .img  1 49-10-16 04:52:19|b     .img  0 00-01-01 10:21:02"_s << true;
        // tmpfs lets a sparse file claim 2^63 - 1 bytes; two make a total no 64-bit count holds.
        constexpr qint64 most = std::numeric_limits<qint64>::max();
        QTest::newRow("total past 64 bits refused") << QList<Made>{{"a.img", most}, {"b.img", most}} << u"refused DIR/b.img"_s << true;
    }
    void lines()
    {
        QFETCH(QList<Made>, files);
        QFETCH(QString, lines);
        QFETCH(bool, onTmpfs);
        QTemporaryDir dir;
        const Tmpfs disk(dir.path(), onTmpfs);
        VREL_FAIL_WITHOUT(disk);
        for (const Made &f : files)
            makeFile(dir.path(), f.name, f.size, f.modified);
        DiskProgress answers;
        QCOMPARE(built(dir.path(), readFileFacts, &answers), lines.replace(u"DIR"_s, QDir::toNativeSeparators(dir.path())).split(u'|'));
        // Each file's facts, read in both passes, are answers from the disk that a wait counts.
        QCOMPARE(answers.steps(), quint64(2 * files.size()));
    }

    void fileGrownBetweenPasses()
    {
        // a.txt grows from one digit to seven characters: the list is laid out for what the
        // second pass read, no figure cut, every line as wide as the next.
        QTemporaryDir dir;
        makeFile(dir.path(), "a.txt", 5);
        makeFile(dir.path(), "b.txt", 10);
        int reads = 0;
        QCOMPARE(built(dir.path(), [&](const OpenDirectory &at, const QByteArray &name) {
                     auto facts = readFileFacts(at, name);
                     if (name == "a.txt" && ++reads == 2)
                         facts->size = 123456;
                     return facts;
                 }),
                 u"a     .txt  123,456 97-10-21 09:05:03|b     .txt       10 97-10-21 09:05:03"_s.split(u'|'));
    }

    void fileGoneBetweenPasses()
    {
        QTemporaryDir dir;
        makeFile(dir.path(), "b.txt");
        const QString path = dir.filePath(u"b.txt"_s);
        QCOMPARE(built(dir.path(), [&](const OpenDirectory &at, const QByteArray &name) {
                     const auto facts = readFileFacts(at, name);
                     QFile::remove(path);
                     return facts;
                 }),
                 QStringList{u"refused "_s + QDir::toNativeSeparators(path)});
    }
};

QTEST_GUILESS_MAIN(TestListBuild)
#include "tst_listBuild.moc"
