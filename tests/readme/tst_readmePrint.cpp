#include "tst_readme.h"

#include "faultyLinePrinter.h"
#include "platform/printing/commonDialog.h"
#include "platform/text/cp932.h"
#include "platform/window/fonts.h"
#include "platform/window/mousePointer.h"
#include "printedPdf.h"
#include "readmeProgram.h"
#include "scriptedTest.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::StringLiterals;
using platform::MousePointer;

namespace {


const QString kWarning = u"プリンターの機種によっては、プログラムがダウンすることが有ります。"_s;
const QString kAbort = u"印刷処理を中断します"_s;

QByteArray dataFile(const QStringList &lines, const char *end = "\r\n")
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += platform::toCp932(line) + end;
    return bytes;
}

QString printTo(frmReadme &r)
{
    static QTemporaryDir out;
    const QString pdf = out.filePath(u"readme.pdf"_s);
    QFile::remove(pdf);
    printedPdf::printTo(r.cdl_read->printer(), pdf);
    return pdf;
}

QStringList indented(const QStringList &text)
{
    QStringList out;
    for (const QString &line : text)
        out.append(QString(15, u' ') + line);
    return out;
}

} // namespace

void TestReadmePrint::printsTheText_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("text");

    const QStringList look = {u"お読み下さい"_s, u""_s, u"Zeqa で始まっても本文"_s, u" zeqa も本文"_s, u"zeq"_s};
    QTest::newRow("up to the marker") << dataFile(look + QStringList{u"zeqa"_s, u"読まない行"_s}) << look;
    QTest::newRow("marker with more on its line")
        << dataFile({u"一行目"_s, u"zeqa 以下は付録"_s, u"付録"_s}) << QStringList{u"一行目"_s};
    QTest::newRow("no marker, last line without its end")
        << dataFile({u"一行目"_s}) + platform::toCp932(u"最後の行"_s) << QStringList{u"一行目"_s, u"最後の行"_s};
    QTest::newRow("empty lines last") << dataFile({u"本文"_s, u""_s, u""_s, u"zeqa"_s})
                                      << QStringList{u"本文"_s, u""_s, u""_s};
    QTest::newRow("marker first") << dataFile({u"zeqa"_s, u"本文"_s}) << QStringList();
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QStringList many;
    for (int i = 1; i <= 1005; ++i)
        many.append(u"%1 行目の本文"_s.arg(i, 4, 10, QChar(u'0')));
    QTest::newRow("at most 1000 lines, over pages") << dataFile(many + QStringList{u"zeqa"_s}) << many.mid(0, 1000);
}

void TestReadmePrint::printsTheText()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, text);
    QTemporaryDir dir;
    writeDataFile(dir.path(), "what the window showed\r\n"_ba);
    Readme p(dir.path());
    frmReadme *r = p.openReadme();
    // Printing reads the file again; what the list shows does not matter.
    writeDataFile(dir.path(), data);
    const QString pdf = printTo(*r);

    FaultyLinePrinter watched(r->cdl_read->linePrinter());
    r->cdl_read->setLinePrinter(&watched);
    // What happened, in order, each step marked with the pointer it happened under.
    QStringList trace;
    const auto note = [&](const QString &what) {
        trace.append(what + (platform::mousePointer(r) == MousePointer::Hourglass ? u" (hourglass)"_s : QString()));
    };
    g_boxes->onShow([&](const platform::Message &m) { note(m.text); });
    g_dialog->onShow([&](QPrinter &) { note(u"printer dialog"_s); });
    watched.onLine(note);

    QTest::mouseClick(r->Command2, Qt::LeftButton);

    QStringList expected{kWarning, u"printer dialog"_s};
    for (const QString &line : indented(text))
        expected.append(line + u" (hourglass)"_s);
    QCOMPARE(trace, expected);
    QCOMPARE(g_boxes->shown().first().icon, platform::Icon::None);
    QCOMPARE(g_dialog->lastPrinter(), &r->cdl_read->printer());
    QCOMPARE(platform::mousePointer(r), MousePointer::Default);
    // The read-me command's hourglass on the main window is not this command's to end.
    QCOMPARE(platform::mousePointer(&p.main), MousePointer::Hourglass);
    QCOMPARE(watched.fontName(), u"ＭＳ 明朝"_s);
    QCOMPARE(watched.fontSize(), 12.0);
    QCOMPARE(watched.ended(), text.isEmpty() ? 0 : 1);
    QCOMPARE(watched.discarded(), text.isEmpty() ? 1 : 0);

    // Pages flow by themselves; even with no line, the document is ended: one blank page.
    QPrinter &printer = r->cdl_read->printer();
    const int perPage = int(printer.height() / QFontMetricsF(platform::minchoFont(12), &printer).lineSpacing());
    const QStringList all = printedPdf::seen(text, 15);
    QList<QStringList> pages{all.mid(0, perPage)};
    while (pages.size() * perPage < all.size())
        pages.append(all.mid(pages.size() * perPage, perPage));
    if (!text.isEmpty())
        QCOMPARE(printedPdf::lines(pdf, printer), pages);
    r->cdl_read->setLinePrinter(nullptr);
}

void TestReadmePrint::abortPath_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<MousePointer>("pointerAtAbort");

    QTest::newRow("data file missing") << u"missing"_s << MousePointer::Hourglass;
    QTest::newRow("a directory in its place") << u"directory"_s << MousePointer::Hourglass;
    QTest::newRow("printer dialog cancelled") << u"cancel"_s << MousePointer::Default;
    QTest::newRow("printer failing mid-job") << u"printer"_s << MousePointer::Hourglass;
}

void TestReadmePrint::abortPath()
{
    QFETCH(QString, fault);
    QFETCH(MousePointer, pointerAtAbort);
    QTemporaryDir dir;
    const QStringList text{u"一行目"_s, u"二行目"_s, u"三行目"_s};
    if (fault == u"directory")
        QVERIFY(QDir(dir.path()).mkdir(u"VREL02.vrl"_s));
    else if (fault != u"missing")
        writeDataFile(dir.path(), dataFile(text));
    Readme p(dir.path());
    frmReadme *r = p.openReadme();
    const QString pdf = printTo(*r);
    FaultyLinePrinter faulty(r->cdl_read->linePrinter());
    r->cdl_read->setLinePrinter(&faulty);
    g_dialog->setAccepting(fault != u"cancel");
    if (fault == u"printer")
        faulty.failAtLine(2);
    QList<MousePointer> atBoxes;
    g_boxes->onShow([&](const platform::Message &) { atBoxes.append(platform::mousePointer(r)); });

    r->Command2_Click();

    QCOMPARE(g_boxes->texts(), (QStringList{kWarning, kAbort}));
    QCOMPARE(g_dialog->timesShown(), 1);
    QCOMPARE(atBoxes, (QList<MousePointer>{MousePointer::Default, pointerAtAbort}));
    QCOMPARE(platform::mousePointer(r), MousePointer::Default);
    QCOMPARE(faulty.ended(), 0);
    QCOMPARE(faulty.discarded(), 1);
    QVERIFY(!QFile::exists(pdf));

    // Once the fault is gone the window prints again, and nothing of the dropped job comes along.
    if (fault == u"directory")
        QVERIFY(QDir(dir.path()).rmdir(u"VREL02.vrl"_s));
    writeDataFile(dir.path(), dataFile(text));
    g_boxes->reset();
    g_dialog->setAccepting(true);
    faulty.failAtLine(0);
    r->Command2_Click();
    QCOMPARE(g_boxes->texts(), QStringList{kWarning});
    QCOMPARE(platform::mousePointer(r), MousePointer::Default);
    QCOMPARE(printedPdf::lines(pdf, r->cdl_read->printer()), QList<QStringList>{printedPdf::seen(text, 15)});
    r->cdl_read->setLinePrinter(nullptr);
}
