#include "widgets/output/exportFileList.h"
#include "widgets/output/printFileList.h"
#include "window.h"

#include <QAccessible>
#include <QProcess>
#include <QLocalServer>

static const auto kAskTxt = u"ファイルリストをVREL_FILE_LIST.TXTという名前で保存します"_s;
static const auto kAskCsv = u"ファイルリストをVREL_FILE_LIST.CSVという名前で保存します"_s;
static const auto kSaved = u"ファイルリストを保存しました。"_s;
static const auto kPreview = u"preview 印刷プレビュー - VREL's File Print"_s + kWait;
static const QString kRule(57, u'-');

// The installed program run as a script runs it, with no display, asking the print server given:
// its exit code, standard output and standard error.
static QStringList script(const QStringList &arguments, const QString &printServer = {})
{
    auto env = QProcessEnvironment::systemEnvironment();
    for (auto &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s}) env.remove(name);
    static const QTemporaryDir runtime; // where Qt looks first, lest it warn
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    if (!printServer.isEmpty()) env.insert(u"CUPS_SERVER"_s, printServer);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QDir(qApp->applicationDirPath()).filePath(QStringLiteral(VREL_PROGRAM)), arguments, QIODevice::ReadOnly | QIODevice::Text);
    if (!p.waitForFinished(60000) || p.exitStatus()) return {u"(crashed or hung)"_s};
    return {QString::number(p.exitCode()), QString::fromLocal8Bit(p.readAllStandardOutput()), QString::fromLocal8Bit(p.readAllStandardError())};
}

class TestOutput : public QObject
{
    Q_OBJECT
    std::optional<Window> m;
    frmVREL_FP *w = nullptr;
    QPrinter *printer = nullptr;

    QString home(const QString &name = {}) { return m->pdf.filePath(name); } // the window's own folder, or `name` in it

    // 80 files, more than a page holds, in the window's own folder, listed there; the window
    // prints into a PDF file beside them. Gives their listing as printed, less the indent: names
    // 8 cells, extensions 4, sizes 7, the total's last digit under the sizes'.
    QStringList listEightyFiles()
    {
        QStringList listing{u"VREL's file print "_s, kRule, u"Directory : "_s + home(), u"File Type : *.*"_s, kRule};
        for (int i = 101; i <= 180; ++i) {
            makeFile(home(), "帳票" + QByteArray::number(i) + ".dat", 2048);
            listing.append(u"帳票%1.dat  2,048 97-10-21 09:05:03"_s.arg(i));
        }
        printer = &m->printToPdf(*w->CommonDialog, w);
        m->list(home());
        return listing << kRule << u"Total(80)  163,840"_s;
    }

private slots:
    void init()
    {
        w = &m.emplace().w;
        output::attachExport(*w);
        output::attachPrinting(*w);
    }

    void exportWritesTheListAsShown()
    {
        VREL_LINUX_ONLY("names Windows cannot have");
#ifdef Q_OS_LINUX
        // A directory whose name holds a byte that is no valid text and a control character:
        // listed and written into all the same, named with "?" for each.
        auto native = QFile::encodeName(home()) + "/d\xFF\x01";
        QCOMPARE(::mkdir(native.constData(), 0755), 0);
        auto dir = pathFromNative(native);
        w->Command2->click();
        makeFile(dir, "a.txt", 100);
        makeFile(dir, "漢字.txt", 1234567, {QDate(1997, 10, 19), QTime(7, 0)});
        makeFile(dir, "say \"hi\".txt");
        makeFile(dir, "한.txt", 5);
        m->list(dir);
        // Typed and not entered: the header names what the box shows at the click. A pasted line
        // break, a right-to-left override, a line separator and the last C1 control are each
        // shown "?", so that the file keeps its lines, and count as nothing lost; the é does.
        w->Combo1->setEditText(u"*.t*é\r\n\u202E\u2028\u009F"_s);
        // Cancelled, then saved as TXT and as CSV.
        m->person.answers = {Answer::Cancel};
        w->Command2->click();
        w->Command2->click();
        w->Option2->setChecked(true);
        w->Command2->click();
        // The directory's U+FFFD and the hangul have no code page 932 form; the CSV file has no
        // directory or pattern line to lose one.
        auto lost = u"ファイル名1件の一部の文字は「?」として保存されます（한.txt）"_s;
        auto askTxt = kAskTxt + u"\nディレクトリ名とファイルタイプと"_s + lost;
        QCOMPARE(m->person.trace, (QStringList{u"対象ファイルがありません"_s, askTxt, askTxt, kSaved, kAskCsv + u'\n' + lost, kSaved}));
        QCOMPARE(m->person.boxes[0].icon, Icon::None);
        QCOMPARE(m->person.boxes[1].icon, Icon::Question);
        QCOMPARE(m->person.boxes[1].buttons, Buttons::OkCancel);
        // Columns 8 + 4 + 11: the total's last digit under the sizes'. A name with no code
        // page 932 form is "?"; a double quote in a CSV field is doubled.
        auto rule = kRule.toLatin1() + "\r\n";
        QCOMPARE(contents(dir + u"/VREL_FILE_LIST.TXT"_s), "VREL's file print \r\n" + rule + "Directory : " + native.chopped(2) + "??\r\nFile Type : *.t*??????\r\n"
                     + rule + "a       .txt        100 97-10-21 09:05:03\r\nsay \"hi\".txt          0 97-10-21 09:05:03\r\n"
                     + "\x8A\xBF\x8E\x9A    .txt  1,234,567 97-10-19 07:00:00\r\n?       .txt          5 97-10-21 09:05:03\r\n" + rule + "Total(4)      1,234,672\r\n");
        QCOMPARE(contents(dir + u"/VREL_FILE_LIST.CSV"_s), "\"a\",\".txt\",\"100\",\"97-10-21\",\"09:05:03\"\r\n\"say \"\"hi\"\"\",\".txt\",\"100\",\"97-10-21\",\"09:05:03\"\r\n"
                 "\"\x8A\xBF\x8E\x9A\",\".txt\",\"1234667\",\"97-10-19\",\"07:00:00\"\r\n\"?\",\".txt\",\"1234672\",\"97-10-21\",\"09:05:03\"\r\n"_ba);
        QCOMPARE(std::system(("rm -r '" + native + '\'').constData()), 0); // beyond QDir, which needs text
#endif
    }

    void oneOperationAtATime_data()
    {
        // Done while a's list is read or while a command on it asks: the folder shown and its
        // list, at once and when idle again, and the command's last step, over the folder shown
        // then.
        QTest::addColumn<QString>("later");
        QTest::addColumn<QString>("step");
        QTest::newRow("read, folders handed over") << u"b"_s << QString();
        QTest::newRow("read, menu keys") << u"a"_s << QString();
        QTest::newRow("read, pattern edited by a reader") << u"a"_s << QString();
        QTest::newRow("export's question, folders handed over") << u"b"_s << kSaved + u" @a"_s;
        QTest::newRow("printer dialog, folders handed over") << u"b"_s << u"end @a"_s;
        QTest::newRow("print preview, folders handed over") << u"b"_s << u"end @a"_s;
    }
    void oneOperationAtATime()
    {
        QFETCH(QString, later);
        QByteArray tag = QTest::currentDataTag();
        for (auto &name : {u"a"_s, u"b"_s, u"c"_s}) {
            QVERIFY(QDir(home()).mkdir(name));
            makeFile(home(name), name.toLatin1() + ".txt", 1);
        }
        m->printToPdf(*w->CommonDialog, w);
        m->person.printFromPreview = true;
        auto shown = [this] { return QFileInfo(w->Dir1->path()).fileName(); };
        m->person.mark = [&] { return u" @"_s + shown(); };
        QSemaphore held;
        auto meanwhile = [&] {
            if (tag.contains("handed")) QVERIFY(m->handOver({home(u"c"_s), home(u"b"_s)}));
            if (tag.contains("keys")) QTest::keySequence(w, u"Ctrl+P, Ctrl+Shift+P"_s);
            // As a reader reaches the pattern: through the box, into the editor it focuses.
            if (tag.contains("pattern")) QAccessible::queryAccessibleInterface(w->Combo1)->focusChild()->editableTextInterface()->insertText(0, u"x"_s);
            held.release(10); // for every read from then on
        };
        if (tag.startsWith("read")) {
            // The first read is held until that is done, inside the wait.
            QTimer::singleShot(0, this, meanwhile);
            w->setFactsReader([&held](auto &at, auto &name) { return held.tryAcquire(1, 5000) ? readFileFacts(at, name) : std::nullopt; });
            w->Dir1->setPath(home(u"a"_s));
        } else {
            m->list(home(u"a"_s));
            m->person.meanwhile = meanwhile;
            if (tag.startsWith("export"))
                w->Command2->click();
            else
                (tag.startsWith("printer") ? w->mnuFprint : w->mnuFpreview)->trigger();
        }
        for (auto &folder : {u"a"_s, later}) { // at once, then when idle
            QTRY_COMPARE(shown(), folder);
            // A pattern changed under the read leaves no list, as any build whose pattern went meanwhile.
            QCOMPARE(w->List1->lines(), tag.contains("pattern") ? QStringList() : QStringList{folder + u"     .txt  1 97-10-21 09:05:03"_s});
            QTEST(m->person.trace.value(m->person.trace.size() - 1), "step");
        }
        // The commands that waited answer again.
        for (auto command : {w->mnuFprint, w->mnuFpreview, w->mnuReadme}) QVERIFY(command->isEnabled());
    }

    void exportTellsWhatIsLost_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("question");
        auto lost = u"の一部の文字は「?」として保存されます（a¥.txt、b‾.txt、c한.txt"_s;
        QTest::newRow("nothing lost") << u"〜*"_s << kAskTxt;
        QTest::newRow("CSV, three names, all named") << u"a*;b*;c*"_s << kAskCsv + u"\nファイル名3件"_s + lost + u'）';
        QTest::newRow("CSV, four names, four formulas") << u"*"_s << kAskCsv + u"\nファイル名4件"_s + lost
            + u" ほか）\nファイル名4件は表計算ソフトで開くと数式として扱われます（+1.txt、-草案.doc、=HYPERLINK('x','請求書').pdf ほか）"_s;
    }
    void exportTellsWhatIsLost()
    {
        QFETCH(QString, pattern);
        // Beginning with = + - @, a name is a formula to a spreadsheet; only in the CSV does it say so.
        for (auto name : {"a¥.txt", "b‾.txt", "c한.txt", "dé.txt", "〜¢£¬−‖—.txt", "+1.txt", "-草案.doc",
                          "=HYPERLINK('x','請求書').pdf", "@a.txt", "a=b.txt"})
            makeFile(home(), name);
        m->list(home(), pattern);
        w->Option2->setChecked(QByteArray(QTest::currentDataTag()).startsWith("CSV"));
        w->Command2->click();
        QTEST(m->person.trace.value(0), "question");
    }

    void exportOverWhatIsThere_data()
    {
        QTest::addColumn<QString>("prepare"); // run in the listed directory over the earlier file F; none: made read-only
        // Why nothing was written, or where the list file was, its mode under the umask 077.
        QTest::addColumn<QString>("outcome");
        QTest::newRow("full") << u"! cat /dev/zero >filler 2>/dev/null"_s << u"ディスクの空き領域が足りません"_s;
        QTest::newRow("read-only, CSV") << QString() << u"書き込みのできないディスクです"_s;
        QTest::newRow("gone") << u"cd .. && rm -r d"_s << u"ディレクトリが見つかりません"_s;
        QTest::newRow("directory") << u"rm $F && mkdir $F"_s << u"同じ名前のディレクトリがあります"_s;
        QTest::newRow("link to a directory, CSV") << u"rm $F && ln -s .. $F"_s << u"同じ名前のディレクトリがあります"_s;
        QTest::newRow("FIFO") << u"rm $F && mkfifo $F"_s << u"同じ名前の通常のファイルでないものがあります"_s;
        // Only a plain file's read and write bits carry over; a link gives a new file's mode.
        QTest::newRow("0640 file") << u"chmod 640 $F"_s << u"100640"_s;
        QTest::newRow("link to a 04755 file") << u"mv $F program && chmod 4755 program && ln -s program $F"_s << u"100600"_s;
    }
    void exportOverWhatIsThere()
    {
        QFETCH(QString, prepare);
        QFETCH(QString, outcome);
        VREL_LINUX_ONLY("a tmpfs, modes, links, FIFOs");
#ifdef Q_OS_LINUX
        QByteArray fault = QTest::currentDataTag();
        const struct Umask { mode_t kept = ::umask(077); ~Umask() { ::umask(kept); } } umask;
        Tmpfs disk(home());
        VREL_FAIL_WITHOUT(disk);
        auto dir = home(u"d"_s);
        QVERIFY(QDir().mkpath(dir));
        makeFile(dir, "a.txt");
        // Each entry of the listed directory whose name begins with `name`, as lstat sees it: its
        // name, kind and mode bits, and size.
        auto entries = [&dir](const QString &name) {
            QString found;
            for (const auto &entry : QDir(dir).entryList({name + u'*'}, QDir::AllEntries | QDir::System)) {
                struct stat st {};
                ::lstat(QFile::encodeName(dir + u'/' + entry).constData(), &st);
                found += entry + u" %1 %2 "_s.arg(st.st_mode, 0, 8).arg(st.st_size);
            }
            return found;
        };
        auto name = u"VREL_FILE_LIST."_s + (fault.endsWith("CSV") ? u"CSV"_s : u"TXT"_s);
        w->Option2->setChecked(fault.endsWith("CSV"));
        m->list(dir);
        w->Command2->click();
        auto earlier = QFileInfo(dir + u'/' + name).size();
        // Listed again, the list file with it: any of the longer list written over it would show.
        m->list(dir);
        auto shell = u"cd '%1' && F=%2 && %3"_s.arg(dir, name, prepare);
        QVERIFY(prepare.isEmpty() ? ::mount(nullptr, disk.dir.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0 : std::system(qPrintable(shell)) == 0);
        auto before = entries(name);
        w->Command2->click();
        const bool saved = outcome.startsWith(u'1');
        QCOMPARE(m->person.trace.last(), saved ? kSaved : u"ファイルリストを保存できませんでした\n%1/%2\n%3"_s.arg(dir, name, outcome));
        QCOMPARE(m->person.boxes.last().icon, saved ? Icon::None : Icon::Exclamation);
        if (saved) // the mode of a plain file
            QCOMPARE(entries(name).section(u' ', 1, 1), outcome);
        else // nothing written, no temporary file left behind
            QCOMPARE(entries(name), before);
        QCOMPARE(entries(u"program"_s), fault.contains("04755") ? u"program 104755 %1 "_s.arg(earlier) : QString());
#endif
    }

    void batchWritesWhatTheWindowWrites_data()
    {
        QTest::addColumn<QByteArrayList>("files");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("exitCode");
        QByteArrayList mixed{"a.txt", "漢字.txt", "ｶﾀｶﾅ.doc", "README", "報告書.tar.gz", "全角ＡＢ.txt", "-草案.doc", "@メモ.txt"};
        QByteArrayList many;
        for (int i = 0; i < 9999; ++i) many.append("f" + QByteArray::number(i) + ".dat");
        QTest::newRow("Japanese names, two formulas, CSV") << mixed << u"*.txt;*.doc"_s << 0;
        QTest::newRow("9,999 files") << many << u"*.*"_s << 0;
        QTest::newRow("no directory to open") << QByteArrayList{} << u"*.*"_s << 2;
        QTest::newRow("empty") << QByteArrayList{} << u"*.*"_s << 3;
        QTest::newRow("10,000 files and a blank pattern") << (many << "z.dat") << u" ; "_s << 4;
        QTest::newRow("a blank pattern") << mixed << u" ; "_s << 5;
        QTest::newRow("sizes no count holds") << QByteArrayList{"a.img", "b.img"} << u"*.*"_s << 6;
        QTest::newRow("a write that fails, CSV") << QByteArrayList{"a.txt"} << u"*.*"_s << 7;
    }
    void batchWritesWhatTheWindowWrites()
    {
        // The window started on a folder and its list exported, then the same list written from
        // a script: the same bytes, and where the window refuses with a box, one line of the
        // same words on standard error and an exit code of its own.
        QFETCH(QByteArrayList, files);
        QFETCH(QString, pattern);
        QFETCH(int, exitCode);
        auto dir = home(u"一覧 dir"_s);
        bool csv = QByteArray(QTest::currentDataTag()).contains("CSV");
        auto file = dir + u"/VREL_FILE_LIST."_s + (csv ? u"CSV"_s : u"TXT"_s);
        if (exitCode != 2) QVERIFY(QDir().mkpath(dir)); // none to open
        const Tmpfs disk(dir, exitCode == 6); // where files claim 2^63 - 1 bytes each
        VREL_FAIL_WITHOUT(disk);
        for (auto &name : files) makeFile(dir, name, exitCode == 6 ? INT64_MAX : name.size() * 1000);
        if (exitCode == 7) QVERIFY(QDir().mkdir(file)); // a directory the file cannot replace
        auto written = [&file] { return QFileInfo(file).isFile() ? contents(file) : "(none)"_ba; };
        w->Option2->setChecked(csv);
        w->openFolder(dir, pattern);
        w->Command2->click();
        auto shown = written();
        QFile::remove(file);
        auto ran = script({u"--export"_s, csv ? u"csv"_s : u"txt"_s, u"--pattern"_s, pattern, dir});
        QCOMPARE(written(), shown);
        // Saved, the script says what the question's second line says: the characters lost to
        // "?", in what the console's code page holds of them. Refused, what the first box that is
        // no question says.
        bool asked = m->person.boxes.value(0).icon == Icon::Question;
        auto said = exitCode ? m->person.trace.value(asked ? 1 : 0).replace(u'\n', u": "_s) : m->person.trace.value(0).section(u'\n', 1);
        auto err = QString::fromLocal8Bit((said.isEmpty() ? said : said + u'\n').toLocal8Bit());
        QCOMPARE(ran, (QStringList{QString::number(exitCode), exitCode ? QString() : QDir::toNativeSeparators(file) + u'\n', err}));
    }

    void printingStops()
    {
        auto &pdf = m->printToPdf(*w->CommonDialog, w);
        makeFile(home(), "a.txt");
        // Each print asks the print server first, through a socket that is closed again.
        const auto open = QDir(u"/proc/self/fd"_s).count();
        // The read-me command may have left the hourglass: the empty list's message leaves it,
        // for the print and the preview alike; the abort path, on a cancelled dialog or a printer
        // failing at the second line, printed or previewed, ends it.
        setMousePointer(w, MousePointer::Hourglass);
        w->Command1->click();
        w->mnuFpreview->trigger();
        m->list(home());
        m->person.acceptDialog = false;
        w->Command1->click();
        m->person.acceptDialog = true;
        for (auto command : {w->mnuFprint, w->mnuFpreview}) {
            m->person.failAtLine = 2;
            command->trigger();
        }
        auto abort = u"印刷処理を中断します"_s + kWait;
        auto empty = u"印刷対象ファイルがありません"_s + kWait;
        auto failing = drawn({u"VREL's file print "_s, kRule}, 6).first(4) << u"discard"_s + kWait << abort;
        QCOMPARE(m->person.trace, QStringList({empty, empty, u"printer dialog"_s + kWait, u"discard"_s + kWait, abort, u"printer dialog"_s}) + failing
                                      + QStringList{kPreview} + failing);
        QVERIFY(!QFile::exists(pdf.outputFileName()));
        QCOMPARE(QDir(u"/proc/self/fd"_s).count(), open);
    }

    void previewDrawsAndPrintsThePages()
    {
        VREL_LINUX_ONLY("pages read by poppler");
        auto listing = listEightyFiles();
        // The preview draws the printed pages with the hourglass up. Its print button prints
        // through the printer dialog on the page setup chosen there, which stays: the header
        // once, the lines running on over the next page.
        m->person.looking = [&](auto &preview) {
            preview.print();
            QCOMPARE(printedPages(*printer), seen(listing, 6, *printer));
            preview.setLandscapeOrientation();
        };
        m->person.printFromPreview = true;
        w->mnuFpreview->trigger();
        auto steps = drawn(listing, 6);
        QCOMPARE(m->person.trace, QStringList{kPreview} + steps + steps + steps + QStringList{u"printer dialog"_s} + steps);
        QCOMPARE(m->pointer(), QString());
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(printedPages(*printer), seen(listing, 6, *printer));
    }

    void printingFromAScript()
    {
        VREL_LINUX_ONLY("pages read by poppler");
        auto listing = listEightyFiles();
        // The window's printed pages in a PDF file, made without asking a print server, which
        // here takes the connection and says nothing.
        QLocalServer silent;
        const auto silentAt = home(u"cups.sock"_s);
        QVERIFY(silent.listen(silentAt));
        QCOMPARE(script({u"--pdf"_s, printer->outputFileName(), home()}, silentAt), (QStringList{u"0"_s, printer->outputFileName() + u'\n', QString()}));
        QCOMPARE(printedPages(*printer), seen(listing, 6, *printer));
        // To print, it gives that server its three seconds, then gives up, saying so.
        const auto aborted = u"印刷処理を中断します"_s;
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(script({u"--print"_s, home()}, silentAt).value(2), aborted + u": 3 秒待ちましたが応答がありません: "_s + silentAt + u'\n');
        QVERIFY(waited.elapsed() >= 3000 && waited.elapsed() < 3900);
        // On no printer, the print is not tried; "--export" as a printer's name is no export.
        QCOMPARE(script({u"--print"_s, home()}).value(2), aborted + u": プリンタがありません\n"_s);
        QCOMPARE(script({u"--printer"_s, u"--export"_s, u"--print"_s, home()}).value(2), aborted + u": プリンタ --export がありません\n"_s);
    }
};

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
