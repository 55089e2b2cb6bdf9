#include "output/exportFileList.h"
#include "output/listing.h"
#include "output/printFileList.h"
#include "window.h"

using platform::Answer;

class TestOutput : public QObject
{
    Q_OBJECT
    std::optional<Window> m;

private slots:
    void init() { m.emplace(), output::attachExport(m->w), output::attachPrinting(m->w); }
    void cleanup() { m.reset(); }

    void exportWritesTheListAsShown()
    {
        frmVREL_FP &w = m->w;
        // A directory whose name holds a byte that is no valid text and a control character:
        // listed and written into all the same, named with "?" for each.
        QTemporaryDir tmp;
        const QByteArray native = QFile::encodeName(tmp.path()) + "/d\xFF\x01";
        QCOMPARE(::mkdir(native.constData(), 0755), 0);
        const QString dir = platform::pathFromNative(native);
        w.Command2->click();
        fixtures::makeFile(dir, "a.txt", 100);
        fixtures::makeFile(dir, "漢字.txt", 1234567, QDateTime(QDate(1997, 10, 19), QTime(7, 0, 0)));
        fixtures::makeFile(dir, "say \"hi\".txt");
        fixtures::makeFile(dir, "한.txt", 5);
        m->list(dir);
        // Typed and not entered: the header names what the box shows at the click.
        w.Combo1->setEditText(u"*.t*"_s);
        m->person.answers = {Answer::Cancel};
        w.Command2->click();
        QCOMPARE(fixtures::contents(dir + u"/VREL_FILE_LIST.TXT"_s), "(missing)");
        w.Command2->click();
        w.Option2->setChecked(true);
        w.Command2->click();
        w.Command2->click();
        const QString askTxt = u"ファイルリストをVREL_FILE_LIST.TXTという名前で保存します"_s;
        const QString askCsv = u"ファイルリストをVREL_FILE_LIST.CSVという名前で保存します"_s;
        const QString saved = u"ファイルリストを保存しました。"_s;
        QCOMPARE(m->person.trace, (QStringList{u"対象ファイルがありません"_s, askTxt, askTxt, saved, askCsv, saved, askCsv, saved}));
        const QList<platform::Message> &boxes = m->person.boxes;
        QCOMPARE(QList({boxes[0].icon, boxes[1].icon, boxes[3].icon}), QList({platform::Icon::None, platform::Icon::Question, platform::Icon::None}));
        QCOMPARE(boxes[1].buttons, platform::Buttons::OkCancel);
        // Columns 8 + 4 + 11: the total's last digit under the sizes'. A name with no code
        // page 932 form is "?"; a double quote in a CSV field is doubled.
        const QByteArray rule = QByteArray(57, '-') + "\r\n";
        QCOMPARE(fixtures::contents(dir + u"/VREL_FILE_LIST.TXT"_s),
                 "VREL's file print \r\n" + rule + "Directory : " + QFile::encodeName(tmp.path()) + "/d??\r\nFile Type : *.t*\r\n"
                     + rule + "a       .txt        100 97-10-21 09:05:03\r\nsay \"hi\".txt          0 97-10-21 09:05:03\r\n"
                     + "\x8A\xBF\x8E\x9A    .txt  1,234,567 97-10-19 07:00:00\r\n?       .txt          5 97-10-21 09:05:03\r\n"
                     + rule + "Total(4)      1,234,672\r\n");
        QCOMPARE(fixtures::contents(dir + u"/VREL_FILE_LIST.CSV"_s),
                 "\"a\",\".txt\",\"100\",\"97-10-21\",\"09:05:03\"\r\n"
                 "\"say \"\"hi\"\"\",\".txt\",\"100\",\"97-10-21\",\"09:05:03\"\r\n"
                 "\"\x8A\xBF\x8E\x9A\",\".txt\",\"1234667\",\"97-10-19\",\"07:00:00\"\r\n"
                 "\"?\",\".txt\",\"1234672\",\"97-10-21\",\"09:05:03\"\r\n"_ba);
        // "Total(100)" and "50,000" fill 16 cells exactly, and overrun 15: no gap either way.
        QCOMPARE(output::listingTotalLine(100, 50000, 16) + output::listingTotalLine(100, 50000, 15), u"Total(100)50,000Total(100)50,000"_s);
        QCOMPARE(std::system(("rm -r '" + native + '\'').constData()), 0); // beyond QDir, which needs text
    }

    void exportFaultKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("full") << u"ディスクの空き領域が足りません"_s;
        QTest::newRow("read-only, CSV") << u"書き込みのできないディスクです"_s;
        QTest::newRow("gone") << u"ディレクトリが見つかりません"_s;
    }
    void exportFaultKeepsTheEarlierFile()
    {
        QFETCH(QString, reason);
        const QString fault = QString::fromLatin1(QTest::currentDataTag());
        frmVREL_FP &w = m->w;
        QTemporaryDir root;
        Tmpfs disk(root.path());
        VREL_SKIP_WITHOUT(disk);
        const QString dir = root.filePath(u"d"_s);
        QVERIFY(QDir().mkpath(dir));
        fixtures::makeFile(dir, "a.txt", 100);
        fixtures::makeFile(dir, "b.txt", 200);
        const bool csv = fault.endsWith(u"CSV"_s);
        (csv ? w.Option2 : w.Option1)->setChecked(true);
        const QString name = csv ? u"VREL_FILE_LIST.CSV"_s : u"VREL_FILE_LIST.TXT"_s;
        m->list(dir, u"a*"_s);
        w.Command2->click();
        const QByteArray earlier = fixtures::contents(dir + u'/' + name);
        // A longer list this time, so that any of it written over the earlier file would show.
        m->list(dir);
        QVERIFY(fault == u"full" ? disk.fill() : csv ? disk.makeReadOnly() : QDir(dir).removeRecursively());
        m->person.trace.clear();
        w.Command2->click();
        QCOMPARE(m->person.trace.value(1), u"ファイルリストを保存できませんでした\n"_s + dir + u'/' + name + u'\n' + reason);
        QCOMPARE(m->person.boxes.last().icon, platform::Icon::Exclamation);
        QCOMPARE(w.List1->count(), 3); // the list as it was shown, the earlier list file in it
        // No temporary file left behind, and the earlier file as it was.
        QCOMPARE(QDir(dir).entryList({name + u'*'}, QDir::Files | QDir::Hidden).join(u' ') + QString::fromLatin1(fixtures::contents(dir + u'/' + name)),
                 fault == u"gone" ? u"(missing)"_s : name + QString::fromLatin1(earlier));
    }

    void printing()
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
        QPrinter &printer = m->printToPdf(*w.CommonDialog, &w);
        Scripted &person = m->person;
        // The read-me command may have left the hourglass: the empty list's message leaves it,
        // for the print and the preview alike; the abort path, on a cancelled dialog or a printer
        // failing at the second line, printed or previewed, ends it.
        platform::setMousePointer(&w, platform::MousePointer::Hourglass);
        w.Command1->click();
        w.mnuFpreview->trigger();
        m->list(dir.path(), u"*001.dat"_s); // one line is a list to print
        person.acceptDialog = false;
        w.Command1->click();
        person.acceptDialog = true;
        for (QAction *command : {w.mnuFprint, w.mnuFpreview})
            person.failAtLine = 2, command->trigger();
        const QString abort = u"印刷処理を中断します (hourglass)"_s, font = u"font ＭＳ 明朝 (hourglass)"_s, size = u"size 12 (hourglass)"_s;
        const QString empty = u"印刷対象ファイルがありません (hourglass)"_s, preview = u"preview 印刷プレビュー - VREL's File Print"_s;
        const QStringList failing{font, size, u"      VREL's file print  (hourglass)"_s, u"      "_s + rule + u" (hourglass)"_s, u"discard (hourglass)"_s, abort};
        QCOMPARE(person.trace, QStringList({empty, empty, u"printer dialog (hourglass)"_s, u"discard (hourglass)"_s, abort, u"printer dialog"_s})
                                   + failing + QStringList{preview + u" (hourglass)"_s} + failing);
        QCOMPARE(person.boxes[0].icon, platform::Icon::None);
        QVERIFY(!QFile::exists(printer.outputFileName()));

        // The next print starts a document of its own: the header once, every line six cells in
        // with the hourglass up, running on over the next page.
        QStringList expected{u"printer dialog"_s, font, size};
        for (const QString &line : listing)
            expected.append(u"      "_s + line + u" (hourglass)"_s);
        expected.append(u"end (hourglass)"_s);
        m->list(dir.path());
        person.trace.clear();
        w.mnuFprint->trigger();
        QCOMPARE(person.trace, expected);
        QCOMPARE(m->pointer() + QString::number(fixtures::printedPages(printer).size()), u"2"_s);
        QCOMPARE(fixtures::printedPages(printer), fixtures::seen(listing, 6, printer));

        // The preview's pages are the printed ones, drawn alike with the hourglass up. Its print
        // button prints through the printer dialog on the page setup chosen there, which stays.
        const QList<QStringList> printed = fixtures::printedPages(printer);
        std::pair<QList<QStringList>, int> previewed;
        person.looking = [&](QPrintPreviewWidget &pages) {
            pages.print();
            previewed = {fixtures::printedPages(printer), pages.pageCount()};
            pages.setLandscapeOrientation();
        };
        person.printFromPreview = true;
        person.trace.clear();
        w.mnuFpreview->trigger();
        QCOMPARE(previewed, std::pair(printed, 2));
        const QStringList drawn = expected.mid(1);
        QCOMPARE(person.trace, QStringList{preview + u" (hourglass)"_s} + drawn + drawn + drawn + expected);
        QCOMPARE(m->pointer() + QString::number(printer.pageLayout().orientation()), u"1"_s);
        QCOMPARE(fixtures::printedPages(printer), fixtures::seen(listing, 6, printer));
    }
};

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
