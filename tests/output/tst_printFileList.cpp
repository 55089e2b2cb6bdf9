#include "tst_output.h"

#include "faultyLinePrinter.h"
#include "fixtures.h"
#include "main/frmVREL_FP.h"
#include "output/commonDialog.h"
#include "output/printFileList.h"
#include "platform/dirListBox.h"
#include "platform/fonts.h"
#include "platform/mousePointer.h"
#include "printedPdf.h"
#include "scriptedMessageBox.h"
#include "scriptedPrinterDialog.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using platform::MousePointer;

namespace {

std::unique_ptr<ScriptedMessageBox> g_boxes;
std::unique_ptr<ScriptedPrinterDialog> g_dialog;
std::unique_ptr<QTemporaryDir> g_out;

const QString kRule = u"---------------------------------------------------------"_s;
const QString kNoFiles = u"印刷対象ファイルがありません"_s;
const QString kAbort = u"印刷処理を中断します"_s;

std::unique_ptr<frmVREL_FP> windowListing(const QString &dir)
{
    auto w = std::make_unique<frmVREL_FP>();
    output::attachPrinting(*w);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        qFatal("window not exposed");
    if (!w->Dir1->setPath(dir))
        qFatal("cannot list the test directory");
    return w;
}

// Where "Print to File (PDF)" in the printer dialog would send it.
QString printTo(frmVREL_FP &w, const QString &name)
{
    const QString pdf = g_out->filePath(name);
    QPrinter &printer = output::commonDialog(w).printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return pdf;
}

// The printed lines as they stand on paper, rebuilt from word positions: Mincho at 12 points
// gives every half-width character 6 points, and columns count from the printable area's
// left edge, so the indent shows as the six spaces it is. Trailing spaces leave no mark.
QStringList printedLines(frmVREL_FP &w, const QString &pdf)
{
    const qreal left = output::commonDialog(w).printer().pageLayout().paintRect(QPageLayout::Point).left();
    return printedPdf::cellLines(pdf, left, 6.0);
}

QStringList onPaper(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines) {
        QString printed = u"      "_s + line;
        while (printed.endsWith(u' '))
            printed.chop(1);
        out.append(printed);
    }
    return out;
}

void makeMixedFiles(const QString &dir)
{
    fixtures::makeFile(dir, u"abc.txt"_s, 1234, fixtures::localTime(1997, 10, 21, 9, 5, 3));
    fixtures::makeFile(dir, u"データ一覧表.csv"_s, 1234567, fixtures::localTime(2020, 12, 31, 23, 59, 59));
    fixtures::makeFile(dir, u"漢字名.doc"_s, 5, fixtures::localTime(2001, 1, 2, 3, 4, 5));
}

// Names 12 cells, extensions 4, sizes 11: the total ends 27 cells after the indent.
QStringList mixedListing(const QString &dir, const QString &pattern)
{
    return {
        u"VREL's file print "_s,
        kRule,
        u"Directory : "_s + dir,
        u"File Type : "_s + pattern,
        kRule,
        u"abc         .txt      1,234 97-10-21 09:05:03"_s,
        u"データ一覧表.csv  1,234,567 20-12-31 23:59:59"_s,
        u"漢字名      .doc          5 01-01-02 03:04:05"_s,
        kRule,
        u"Total(3)          1,235,806"_s,
    };
}

} // namespace

void TestPrintFileList::init()
{
    g_boxes = std::make_unique<ScriptedMessageBox>();
    g_dialog = std::make_unique<ScriptedPrinterDialog>();
    g_out = std::make_unique<QTemporaryDir>();
}

void TestPrintFileList::cleanup()
{
    g_out.reset();
    g_dialog.reset();
    g_boxes.reset();
}

void TestPrintFileList::printsListing()
{
    QTemporaryDir dir;
    makeMixedFiles(dir.path());
    auto w = windowListing(dir.path());
    // Typed but not yet listed: the header names what the box says.
    w->Combo1->setEditText(u"*.t*"_s);
    const QString pdf = printTo(*w, u"list.pdf"_s);

    output::CommonDialog &dialog = output::commonDialog(*w);
    FaultyLinePrinter watched(dialog.linePrinter());
    dialog.setLinePrinter(&watched);
    QList<MousePointer> pointers;
    QStringList handedOver;
    g_dialog->onShow([&](QPrinter &) { pointers.append(platform::mousePointer(w.get())); });
    watched.onLine([&](const QString &line) {
        pointers.append(platform::mousePointer(w.get()));
        handedOver.append(line);
    });

    w->Command1->click();

    QCOMPARE(g_boxes->texts(), QStringList());
    QCOMPARE(g_dialog->timesShown(), 1);
    QCOMPARE(g_dialog->lastPrinter(), &dialog.printer());
    QCOMPARE(watched.fontName(), u"ＭＳ 明朝"_s);
    QCOMPARE(watched.fontSize(), 12.0);
    QCOMPARE(pointers.size(), 11);
    QCOMPARE(pointers.first(), MousePointer::Default);
    QVERIFY(std::all_of(pointers.begin() + 1, pointers.end(), [](MousePointer p) { return p == MousePointer::Hourglass; }));
    QCOMPARE(platform::mousePointer(w.get()), MousePointer::Default);

    QStringList indented;
    for (const QString &line : mixedListing(dir.path(), u"*.t*"_s))
        indented.append(u"      "_s + line);
    QCOMPARE(handedOver, indented);

    QCOMPARE(printedPdf::pageCount(pdf), 1);
    QCOMPARE(printedLines(*w, pdf), onPaper(mixedListing(dir.path(), u"*.t*"_s)));
    dialog.setLinePrinter(nullptr);
}

void TestPrintFileList::columnsLineUpOnPaper()
{
    QTemporaryDir dir;
    makeMixedFiles(dir.path());
    auto w = windowListing(dir.path());
    const QString pdf = printTo(*w, u"columns.pdf"_s);
    w->Command1->click();
    QVERIFY(g_boxes->texts().isEmpty());

    const auto lines = printedPdf::wordLines(printedPdf::words(pdf), 0);
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines[1].size(), 1);
    QCOMPARE(lines[1][0].text, kRule);
    const qreal cell = lines[1][0].box.width() / 57;
    const qreal left = output::commonDialog(*w).printer().pageLayout().paintRect(QPageLayout::Point).left();

    // Every line, header and total included, starts six cells in from the printable area.
    for (const auto &line : lines)
        QVERIFY2(qAbs(line.first().box.left() - (left + 6 * cell)) < 0.05, qPrintable(line.first().text));

    // The size column ends 6 + 12 + 4 + 11 cells in, and the total's last digit with it,
    // though two of the names are written in full-width characters.
    const qreal sizeEnd = left + 33 * cell;
    for (qsizetype i = 5; i <= 7; ++i) {
        const auto &line = lines[i];
        QCOMPARE(line.size() >= 3, true);
        QVERIFY2(qAbs(line[line.size() - 3].box.right() - sizeEnd) < 0.05, qPrintable(line[line.size() - 3].text));
    }
    QCOMPARE(lines[9].last().text, u"1,235,806"_s);
    QVERIFY(qAbs(lines[9].last().box.right() - sizeEnd) < 0.05);
}

void TestPrintFileList::buttonAndMenuPrintTheSame()
{
    QTemporaryDir dir;
    makeMixedFiles(dir.path());
    auto w = windowListing(dir.path());

    const QString byButton = printTo(*w, u"button.pdf"_s);
    w->Command1->click();
    const QString byMenu = printTo(*w, u"menu.pdf"_s);
    w->mnuFprint->trigger();

    QCOMPARE(g_dialog->timesShown(), 2);
    const auto buttonText = printedPdf::pages(byButton);
    QCOMPARE(buttonText.size(), 1);
    QCOMPARE(printedPdf::pages(byMenu), buttonText);
}

void TestPrintFileList::longListRunsOverPages()
{
    QTemporaryDir dir;
    auto w = windowListing(dir.path());
    QPrinter &printer = output::commonDialog(*w).printer();
    const QString pdf = printTo(*w, u"long.pdf"_s);

    // A page holds as many lines as fit whole into the printable height.
    const int perPage = int(printer.height() / QFontMetricsF(platform::minchoFont(12), &printer).lineSpacing());
    QVERIFY(perPage > 20);
    const int printed = 2 * perPage + perPage / 2;
    const int files = printed - 7;

    QVERIFY(files < 1000);

    // One byte each: names 8 cells, extensions 4, sizes 3, so the total ends 15 cells in.
    QStringList expected{u"VREL's file print "_s, kRule, u"Directory : "_s + dir.path(), u"File Type : *.*"_s, kRule};
    const QDateTime t = fixtures::localTime(1999, 12, 31, 23, 59, 58);
    for (int i = 1; i <= files; ++i) {
        fixtures::makeFile(dir.path(), u"file%1.txt"_s.arg(i, 4, 10, QChar(u'0')), 1, t);
        expected.append(u"file%1.txt  1 99-12-31 23:59:58"_s.arg(i, 4, 10, QChar(u'0')));
    }
    const QString countText = u"(%1)"_s.arg(files);
    const QString totalText = QString::number(files);
    expected.append(kRule);
    expected.append(u"Total"_s + countText + QString(15 - 5 - countText.size() - totalText.size(), u' ') + totalText);
    w->Dir1_Change();
    QCOMPARE(w->List1->count(), files);

    w->Command1->click();
    QVERIFY(g_boxes->texts().isEmpty());

    const auto pages = printedPdf::pages(pdf);
    QCOMPARE(pages.size(), 3);
    QCOMPARE(printedPdf::pageCount(pdf), 3);
    QCOMPARE(pages[0].size(), perPage);
    QCOMPARE(pages[1].size(), perPage);
    QCOMPARE(pages[2].size(), printed - 2 * perPage);
    QCOMPARE(printedLines(*w, pdf), onPaper(expected));

    // Each page starts at the top of its printable area, as the first one did.
    const auto words = printedPdf::words(pdf);
    const qreal firstTop = printedPdf::wordLines(words, 0).first().first().box.top();
    for (int page = 1; page < 3; ++page)
        QVERIFY(qAbs(printedPdf::wordLines(words, page).first().first().box.top() - firstTop) < 0.05);
}

void TestPrintFileList::emptyList()
{
    QTemporaryDir dir;
    auto w = windowListing(dir.path());
    QCOMPARE(w->List1->count(), 0);
    // The read-me command may have left the hourglass; this message leaves it alone.
    platform::setMousePointer(w.get(), MousePointer::Hourglass);
    const QString pdf = printTo(*w, u"empty.pdf"_s);

    w->Command1->click();

    QCOMPARE(g_boxes->texts(), QStringList{kNoFiles});
    QCOMPARE(g_boxes->shown().first().title, u"VREL's FILEPRINT"_s);
    QCOMPARE(g_boxes->shown().first().buttons, platform::Buttons::Ok);
    QCOMPARE(g_boxes->shown().first().icon, platform::Icon::None);
    QCOMPARE(g_dialog->timesShown(), 0);
    QCOMPARE(platform::mousePointer(w.get()), MousePointer::Hourglass);
    QVERIFY(!QFile::exists(pdf));
}

void TestPrintFileList::cancelledDialog()
{
    QTemporaryDir dir;
    makeMixedFiles(dir.path());
    auto w = windowListing(dir.path());
    platform::setMousePointer(w.get(), MousePointer::Hourglass);
    const QString pdf = printTo(*w, u"cancelled.pdf"_s);
    g_dialog->setAccepting(false);

    w->mnuFprint->trigger();

    QCOMPARE(g_boxes->texts(), QStringList{kAbort});
    QCOMPARE(g_boxes->shown().first().title, u"VREL's FILEPRINT"_s);
    QCOMPARE(g_boxes->shown().first().icon, platform::Icon::None);
    QCOMPARE(platform::mousePointer(w.get()), MousePointer::Default);
    QVERIFY(!QFile::exists(pdf));

    // Nothing of the cancelled run lingers in the next one.
    g_boxes->reset();
    g_dialog->setAccepting(true);
    w->mnuFprint->trigger();
    QVERIFY(g_boxes->texts().isEmpty());
    QCOMPARE(printedLines(*w, pdf), onPaper(mixedListing(dir.path(), u"*.*"_s)));
}

void TestPrintFileList::printerFailingMidJob()
{
    QTemporaryDir dir;
    makeMixedFiles(dir.path());
    auto w = windowListing(dir.path());
    const QString pdf = printTo(*w, u"failed.pdf"_s);
    output::CommonDialog &dialog = output::commonDialog(*w);
    FaultyLinePrinter faulty(dialog.linePrinter());
    dialog.setLinePrinter(&faulty);
    faulty.failAtLine(7);
    QList<MousePointer> atMessage;
    g_boxes->onShow([&](const platform::Message &) { atMessage.append(platform::mousePointer(w.get())); });

    w->Command1->click();

    QCOMPARE(g_boxes->texts(), QStringList{kAbort});
    QCOMPARE(atMessage, QList<MousePointer>{MousePointer::Hourglass});
    QCOMPARE(platform::mousePointer(w.get()), MousePointer::Default);
    QCOMPARE(faulty.discarded(), 1);
    QCOMPARE(faulty.ended(), 0);
    QVERIFY(!QFile::exists(pdf));

    // The window still works, and the next document holds only its own lines.
    g_boxes->reset();
    faulty.failAtLine(0);
    w->Command1->click();
    QVERIFY(g_boxes->texts().isEmpty());
    QCOMPARE(printedPdf::pageCount(pdf), 1);
    QCOMPARE(printedLines(*w, pdf), onPaper(mixedListing(dir.path(), u"*.*"_s)));
    dialog.setLinePrinter(nullptr);
}

void TestPrintFileList::totalWiderThanColumns()
{
    // Ten small files with short names: "(10)" and "5,000" need more than the 6 + 0 + 5 cells
    // of the columns leave after "Total".
    QTemporaryDir dir;
    const QDateTime t = fixtures::localTime(2010, 4, 5, 6, 7, 8);
    QStringList expected{u"VREL's file print "_s, kRule, u"Directory : "_s + dir.path(), u"File Type : *.*"_s, kRule};
    for (char16_t c = u'a'; c <= u'j'; ++c) {
        fixtures::makeFile(dir.path(), QString(QChar(c)), 500, t);
        expected.append(QString(QChar(c)) + u"       500 10-04-05 06:07:08"_s);
    }
    expected += {kRule, u"Total(10)5,000"_s};
    auto w = windowListing(dir.path());
    const QString pdf = printTo(*w, u"narrow.pdf"_s);

    w->Command1->click();

    QVERIFY(g_boxes->texts().isEmpty());
    QCOMPARE(platform::mousePointer(w.get()), MousePointer::Default);
    QCOMPARE(printedLines(*w, pdf), onPaper(expected));
}
