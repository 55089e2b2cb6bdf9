#include "tst_export.h"

#include "fixtures.h"
#include "main/frmVREL_FP.h"
#include "output/exportFileList.h"
#include "platform/dirListBox.h"
#include "scriptedMessageBox.h"
#include "tmpfsMount.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using platform::Answer;

namespace {

std::unique_ptr<ScriptedMessageBox> g_boxes;

const QString kSaved = u"ファイルリストを保存しました。"_s;
const QString kAskTxt = u"ファイルリストをVREL_FILE_LIST.TXTという名前で保存します"_s;
const QString kAskCsv = u"ファイルリストをVREL_FILE_LIST.CSVという名前で保存します"_s;
const QString kNotSaved = u"ファイルリストを保存できませんでした"_s;
const QByteArray kRule = QByteArray(57, '-') + "\r\n";

// The window as the program sets it up, listing `dir` with `pattern`.
std::unique_ptr<frmVREL_FP> listingWindow(const QString &dir, const QString &pattern = u"*.*"_s)
{
    auto w = std::make_unique<frmVREL_FP>();
    output::attachExport(*w);
    // Showing it stores the file limit, as at start-up.
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        qFatal("window not exposed");
    w->Combo1->setEditText(pattern);
    w->Dir1->setPath(dir);
    w->Combo1_KeyPress(13);
    return w;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

QStringList entries(const QString &dir)
{
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

QStringList listLines(const frmVREL_FP &w)
{
    QStringList out;
    for (int i = 0; i < w.List1->count(); ++i)
        out.append(w.List1->item(i)->text());
    return out;
}

void makeTwoTextFiles(const QString &dir)
{
    fixtures::makeFile(dir, u"a.txt"_s, 100, fixtures::localTime(1997, 10, 21, 9, 5, 3));
    fixtures::makeFile(dir, u"漢字.txt"_s, 1234567, fixtures::localTime(1997, 10, 19, 7, 0, 0));
}


} // namespace

void TestExportCommand::init()
{
    g_boxes = std::make_unique<ScriptedMessageBox>();
}

void TestExportCommand::cleanup()
{
    g_boxes.reset();
}

void TestExportCommand::txtAndCsvOfRealList()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    makeTwoTextFiles(dir.path());
    auto w = listingWindow(dir.path(), u"*.txt"_s);
    QCOMPARE(w->List1->count(), 2);
    const QString native = QDir::toNativeSeparators(dir.path());

    w->Command2->click();
    QCOMPARE(g_boxes->texts(), QStringList({kAskTxt, kSaved}));
    QCOMPARE(g_boxes->shown().at(0).buttons, platform::Buttons::OkCancel);
    QCOMPARE(g_boxes->shown().at(0).icon, platform::Icon::Question);
    QCOMPARE(g_boxes->shown().at(1).buttons, platform::Buttons::Ok);
    QCOMPARE(g_boxes->shown().at(1).icon, platform::Icon::None);
    QCOMPARE(g_boxes->shown().at(1).title, u"VREL's FILEPRINT"_s);

    // Columns 6 + 4 + 11; "(2)" and "1,234,667" leave four spaces.
    const QByteArray txt = "VREL's file print \r\n" + kRule + "Directory : " + native.toLatin1() + "\r\n"
                           + "File Type : *.txt\r\n" + kRule + "a     .txt        100 97-10-21 09:05:03\r\n"
                           + "\x8A\xBF\x8E\x9A  .txt  1,234,567 97-10-19 07:00:00\r\n" + kRule
                           + "Total(2)    1,234,667\r\n";
    QCOMPARE(contents(dir.filePath(u"VREL_FILE_LIST.TXT"_s)), txt);

    g_boxes->reset();
    w->Option2->setChecked(true);
    w->Command2->click();
    QCOMPARE(g_boxes->texts(), QStringList({kAskCsv, kSaved}));
    QCOMPARE(contents(dir.filePath(u"VREL_FILE_LIST.CSV"_s)),
             QByteArray("\"a\",\".txt\",\"100\",\"97-10-21\",\"09:05:03\"\r\n"
                        "\"\x8A\xBF\x8E\x9A\",\".txt\",\"1234667\",\"97-10-19\",\"07:00:00\"\r\n"));
    QCOMPARE(contents(dir.filePath(u"VREL_FILE_LIST.TXT"_s)), txt);
    QCOMPARE(entries(dir.path()),
             QStringList({u"VREL_FILE_LIST.CSV"_s, u"VREL_FILE_LIST.TXT"_s, u"a.txt"_s, u"漢字.txt"_s}));
}

void TestExportCommand::patternLineShowsTheBoxAtTheClick()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    makeTwoTextFiles(dir.path());
    auto w = listingWindow(dir.path(), u"*.txt"_s);
    const QStringList before = listLines(*w);

    // Typed, not confirmed: no new list, but the header names what the box shows.
    w->Combo1->lineEdit()->setText(u"*.doc"_s);
    w->Command2->click();
    QCOMPARE(listLines(*w), before);
    const QList<QByteArray> lines = contents(dir.filePath(u"VREL_FILE_LIST.TXT"_s)).split('\n');
    QCOMPARE(lines.value(3), QByteArray("File Type : *.doc\r"));
    QCOMPARE(lines.size(), 2 + 7 + 1);
}

void TestExportCommand::cancelWritesNothing_data()
{
    QTest::addColumn<bool>("txt");
    QTest::newRow("TXT") << true;
    QTest::newRow("CSV") << false;
}

void TestExportCommand::cancelWritesNothing()
{
    QFETCH(bool, txt);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    makeTwoTextFiles(dir.path());
    auto w = listingWindow(dir.path());
    (txt ? w->Option1 : w->Option2)->setChecked(true);

    g_boxes->answerNext(Answer::Cancel);
    w->Command2->click();
    QCOMPARE(g_boxes->texts(), QStringList({txt ? kAskTxt : kAskCsv}));
    QCOMPARE(entries(dir.path()), QStringList({u"a.txt"_s, u"漢字.txt"_s}));
}

void TestExportCommand::emptyList()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto w = listingWindow(dir.path());
    QCOMPARE(w->List1->count(), 0);

    w->Command2->click();
    QCOMPARE(g_boxes->texts(), QStringList({u"対象ファイルがありません"_s}));
    QCOMPARE(g_boxes->shown().at(0).buttons, platform::Buttons::Ok);
    QCOMPARE(g_boxes->shown().at(0).icon, platform::Icon::None);
    QCOMPARE(g_boxes->shown().at(0).title, u"VREL's FILEPRINT"_s);
    QVERIFY(entries(dir.path()).isEmpty());
}

void TestExportCommand::secondExportIsIdentical()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    makeTwoTextFiles(dir.path());
    auto w = listingWindow(dir.path());
    w->Option2->setChecked(true);
    const QString path = dir.filePath(u"VREL_FILE_LIST.CSV"_s);

    w->Command2->click();
    const QByteArray first = contents(path);
    w->Command2->click();
    QCOMPARE(g_boxes->texts(), QStringList({kAskCsv, kSaved, kAskCsv, kSaved}));
    QCOMPARE(contents(path), first);
    QCOMPARE(first.count("\r\n"), 2);
    QCOMPARE(entries(dir.path()), QStringList({u"VREL_FILE_LIST.CSV"_s, u"a.txt"_s, u"漢字.txt"_s}));
}

void TestExportCommand::directoryInTheWay()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    makeTwoTextFiles(dir.path());
    auto w = listingWindow(dir.path());
    QVERIFY(QDir(dir.path()).mkdir(u"VREL_FILE_LIST.TXT"_s));
    const QStringList before = listLines(*w);

    w->Command2->click();
    QCOMPARE(g_boxes->shown().size(), 2);
    const platform::Message &failure = g_boxes->shown().at(1);
    const QString path = QDir::toNativeSeparators(dir.filePath(u"VREL_FILE_LIST.TXT"_s));
    QVERIFY2(failure.text.startsWith(kNotSaved + u'\n' + path + u'\n'), qPrintable(failure.text));
    QVERIFY(failure.text.size() > kNotSaved.size() + path.size() + 2);
    QCOMPARE(failure.icon, platform::Icon::Exclamation);
    QCOMPARE(failure.buttons, platform::Buttons::Ok);
    QCOMPARE(failure.title, u"VREL's FILEPRINT"_s);
    QCOMPARE(listLines(*w), before);
    QCOMPARE(entries(dir.path()), QStringList({u"VREL_FILE_LIST.TXT"_s, u"a.txt"_s, u"漢字.txt"_s}));
}

void TestExportCommand::faultKeepsEarlierFile_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("read-only file system") << false;
    QTest::newRow("full disk") << true;
}

void TestExportCommand::faultKeepsEarlierFile()
{
#ifndef Q_OS_LINUX
    QSKIP("needs a tmpfs mount");
#else
    QFETCH(bool, fullDisk);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TmpfsMount mount(dir.path());
    if (!mount.isMounted())
        QSKIP(qPrintable(u"mounting a tmpfs was refused: "_s + mount.error()));

    makeTwoTextFiles(dir.path());
    auto w = listingWindow(dir.path(), u"*.txt"_s);
    const QString path = dir.filePath(u"VREL_FILE_LIST.TXT"_s);
    w->Command2->click();
    const QByteArray earlier = contents(path);
    QVERIFY(earlier.startsWith("VREL's file print "));

    if (fullDisk)
        QVERIFY(mount.fill());
    else
        QVERIFY(mount.makeReadOnly());
    // A different header, so that a file replaced by any part of the new one would show.
    w->Combo1->lineEdit()->setText(u"*.*"_s);
    const QStringList before = listLines(*w);
    g_boxes->reset();
    w->Command2->click();

    QCOMPARE(g_boxes->shown().size(), 2);
    const platform::Message &failure = g_boxes->shown().at(1);
    QVERIFY2(failure.text.startsWith(kNotSaved + u'\n' + QDir::toNativeSeparators(path) + u'\n'),
             qPrintable(failure.text));
    QVERIFY(!failure.text.endsWith(u'\n'));
    QCOMPARE(failure.icon, platform::Icon::Exclamation);
    QCOMPARE(contents(path), earlier);
    QCOMPARE(listLines(*w), before);
    QStringList expected = {u"VREL_FILE_LIST.TXT"_s, u"a.txt"_s, u"漢字.txt"_s};
    if (fullDisk)
        expected.append(u"filler"_s);
    expected.sort();
    QCOMPARE(entries(dir.path()), expected);
#endif
}
