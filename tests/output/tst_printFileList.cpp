#include "tst_output.h"

#include "faultyLinePrinter.h"
#include "platform/printing/commonDialog.h"
#include "output/printFileList.h"
#include "platform/window/fonts.h"
#include "platform/window/mousePointer.h"
#include "printedPdf.h"
#include "program.h"
#include "scriptedTest.h"

#include <QAction>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using platform::MousePointer;

namespace {


const QString kRule = QString(57, u'-');
const QString kAbort = u"印刷処理を中断します"_s;

// The print command of a window listing `dir`, its output going to a PDF file.
struct Printing : Program
{
    explicit Printing(const QString &dir)
    {
        output::attachPrinting(main);
        if (!main.Dir1->setPath(dir))
            qFatal("cannot list the test directory");
        printedPdf::printTo(printer(), pdf);
    }

    QPrinter &printer() { return main.CommonDialog->printer(); }
    QList<QStringList> paper() { return printedPdf::lines(pdf, printer()); }

    QTemporaryDir out;
    const QString pdf = out.filePath(u"list.pdf"_s);
};

void makeMixedFiles(const QString &dir)
{
    fixtures::makeFile(dir, u"abc.txt"_s, 1234, fixtures::localTime(1997, 10, 21, 9, 5, 3));
    fixtures::makeFile(dir, u"データ一覧表.csv"_s, 1234567, fixtures::localTime(2020, 12, 31, 23, 59, 59));
    fixtures::makeFile(dir, u"漢字名.doc"_s, 5, fixtures::localTime(2001, 1, 2, 3, 4, 5));
}

QStringList header(const QString &dir, const QString &pattern)
{
    return {u"VREL's file print "_s, kRule, u"Directory : "_s + dir, u"File Type : "_s + pattern, kRule};
}

// Names 12 cells, extensions 4, sizes 11: the total ends 27 cells after the indent.
QStringList mixedListing(const QString &dir, const QString &pattern)
{
    return header(dir, pattern)
           + QStringList{u"abc         .txt      1,234 97-10-21 09:05:03"_s,
                         u"データ一覧表.csv  1,234,567 20-12-31 23:59:59"_s,
                         u"漢字名      .doc          5 01-01-02 03:04:05"_s, kRule, u"Total(3)          1,235,806"_s};
}

} // namespace

void TestPrintFileList::printsListing()
{
    QTemporaryDir dir;
    makeMixedFiles(dir.path());
    Printing p(dir.path());
    // Typed but not yet listed: the header names what the box says.
    p.main.Combo1->setEditText(u"*.t*"_s);

    platform::CommonDialog &dialog = *p.main.CommonDialog;
    FaultyLinePrinter watched(dialog.linePrinter());
    dialog.setLinePrinter(&watched);
    // What happened, in order, each step marked with the pointer it happened under.
    QStringList trace;
    const auto note = [&](const QString &what) {
        trace.append(what + (platform::mousePointer(&p.main) == MousePointer::Hourglass ? u" (hourglass)"_s : QString()));
    };
    g_dialog->onShow([&](QPrinter &) { note(u"printer dialog"_s); });
    watched.onLine(note);

    p.main.Command1->click();

    const QStringList listing = mixedListing(dir.path(), u"*.t*"_s);
    QStringList expected{u"printer dialog"_s};
    for (const QString &line : listing)
        expected.append(u"      "_s + line + u" (hourglass)"_s);
    QCOMPARE(trace, expected);
    QCOMPARE(g_boxes->texts(), QStringList());
    QCOMPARE(g_dialog->lastPrinter(), &p.printer());
    QCOMPARE(watched.fontName(), u"ＭＳ 明朝"_s);
    QCOMPARE(watched.fontSize(), 12.0);
    QCOMPARE(platform::mousePointer(&p.main), MousePointer::Default);
    QCOMPARE(p.paper(), QList<QStringList>{printedPdf::seen(listing, 6)});
    dialog.setLinePrinter(nullptr);

    // Every line, header and total included, starts six cells in from the printable area; the
    // size column ends 6 + 12 + 4 + 11 cells in, and the total's last digit with it, though two
    // of the names are written in full-width characters.
    const auto lines = printedPdf::rows(p.pdf, p.printer()).value(0);
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines[1][0].text, kRule);
    const qreal cell = lines[1][0].box.width() / 57;
    const qreal left = p.printer().pageLayout().paintRect(QPageLayout::Point).left();
    for (const auto &line : lines)
        QVERIFY2(qAbs(line.first().box.left() - (left + 6 * cell)) < 0.05, qPrintable(line.first().text));
    for (qsizetype i : {5, 6, 7, 9}) {
        const auto &size = lines[i].at(lines[i].size() - (i == 9 ? 1 : 3));
        QVERIFY2(qAbs(size.box.right() - (left + 33 * cell)) < 0.05, qPrintable(size.text));
    }
}

void TestPrintFileList::longListRunsOverPages()
{
    QTemporaryDir dir;
    Printing p(dir.path());
    // A page holds as many lines as fit whole into the printable height.
    const int perPage = int(p.printer().height() / QFontMetricsF(platform::minchoFont(12), &p.printer()).lineSpacing());
    QVERIFY(perPage > 20);
    const int files = 2 * perPage + perPage / 2 - 7;
    QVERIFY(files < 1000);

    // One byte each: names 8 cells, extensions 4, sizes 3, so the total ends 15 cells in.
    QStringList expected = header(dir.path(), u"*.*"_s);
    const QDateTime t = fixtures::localTime(1999, 12, 31, 23, 59, 58);
    for (int i = 1; i <= files; ++i) {
        fixtures::makeFile(dir.path(), u"file%1.txt"_s.arg(i, 4, 10, QChar(u'0')), 1, t);
        expected.append(u"file%1.txt  1 99-12-31 23:59:58"_s.arg(i, 4, 10, QChar(u'0')));
    }
    const QString count = u"(%1)"_s.arg(files);
    expected += {kRule, u"Total"_s + count + QString(15 - 5 - count.size() - 3, u' ') + QString::number(files)};
    p.main.Dir1_Change();
    QCOMPARE(p.main.List1->count(), files);

    p.main.Command1->click();
    QVERIFY(g_boxes->texts().isEmpty());
    // Each page starts at the top of its printable area.
    const QStringList all = printedPdf::seen(expected, 6);
    QCOMPARE(p.paper(), (QList<QStringList>{all.mid(0, perPage), all.mid(perPage, perPage), all.mid(2 * perPage)}));
}

void TestPrintFileList::emptyList()
{
    QTemporaryDir dir;
    Printing p(dir.path());
    // The read-me command may have left the hourglass; this message leaves it alone.
    platform::setMousePointer(&p.main, MousePointer::Hourglass);

    p.main.Command1->click();

    QCOMPARE(g_boxes->texts(), QStringList{u"印刷対象ファイルがありません"_s});
    QCOMPARE(g_boxes->shown().first().icon, platform::Icon::None);
    QCOMPARE(g_dialog->timesShown(), 0);
    QCOMPARE(platform::mousePointer(&p.main), MousePointer::Hourglass);
    QVERIFY(!QFile::exists(p.pdf));
}

void TestPrintFileList::abortedJob_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("printer dialog cancelled") << true;
    QTest::newRow("printer failing mid-job") << false;
}

void TestPrintFileList::abortedJob()
{
    QFETCH(bool, cancel);
    QTemporaryDir dir;
    makeMixedFiles(dir.path());
    Printing p(dir.path());
    platform::CommonDialog &dialog = *p.main.CommonDialog;
    FaultyLinePrinter faulty(dialog.linePrinter());
    dialog.setLinePrinter(&faulty);
    g_dialog->setAccepting(!cancel);
    faulty.failAtLine(cancel ? 0 : 7);
    QList<MousePointer> atMessage;
    g_boxes->onShow([&](const platform::Message &) { atMessage.append(platform::mousePointer(&p.main)); });
    // The read-me command may have left the hourglass; an aborted job ends it all the same.
    platform::setMousePointer(&p.main, MousePointer::Hourglass);

    p.main.mnuFprint->trigger();

    QCOMPARE(g_boxes->texts(), QStringList{kAbort});
    QCOMPARE(g_boxes->shown().first().icon, platform::Icon::None);
    // A job that failed while printing says so with the hourglass still up.
    if (!cancel)
        QCOMPARE(atMessage, QList<MousePointer>{MousePointer::Hourglass});
    QCOMPARE(platform::mousePointer(&p.main), MousePointer::Default);
    QCOMPARE(faulty.ended(), 0);
    QCOMPARE(faulty.discarded(), 1);
    QVERIFY(!QFile::exists(p.pdf));

    // The window still works, and the next document holds only its own lines.
    g_boxes->reset();
    g_dialog->setAccepting(true);
    faulty.failAtLine(0);
    p.main.Command1->click();
    QVERIFY(g_boxes->texts().isEmpty());
    QCOMPARE(p.paper(), QList<QStringList>{printedPdf::seen(mixedListing(dir.path(), u"*.*"_s), 6)});
    dialog.setLinePrinter(nullptr);
}

void TestPrintFileList::totalWiderThanColumns()
{
    // Ten small files with short names: "(10)" and "5,000" need more than the 6 + 0 + 5 cells
    // of the columns leave after "Total".
    QTemporaryDir dir;
    const QDateTime t = fixtures::localTime(2010, 4, 5, 6, 7, 8);
    QStringList expected = header(dir.path(), u"*.*"_s);
    for (char16_t c = u'a'; c <= u'j'; ++c) {
        fixtures::makeFile(dir.path(), QString(QChar(c)), 500, t);
        expected.append(QString(QChar(c)) + u"       500 10-04-05 06:07:08"_s);
    }
    expected += {kRule, u"Total(10)5,000"_s};
    Printing p(dir.path());

    p.main.Command1->click();

    QVERIFY(g_boxes->texts().isEmpty());
    QCOMPARE(platform::mousePointer(&p.main), MousePointer::Default);
    QCOMPARE(p.paper(), QList<QStringList>{printedPdf::seen(expected, 6)});
}
