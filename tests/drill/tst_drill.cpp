#include "tst_drill.h"

#include "main/module1.h"
#include "output/exportFileList.h"
#include "platform/text/cp932.h"
#include "program.h"
#include "readme/frmReadme.h"
#include "readme/readmeOpener.h"
#include "scriptedTest.h"
#include "tmpfsMount.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kAskTxt = u"ファイルリストをVREL_FILE_LIST.TXTという名前で保存します"_s;
const QString kAskCsv = u"ファイルリストをVREL_FILE_LIST.CSVという名前で保存します"_s;
const QString kSaved = u"ファイルリストを保存しました。"_s;
const QString kNotSaved = u"ファイルリストを保存できませんでした\n"_s;
const QString kUnreadable = u"ファイルの情報を読み取れません\n"_s;
const QString kNoDirectory = u"ディレクトリを開けません\n"_s;
const QString kNoFiles = u"対象ファイルがありません"_s;
const QString kTooMany = u"ファイル数が 9999を越えていますから処理出来ません"_s;
const QString kVersion = u"Vrel's Listwright ver.1.00 (97/10/21)\r\r"_s;

// Every text the program may show, as its messages are defined; the last three carry a path
// (and a reason) after their line.
bool isProgramMessage(const QString &text)
{
    static const QStringList exact = {
        u"ファイル拡張子を決めて下さい"_s,
        kTooMany,
        kNoFiles,
        kAskTxt,
        kAskCsv,
        kSaved,
        u"印刷対象ファイルがありません"_s,
        u"印刷処理を中断します"_s,
        kVersion,
    };
    if (exact.contains(text))
        return true;
    for (const QString &head : {kUnreadable, kNotSaved, kNoDirectory}) {
        if (text.startsWith(head) && text.size() > head.size())
            return true;
    }
    return false;
}

// The program as it starts, minus printing (its dialog would wait for a person), with the
// read-me data looked for in a directory of the test's own.
struct Drill : Program
{
    explicit Drill(const QString &dataDirectory = QDir::tempPath())
    {
        output::attachExport(main);
        opener = readme::attachReadme(main, dataDirectory);
    }

    readme::ReadmeOpener *opener = nullptr;
};

// After a fault: nothing but the program's own messages, and the window still answers.
void checkStillRunning(Program &p)
{
    for (const QString &text : g_boxes->texts())
        QVERIFY2(isProgramMessage(text), qPrintable(u"not a message of the program: "_s + text));
    QVERIFY(p.main.isVisible());
    g_boxes->reset();
    p.main.mnuVersion_Click();
    QCOMPARE(g_boxes->texts(), QStringList{kVersion});
}

void makeFile(const QString &path, qint64 size = 1)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || !f.resize(size))
        qFatal("cannot make %s", qPrintable(path));
}

} // namespace

void TestDrill::directoryDisappearsWhileShown()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString shown = root.filePath(u"消える"_s);
    QVERIFY(QDir().mkpath(shown + u"/sub"_s));
    makeFile(shown + u"/a.txt"_s);
    Drill p;
    p.list(shown);
    QCOMPARE(p.main.List1->count(), 1);
    QVERIFY(QDir(shown).removeRecursively());

    // The list still shows the file: the export tries, fails, and says where.
    p.main.Command2->click();
    QCOMPARE(g_boxes->texts().size(), 2);
    QCOMPARE(g_boxes->texts().at(0), kAskTxt);
    QVERIFY(g_boxes->texts().at(1).startsWith(kNotSaved + QDir::toNativeSeparators(shown) + u'/'));
    QVERIFY(!QFileInfo::exists(shown));

    // Enter in the pattern box, then on the vanished subdirectory: the list empties, nothing is made.
    p.main.Combo1_KeyPress(13);
    QCOMPARE(p.main.List1->count(), 0);
    p.main.Dir1->setFocus();
    p.main.Dir1->setCurrentRow(p.main.Dir1->count() - 1);
    QTest::keyClick(p.main.Dir1, Qt::Key_Return);
    QCOMPARE(g_boxes->texts().last(), kNoDirectory + QDir::toNativeSeparators(shown + u"/sub"_s));
    QCOMPARE(p.main.Dir1->path(), QDir::toNativeSeparators(shown));
    QCOMPARE(p.main.List1->count(), 0);
    QVERIFY(!QFileInfo::exists(shown));

    p.main.Command2->click();
    QCOMPARE(g_boxes->texts().last(), kNoFiles);
    QCOMPARE(g_boxes->shown().last().icon, platform::Icon::None);
    checkStillRunning(p);
}

void TestDrill::fileChangesBetweenPasses_data()
{
    QTest::addColumn<bool>("byDirectory");
    QTest::newRow("removed") << false;
    QTest::newRow("replaced by a directory") << true;
}

void TestDrill::fileChangesBetweenPasses()
{
    QFETCH(bool, byDirectory);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    makeFile(dir.filePath(u"a.txt"_s), 10);
    makeFile(dir.filePath(u"b.txt"_s), 20);
    Drill p;
    p.list(dir.path());
    QCOMPARE(p.main.List1->count(), 2);

    int reads = 0;
    p.main.setFactsReader([&](const platform::OpenDirectory &at, const QByteArray &name) {
        if (name == "b.txt" && ++reads == 2) {
            QFile::remove(dir.filePath(u"b.txt"_s));
            if (byDirectory)
                QDir(dir.path()).mkdir(u"b.txt"_s);
        }
        return platform::readFileFacts(at, name);
    });
    p.main.Combo1_KeyPress(13);
    QCOMPARE(g_boxes->texts(), QStringList{kUnreadable + dir.filePath(u"b.txt"_s)});
    QCOMPARE(g_boxes->shown().at(0).icon, platform::Icon::Exclamation);
    // Nothing half-built stays behind for the outputs to read.
    QCOMPARE(p.main.List1->count(), 0);
    QCOMPARE(Module1::gTotalBytes, 0);

    p.main.setFactsReader(platform::readFileFacts);
    p.main.Combo1_KeyPress(13);
    QCOMPARE(p.main.List1->count(), 1);
    QCOMPARE(Module1::gTotalBytes, 10);
    checkStillRunning(p);
}

void TestDrill::exportFaultKeepsEarlierFile_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<bool>("csv");
    QTest::newRow("full disk, TXT") << true << false;
    QTest::newRow("full disk, CSV") << true << true;
    QTest::newRow("read-only mount, TXT") << false << false;
    QTest::newRow("read-only mount, CSV") << false << true;
}

void TestDrill::exportFaultKeepsEarlierFile()
{
    QFETCH(bool, fullDisk);
    QFETCH(bool, csv);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TmpfsMount mount(dir.path());
    if (!mount.isMounted())
        QSKIP(qPrintable(u"mounting a tmpfs was refused: "_s + mount.error()));
    makeFile(dir.filePath(u"a.txt"_s), 100);
    makeFile(dir.filePath(u"漢字.txt"_s), 200);

    Drill p;
    p.list(dir.path(), u"a*.txt"_s);
    (csv ? p.main.Option2 : p.main.Option1)->setChecked(true);
    const QString path = dir.filePath(csv ? u"VREL_FILE_LIST.CSV"_s : u"VREL_FILE_LIST.TXT"_s);
    p.main.Command2->click();
    QCOMPARE(g_boxes->texts().last(), kSaved);
    const QByteArray earlier = fixtures::contents(path);
    QVERIFY(earlier.size() > 0);

    QVERIFY(fullDisk ? mount.fill() : mount.makeReadOnly());
    // A longer list this time, so that any part of it written over the old file would show.
    p.list(dir.path(), u"*.txt"_s);
    QVERIFY(p.main.List1->count() >= 2);
    g_boxes->reset();
    const QStringList before = p.lines();
    p.main.Command2->click();
    QCOMPARE(g_boxes->texts().size(), 2);
    const platform::Message &failure = g_boxes->shown().at(1);
    QVERIFY2(failure.text.startsWith(kNotSaved + QDir::toNativeSeparators(path) + u'\n'), qPrintable(failure.text));
    QCOMPARE(failure.icon, platform::Icon::Exclamation);
    QCOMPARE(fixtures::contents(path), earlier);
    QCOMPARE(p.lines(), before);
    // No temporary file left behind.
    QStringList expected = {u"a.txt"_s, u"漢字.txt"_s, path.mid(dir.path().size() + 1)};
    if (fullDisk)
        expected.append(u"filler"_s);
    expected.sort();
    QCOMPARE(fixtures::entries(dir.path()), expected);
    checkStillRunning(p);
}

void TestDrill::hostileReadmeData_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("expectedHead");

    QByteArray noise(10 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(6);
    random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    QTest::newRow("10 MB of random bytes") << noise << QStringList();

    QByteArray many;
    QStringList head;
    for (int i = 1; i <= 100000; ++i) {
        const QString line = u"%1 行目"_s.arg(i);
        many += platform::toCp932(line) + "\r\n";
        if (i <= 1000)
            head.append(line);
    }
    QTest::newRow("100,000 lines") << many << head;
}

void TestDrill::hostileReadmeData()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, expectedHead);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(u"VREL02.vrl"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
    file.close();

    Drill p(dir.path());
    p.main.mnuReadme_Click();
    frmReadme *readme = p.opener->window();
    QVERIFY(readme);
    QVERIFY(QTest::qWaitForWindowExposed(readme));
    QVERIFY(readme->lstReadme->count() <= 1000);
    if (!expectedHead.isEmpty()) {
        QCOMPARE(readme->lstReadme->lines(), expectedHead);
    }
    readme->Command1->click();
    QTRY_VERIFY(!p.opener->window());
    QVERIFY(g_boxes->texts().isEmpty());
    checkStillRunning(p);
}

void TestDrill::fullDirectoryOfLongNames()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Names of exactly 255 bytes, the longest a Linux file system takes: ASCII, full-width
    // kanji (3 bytes, 2 cells each) and half-width kana (3 bytes, 1 cell each).
    const QString kanji = QString(82, QChar(0x6F22)) + u"ab"_s;
    const QString kana = QString(82, QChar(0xFF71)) + u"ab"_s;
    qint64 total = 0;
    for (int i = 0; i < 9999; ++i) {
        const QString number = u"%1"_s.arg(i, 4, 10, QChar(u'0'));
        QString name;
        switch (i % 3) {
        case 0:
            name = number + QString(247, u'x') + u".txt"_s;
            break;
        case 1:
            name = number + kanji + u".tx"_s;
            break;
        default:
            name = number + kana + u".tx"_s;
            break;
        }
        QCOMPARE(QFile::encodeName(name).size(), 255);
        makeFile(dir.filePath(name), i);
        total += i;
    }

    Drill p;
    p.list(dir.path());
    QVERIFY2(g_boxes->texts().isEmpty(), qPrintable(g_boxes->texts().join(u'|')));
    QCOMPARE(p.main.List1->count(), 9999);
    QCOMPARE(Module1::gTotalBytes, total);
    // Every line as wide as the next: 251 cells of name (the ASCII names are the widest),
    // 4 of extension, 7 of size ("9,998" and two), a space and the time.
    const QStringList lines = p.lines();
    for (const QString &line : lines)
        QCOMPARE(platform::displayCells(line), 251 + 4 + 7 + 1 + 17);

    p.main.Command2->click();
    QCOMPARE(g_boxes->texts(), QStringList({kAskTxt, kSaved}));
    const QByteArray txt = fixtures::contents(dir.filePath(u"VREL_FILE_LIST.TXT"_s));
    QCOMPARE(txt.count("\r\n"), 9999 + 7);
    QVERIFY(txt.contains("\r\n" + platform::toCp932(lines.first()) + "\r\n"));
    QVERIFY(txt.endsWith("49,985,001\r\n"));

    g_boxes->reset();
    p.main.Option2->setChecked(true);
    p.main.Command2->click();
    QCOMPARE(g_boxes->texts(), QStringList({kAskCsv, kSaved}));
    const QByteArray csv = fixtures::contents(dir.filePath(u"VREL_FILE_LIST.CSV"_s));
    QCOMPARE(csv.count("\r\n"), 9999);
    const QByteArray last = csv.mid(csv.lastIndexOf("\r\n", csv.size() - 3) + 2);
    QVERIFY2(last.contains("\",\"49985001\",\""), last.constData());

    // With one of the list files beside them the directory holds 10,000: refused, and nothing
    // of the earlier list is left for the outputs. The count comes before an empty pattern.
    QVERIFY(QFile::remove(dir.filePath(u"VREL_FILE_LIST.CSV"_s)));
    for (const QString &pattern : {u"*.*"_s, QString()}) {
        g_boxes->reset();
        p.list(dir.path(), pattern);
        QCOMPARE(g_boxes->texts(), QStringList{kTooMany});
        QCOMPARE(g_boxes->shown().at(0).buttons, platform::Buttons::Ok);
        QCOMPARE(g_boxes->shown().at(0).icon, platform::Icon::None);
        QCOMPARE(p.main.List1->count(), 0);
        QCOMPARE(Module1::gTotalBytes, 0);
        QCOMPARE(Module1::gExtWidth, 0);
    }
    checkStillRunning(p);
}
