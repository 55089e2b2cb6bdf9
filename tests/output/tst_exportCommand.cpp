#include "tst_output.h"

#include "output/exportFileList.h"
#include "program.h"
#include "scriptedTest.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using platform::Answer;

namespace {

const QString kSaved = u"ファイルリストを保存しました。"_s;
const QString kAskTxt = u"ファイルリストをVREL_FILE_LIST.TXTという名前で保存します"_s;
const QString kAskCsv = u"ファイルリストをVREL_FILE_LIST.CSVという名前で保存します"_s;
const QByteArray kRule = QByteArray(57, '-') + "\r\n";

// The export command of a window listing two files of `dir`, one with a kanji name.
struct Exporting : Program
{
    explicit Exporting(const QString &dir, const QString &pattern = u"*.*"_s) : path(dir)
    {
        fixtures::makeFile(dir, u"a.txt"_s, 100, fixtures::localTime(1997, 10, 21, 9, 5, 3));
        fixtures::makeFile(dir, u"漢字.txt"_s, 1234567, fixtures::localTime(1997, 10, 19, 7, 0, 0));
        output::attachExport(main);
        list(dir, pattern);
    }

    QString file(const QString &name) const { return path + u'/' + name; }

    QString path;
};

} // namespace

void TestExportCommand::txtAndCsvOfRealList()
{
    QTemporaryDir dir;
    Exporting p(dir.path(), u"*.txt"_s);
    QCOMPARE(p.main.List1->count(), 2);

    p.main.Command2->click();
    QCOMPARE(g_boxes->texts(), QStringList({kAskTxt, kSaved}));
    QCOMPARE(g_boxes->shown().at(0).buttons, platform::Buttons::OkCancel);
    QCOMPARE(g_boxes->shown().at(0).icon, platform::Icon::Question);
    QCOMPARE(g_boxes->shown().at(1).buttons, platform::Buttons::Ok);
    QCOMPARE(g_boxes->shown().at(1).icon, platform::Icon::None);

    // Columns 6 + 4 + 11; "(2)" and "1,234,667" leave four spaces.
    const QByteArray txt = "VREL's file print \r\n" + kRule + "Directory : "
                           + QDir::toNativeSeparators(dir.path()).toLatin1() + "\r\n" + "File Type : *.txt\r\n" + kRule
                           + "a     .txt        100 97-10-21 09:05:03\r\n"
                           + "\x8A\xBF\x8E\x9A  .txt  1,234,567 97-10-19 07:00:00\r\n" + kRule
                           + "Total(2)    1,234,667\r\n";
    QCOMPARE(fixtures::contents(p.file(u"VREL_FILE_LIST.TXT"_s)), txt);

    g_boxes->reset();
    p.main.Option2->setChecked(true);
    p.main.Command2->click();
    QCOMPARE(g_boxes->texts(), QStringList({kAskCsv, kSaved}));
    const QByteArray csv = "\"a\",\".txt\",\"100\",\"97-10-21\",\"09:05:03\"\r\n"
                           "\"\x8A\xBF\x8E\x9A\",\".txt\",\"1234667\",\"97-10-19\",\"07:00:00\"\r\n";
    QCOMPARE(fixtures::contents(p.file(u"VREL_FILE_LIST.CSV"_s)), csv);
    QCOMPARE(fixtures::contents(p.file(u"VREL_FILE_LIST.TXT"_s)), txt);

    // A second export gives the same file again, and leaves nothing else behind.
    p.main.Command2->click();
    QCOMPARE(fixtures::contents(p.file(u"VREL_FILE_LIST.CSV"_s)), csv);
    QCOMPARE(fixtures::entries(dir.path()),
             QStringList({u"VREL_FILE_LIST.CSV"_s, u"VREL_FILE_LIST.TXT"_s, u"a.txt"_s, u"漢字.txt"_s}));
}

void TestExportCommand::patternLineShowsTheBoxAtTheClick()
{
    QTemporaryDir dir;
    Exporting p(dir.path(), u"*.txt"_s);
    const QStringList before = p.lines();

    // Typed, not confirmed: no new list, but the header names what the box shows.
    p.main.Combo1->lineEdit()->setText(u"*.doc"_s);
    p.main.Command2->click();
    QCOMPARE(p.lines(), before);
    const QList<QByteArray> lines = fixtures::contents(p.file(u"VREL_FILE_LIST.TXT"_s)).split('\n');
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
    Exporting p(dir.path());
    (txt ? p.main.Option1 : p.main.Option2)->setChecked(true);

    g_boxes->answerNext(Answer::Cancel);
    p.main.Command2->click();
    QCOMPARE(g_boxes->texts(), QStringList({txt ? kAskTxt : kAskCsv}));
    QCOMPARE(fixtures::entries(dir.path()), QStringList({u"a.txt"_s, u"漢字.txt"_s}));
}

void TestExportCommand::directoryInTheWay()
{
    QTemporaryDir dir;
    Exporting p(dir.path());
    QVERIFY(QDir(dir.path()).mkdir(u"VREL_FILE_LIST.TXT"_s));

    p.main.Command2->click();
    QCOMPARE(g_boxes->shown().size(), 2);
    const platform::Message &failure = g_boxes->shown().at(1);
    const QString head = u"ファイルリストを保存できませんでした\n"_s
                         + QDir::toNativeSeparators(p.file(u"VREL_FILE_LIST.TXT"_s)) + u'\n';
    // The system's reason follows the path.
    QVERIFY2(failure.text.startsWith(head) && failure.text.size() > head.size() && !failure.text.endsWith(u'\n'),
             qPrintable(failure.text));
    QCOMPARE(failure.icon, platform::Icon::Exclamation);
    QCOMPARE(p.main.List1->count(), 2);
    QCOMPARE(fixtures::entries(dir.path()), QStringList({u"VREL_FILE_LIST.TXT"_s, u"a.txt"_s, u"漢字.txt"_s}));
}
