#include "core/list/listBuild.h"
#include "support.h"

using listBuild::FileTable;
using Built = std::variant<FileTable, listBuild::UnreadableFile>;

// Every line of a build, or one value of every file, written out.
static QStringList column(const FileTable &table, QString (FileTable::*value)(qsizetype) const = &FileTable::line)
{
    QStringList values;
    for (qsizetype i = 0; i < table.size(); ++i)
        values.append((table.*value)(i));
    return values;
}

struct Made { QByteArray name; qint64 size; QDateTime modified = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)); };
Q_DECLARE_METATYPE(QList<Made>)

class TestListBuild : public QObject
{
    Q_OBJECT
    static Built build(const QString &dir, const listBuild::FactsReader &reader = platform::readFileFacts)
    {
        // As the window and a script name it.
        return listBuild::buildFileList(QDir::toNativeSeparators(dir), *platform::listFiles(dir, u"*.*"_s), reader);
    }

private slots:
    void lines_data()
    {
        QTest::addColumn<QList<Made>>("files");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("runningTotals");
        QTest::addColumn<bool>("onTmpfs"); // for times before 1901, which most disks cannot keep
        const auto at = [](int d, int h, int mi, int s) { return QDateTime(QDate(1997, 10, d), QTime(h, mi, s)); };
        QTest::newRow("worked example")
            << QList<Made>{{"a.txt", 100, at(21, 9, 5, 3)}, {"README", 2048, at(20, 18, 30, 0)},
                           {"report.doc", 12345, at(20, 18, 31, 10)}, {"漢字.txt", 1234567, at(19, 7, 0, 0)}}
            << QStringList{u"a     .txt        100 97-10-21 09:05:03"_s, u"README          2,048 97-10-20 18:30:00"_s,
                           u"report.doc     12,345 97-10-20 18:31:10"_s, u"漢字  .txt  1,234,567 97-10-19 07:00:00"_s}
            << QStringList{u"100"_s, u"2148"_s, u"14493"_s, u"1249060"_s} << false;
        // Three half-width katakana are 3 cells, four kanji 8, which widen the column; an
        // extension may hold a second dot; a size may pass 32 bits.
        QTest::newRow("cells, not characters")
            << QList<Made>{{"ｱｲｳ.x.y", 3221225472LL}, {"報告書類.txt", 10}}
            << QStringList{u"報告書類.txt             10 01-02-03 04:05:06"_s, u"ｱｲｳ     .x.y  3,221,225,472 01-02-03 04:05:06"_s}
            << QStringList{u"10"_s, u"3221225482"_s} << false;
#ifdef Q_OS_LINUX
        // Names Windows cannot have, read through their own bytes, shown with U+FFFD and "?"; an
        // extension may be a dot alone, which Windows drops.
        QTest::newRow("names that are no valid text, a trailing dot")
            << QList<Made>{{"x\xFF.txt", 5}, {"y\nz.txt", 6}, {"abc.", 0}, {"w\x7F.txt", 1}}
            << QStringList{u"abc   .     0 01-02-03 04:05:06"_s, u"w?    .txt  1 01-02-03 04:05:06"_s,
                           u"x\uFFFD    .txt  5 01-02-03 04:05:06"_s, u"y?z   .txt  6 01-02-03 04:05:06"_s}
            << QStringList{u"0"_s, u"1"_s, u"6"_s, u"12"_s} << false;
#endif
        // Times before the common era, and in the year 0 (Tokyo kept its local mean time then,
        // 9:18:59 ahead of Greenwich): two digits of year, never a sign.
        QTest::newRow("years 49 BC and 0")
            << QList<Made>{{"a.img", 1, QDateTime::fromSecsSinceEpoch(-70000000000)}, {"b.img", 0, QDateTime::fromSecsSinceEpoch(-62167215477)}}
            << QStringList{u"a     .img  1 49-10-16 04:52:19"_s, u"b     .img  0 00-01-01 10:21:02"_s} << QStringList{u"1"_s, u"1"_s} << true;
        // tmpfs lets a sparse file claim 2^63 - 1 bytes; two make a total no 64-bit count holds.
        constexpr qint64 most = std::numeric_limits<qint64>::max();
        QTest::newRow("total beyond 64 bits refused") << QList<Made>{{"a.img", most}, {"b.img", most}, {"c.img", 1}}
                                                      << QStringList{u"refused DIR/b.img"_s} << QStringList() << true;
    }
    void lines()
    {
        QFETCH(QList<Made>, files);
        QFETCH(QStringList, lines);
        QFETCH(bool, onTmpfs);
        QTemporaryDir dir;
        const Tmpfs disk(dir.path(), onTmpfs);
        VREL_FAIL_WITHOUT(disk);
        for (const Made &f : files)
            fixtures::makeFile(dir.path(), f.name, f.size, f.modified);
        platform::DiskProgress progress;
        const Built built = listBuild::buildFileList(dir.path(), *platform::listFiles(dir.path(), u"*.*"_s), platform::readFileFacts, &progress);
        const auto *refused = std::get_if<listBuild::UnreadableFile>(&built);
        QCOMPARE(refused ? QStringList{u"refused "_s + refused->path} : column(std::get<FileTable>(built)),
                 lines.replaceInStrings(u"DIR/"_s, QDir::toNativeSeparators(dir.path() + u'/')));
        if (refused)
            return;
        const FileTable &list = std::get<FileTable>(built);
        QTEST(column(list, &FileTable::runningTotal), "runningTotals");
        // Each file's facts, read in both passes, are answers from the disk that a wait counts.
        QCOMPARE(progress.steps(), quint64(2 * list.size()));
    }

    void fileChangesBetweenPasses()
    {
        QTemporaryDir dir;
        fixtures::makeFile(dir.path(), "a.txt", 5);
        fixtures::makeFile(dir.path(), "b.txt", 10);
        QHash<QByteArray, int> reads;
        // a.txt grows from one digit to seven characters: the list is laid out for what the
        // second pass read, no figure cut, every line as wide as the next.
        const FileTable grown = std::get<FileTable>(build(dir.path(), [&](const platform::OpenDirectory &at, const QByteArray &name) {
            auto facts = platform::readFileFacts(at, name);
            if (name == "a.txt" && ++reads[name] == 2)
                facts->size = 123456;
            return facts;
        }));
        QCOMPARE(column(grown), (QStringList{u"a     .txt  123,456 97-10-21 09:05:03"_s, u"b     .txt       10 97-10-21 09:05:03"_s}));
        QCOMPARE(grown.totalBytes + grown.sizeWidth, 123466 + 9);
        // b.txt is gone by the second pass: the build is refused, naming it.
        reads.clear();
        const Built refused = build(dir.path(), [&](const platform::OpenDirectory &at, const QByteArray &name) {
            if (name == "b.txt" && ++reads[name] == 2)
                QFile::remove(dir.filePath(u"b.txt"_s));
            return platform::readFileFacts(at, name);
        });
        QCOMPARE(std::get<listBuild::UnreadableFile>(refused).path, QDir::toNativeSeparators(dir.filePath(u"b.txt"_s)));
    }
};

QTEST_GUILESS_MAIN(TestListBuild)
#include "tst_listBuild.moc"
