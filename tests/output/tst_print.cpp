#include "output/printFileList.h"
#include "platform/printing/commonDialog.h"
#include "window.h"

#include <QAction>
#include <QPrinter>

using platform::MousePointer;

class TestPrint : public QObject
{
    Q_OBJECT
    std::optional<Window> m;
    QTemporaryDir m_out;

private slots:
    void init()
    {
        m.emplace();
        output::attachPrinting(m->w);
        // Printed to a PDF file, as "Print to File (PDF)" in the printer dialog would; every step
        // noted with the pointer it happened under.
        QPrinter &printer = m->w.CommonDialog->printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_out.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s));
        m->person.inner = &m->w.CommonDialog->linePrinter();
        m->w.CommonDialog->setLinePrinter(&m->person);
        m->person.mark = [this] { return m->pointer(); };
    }
    void cleanup() { m.reset(); }

    void printsTheListing()
    {
        QTemporaryDir dir;
        const QString rule(57, u'-');
        QStringList listing{u"VREL's file print "_s, rule, u"Directory : "_s + dir.path(), u"File Type : *.*"_s, rule};
        for (int i = 1; i <= 80; ++i) {
            const QString name = u"帳票%1.dat"_s.arg(i, 3, 10, QChar(u'0'));
            fixtures::makeFile(dir.path(), name.toUtf8(), 2048, QDateTime(QDate(2003, 3, 3), QTime(3, 3, 3)));
            listing.append(name + u"  2,048 03-03-03 03:03:03"_s);
        }
        // Names 8 cells, extensions 4, sizes 7: the total's last digit stands under the sizes'.
        listing += {rule, u"Total(80)  163,840"_s};
        frmVREL_FP &w = m->w;
        QVERIFY(w.Dir1->setPath(dir.path()));

        w.Command1->click();
        QStringList expected{u"printer dialog"_s, u"font ＭＳ 明朝 (hourglass)"_s, u"size 12 (hourglass)"_s};
        for (const QString &line : listing)
            expected.append(u"      "_s + line + u" (hourglass)"_s);
        QCOMPARE(m->person.trace, expected << u"end (hourglass)"_s);
        QCOMPARE(m->pointer(), QString());
        // On paper: the header once, every line six cells in, running on over the next page.
        QPrinter &printer = w.CommonDialog->printer();
        QCOMPARE(fixtures::printedPages(printer), fixtures::seen(listing, 6, printer));
        QCOMPARE(fixtures::printedPages(printer).size(), 2);
        // The File menu entry prints the same.
        m->person.trace.clear();
        w.mnuFprint->trigger();
        QCOMPARE(m->person.trace, expected);
    }

    void emptyList()
    {
        // The read-me command may have left the hourglass; this message leaves it alone.
        platform::setMousePointer(&m->w, MousePointer::Hourglass);
        m->w.Command1->click();
        QCOMPARE(m->person.trace, QStringList{u"印刷対象ファイルがありません (hourglass)"_s});
        QCOMPARE(m->person.boxes[0].icon, platform::Icon::None);
    }

    void abortPath_data()
    {
        QTest::addColumn<int>("failAtLine");
        QTest::addColumn<QStringList>("trace");
        const QString abort = u"印刷処理を中断します (hourglass)"_s;
        QTest::newRow("printer dialog cancelled") << -1 << QStringList{u"printer dialog (hourglass)"_s, u"discard (hourglass)"_s, abort};
        QTest::newRow("printer failing at the second line")
            << 2 << QStringList{u"printer dialog (hourglass)"_s, u"font ＭＳ 明朝 (hourglass)"_s, u"size 12 (hourglass)"_s,
                                u"      VREL's file print  (hourglass)"_s, u"      "_s + QString(57, u'-') + u" (hourglass)"_s,
                                u"discard (hourglass)"_s, abort};
    }
    void abortPath()
    {
        QFETCH(int, failAtLine);
        QFETCH(QStringList, trace);
        QTemporaryDir dir;
        fixtures::makeFile(dir.path(), "a.txt", 1);
        frmVREL_FP &w = m->w;
        QVERIFY(w.Dir1->setPath(dir.path()));
        // The read-me command may have left the hourglass; an aborted print ends it all the same.
        platform::setMousePointer(&w, MousePointer::Hourglass);
        m->person.acceptDialog = failAtLine > 0;
        m->person.failAtLine = std::max(failAtLine, 0);
        w.Command1->click();
        QCOMPARE(m->person.trace, trace);
        QCOMPARE(m->pointer(), QString());
        QVERIFY(!QFile::exists(w.CommonDialog->printer().outputFileName()));
        // The next print starts a document of its own: header, line, rule and total.
        m->person.acceptDialog = true;
        m->person.failAtLine = 0;
        w.Command1->click();
        QCOMPARE(fixtures::printedPages(w.CommonDialog->printer()).value(0).size(), 8);
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
