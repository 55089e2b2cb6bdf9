#include "widgets/output/exportFileList.h"
#include "core/list/listText.h"
#include "widgets/output/printFileList.h"
#include "window.h"

#include <QAccessible>
#include <QProcess>
#include <QSemaphore>
#include <QTcpServer>

// The installed program run as a script runs it, with no display: its exit code, standard output and
// standard error. A script's export is left to a program of QtCore alone, which a window library
// that cannot be loaded does not stop.
static QStringList runProgram(const QStringList &arguments)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    static const QTemporaryDir runtime; // where Qt looks first, lest it warn
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    fixtures::makeFile(runtime.path(), "libQt6Gui.so.6");
    if (arguments.value(0) == u"--export"_s)
        environment.insert(u"LD_LIBRARY_PATH"_s, runtime.path());
    program.setProcessEnvironment(environment);
    program.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(VREL_PROGRAM)), arguments, QIODevice::ReadOnly | QIODevice::Text);
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit)
        return {u"(crashed or hung)"_s};
    return {QString::number(program.exitCode()), QString::fromLocal8Bit(program.readAllStandardOutput()), QString::fromLocal8Bit(program.readAllStandardError())};
}

class TestOutput : public QObject
{
    Q_OBJECT
    std::optional<Window> m;

private slots:
    void init() { m.emplace(), output::attachExport(m->w), output::attachPrinting(m->w); }
    void cleanup() { m.reset(); }

    void exportWritesTheListAsShown()
    {
        VREL_LINUX_ONLY("names Windows cannot have, a byte that is no text, a C0 control, a double quote");
#ifdef Q_OS_LINUX
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
        // Typed and not entered: the header names what the box shows at the click, a pasted line
        // break, a right-to-left override, a line separator and the last C1 control each one "?",
        // so that the file keeps its lines and the question finds nothing lost in the pattern.
        w.Combo1->setEditText(u"*.t*\r\n\u202E\u2028\u009F"_s);
        m->person.answers = {platform::Answer::Cancel};
        w.Command2->click();
        QCOMPARE(fixtures::contents(dir + u"/VREL_FILE_LIST.TXT"_s), "(missing)");
        w.Command2->click();
        w.Option2->setChecked(true);
        w.Command2->click();
        // The directory's U+FFFD and the hangul have no code page 932 form; the CSV file has no
        // directory line to lose one.
        const QString lost = u"ファイル名1件の一部の文字は「?」として保存されます（한.txt）"_s;
        const QString askTxt = u"ファイルリストをVREL_FILE_LIST.TXTという名前で保存します\nディレクトリ名と"_s + lost;
        const QString askCsv = u"ファイルリストをVREL_FILE_LIST.CSVという名前で保存します\n"_s + lost;
        const QString saved = u"ファイルリストを保存しました。"_s;
        QCOMPARE(m->person.trace, (QStringList{u"対象ファイルがありません"_s, askTxt, askTxt, saved, askCsv, saved}));
        const QList<platform::Message> &boxes = m->person.boxes;
        QCOMPARE(QList({boxes[0].icon, boxes[1].icon, boxes[3].icon}), QList({platform::Icon::None, platform::Icon::Question, platform::Icon::None}));
        QCOMPARE(boxes[1].buttons, platform::Buttons::OkCancel);
        // Columns 8 + 4 + 11: the total's last digit under the sizes'. A name with no code
        // page 932 form is "?"; a double quote in a CSV field is doubled.
        const QByteArray rule = QByteArray(57, '-') + "\r\n";
        QCOMPARE(fixtures::contents(dir + u"/VREL_FILE_LIST.TXT"_s),
                 "VREL's file print \r\n" + rule + "Directory : " + QFile::encodeName(tmp.path()) + "/d??\r\nFile Type : *.t*?????\r\n"
                     + rule + "a       .txt        100 97-10-21 09:05:03\r\nsay \"hi\".txt          0 97-10-21 09:05:03\r\n"
                     + "\x8A\xBF\x8E\x9A    .txt  1,234,567 97-10-19 07:00:00\r\n?       .txt          5 97-10-21 09:05:03\r\n"
                     + rule + "Total(4)      1,234,672\r\n");
        QCOMPARE(fixtures::contents(dir + u"/VREL_FILE_LIST.CSV"_s),
                 "\"a\",\".txt\",\"100\",\"97-10-21\",\"09:05:03\"\r\n"
                 "\"say \"\"hi\"\"\",\".txt\",\"100\",\"97-10-21\",\"09:05:03\"\r\n"
                 "\"\x8A\xBF\x8E\x9A\",\".txt\",\"1234667\",\"97-10-19\",\"07:00:00\"\r\n"
                 "\"?\",\".txt\",\"1234672\",\"97-10-21\",\"09:05:03\"\r\n"_ba);
        // "Total(100)" and "50,000" fill 16 cells exactly, and overrun 15: no gap either way.
        QCOMPARE(output::totalLine(100, 50000, 16) + output::totalLine(100, 50000, 15), u"Total(100)50,000Total(100)50,000"_s);
        QCOMPARE(std::system(("rm -r '" + native + '\'').constData()), 0); // beyond QDir, which needs text
#endif
    }

    void oneOperationAtATime_data()
    {
        // Done while A's list is read or while a command on it asks: the folder shown, its list
        // and the command's last step over the folder shown then, at once and when idle again.
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("later");
        const QString a = u"A|a     .txt  1 97-10-21 09:05:03|"_s, b = u"B|b     .txt  2 97-10-21 09:05:03|"_s;
        QTest::newRow("read, folders handed over") << a << b;
        QTest::newRow("read, menu keys") << a << a;
        QTest::newRow("read, pattern edited by a screen reader") << u"A||"_s << u"A||"_s;
        QTest::newRow("export's question, folders handed over") << a + u"ファイルリストを保存しました。 @A"_s << b + u"ファイルリストを保存しました。 @A"_s;
        QTest::newRow("printer dialog, folders handed over") << a + u"end @A"_s << b + u"end @A"_s;
        QTest::newRow("print preview, folders handed over") << a + u"end @A"_s << b + u"end @A"_s;
    }
    void oneOperationAtATime()
    {
        QFETCH(QString, later);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        QTemporaryDir root;
        for (const QString &name : {u"A"_s, u"B"_s, u"C"_s})
            QVERIFY(QDir(root.path()).mkdir(name));
        fixtures::makeFile(root.filePath(u"A"_s), "a.txt", 1);
        fixtures::makeFile(root.filePath(u"B"_s), "b.txt", 2);
        frmVREL_FP &w = m->w;
        m->printToPdf(*w.CommonDialog, &w);
        m->person.printFromPreview = true;
        m->person.mark = [&w] { return u" @"_s + QFileInfo(w.Dir1->path()).fileName(); };
        const auto state = [&] { return QFileInfo(w.Dir1->path()).fileName() + u'|' + w.List1->lines().join(u'|') + u'|' + m->person.trace.value(m->person.trace.size() - 1); };
        const auto meanwhile = [&] {
            if (tag.contains(u"handed"))
                QVERIFY(m->handOver({root.filePath(u"C"_s), root.filePath(u"B"_s)}));
            if (tag.contains(u"keys"))
                QTest::keySequence(&w, QKeySequence(u"Ctrl+P, Ctrl+Shift+P"_s));
            if (tag.contains(u"pattern")) // as a reader reaches it: through the box, into the editor it focuses
                QAccessible::queryAccessibleInterface(w.Combo1)->focusChild()->editableTextInterface()->insertText(0, u"x"_s);
        };
        if (tag.startsWith(u"read")) {
            // The first file's read is held until that is done, inside the wait.
            QSemaphore held;
            QTimer::singleShot(0, this, [&] { meanwhile(); held.release(); });
            w.setFactsReader([&held, first = std::make_shared<std::atomic_flag>()](const platform::OpenDirectory &at, const QByteArray &name) {
                return first->test_and_set() || held.tryAcquire(1, 5000) ? platform::readFileFacts(at, name) : std::nullopt;
            });
            w.Dir1->setPath(root.filePath(u"A"_s));
        } else {
            m->list(root.filePath(u"A"_s));
            m->person.meanwhile = meanwhile;
            tag.startsWith(u"export") ? w.Command2->click() : (tag.startsWith(u"printer") ? w.mnuFprint : w.mnuFpreview)->trigger();
        }
        QTEST(state(), "shown");
        QTRY_COMPARE(state(), later);
        // The commands that waited answer again.
        QVERIFY(w.mnuFprint->isEnabled() && w.mnuFpreview->isEnabled() && w.mnuReadme->isEnabled());
    }

    void exportTellsWhatIsLost_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("question");
        const QString txt = u"ファイルリストをVREL_FILE_LIST.TXTという名前で保存します"_s;
        const QString csv = u"ファイルリストをVREL_FILE_LIST.CSVという名前で保存します"_s;
        const QString names = u"ファイル名4件の一部の文字は「?」として保存されます（a¥.txt、b‾.txt、c한.txt ほか）"_s;
        QTest::newRow("nothing lost") << u"〜*"_s << txt;
        QTest::newRow("pattern and four names, three named") << u"*.txt;é*"_s << txt + u"\nファイルタイプと"_s + names;
        QTest::newRow("CSV, which has no pattern line; three, all named")
            << u"a*;b*;c*"_s << csv + u"\nファイル名3件の一部の文字は「?」として保存されます（a¥.txt、b‾.txt、c한.txt）"_s;
        QTest::newRow("CSV, the same four names and four a spreadsheet reads as formulas") << u"*"_s << csv + u'\n' + names
            + u"\nファイル名4件は表計算ソフトで開くと数式として扱われます（+1.txt、-草案.doc、=HYPERLINK('x','請求書').pdf ほか）"_s;
    }
    void exportTellsWhatIsLost()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, question);
        QTemporaryDir dir;
        // Beginning with = + - @, a name is a formula to a spreadsheet; only in the CSV does it say so.
        for (const char *name : {"a¥.txt", "b‾.txt", "c한.txt", "dé.txt", "〜¢£¬−‖—.txt", "+1.txt", "-草案.doc",
                                 "=HYPERLINK('x','請求書').pdf", "@a.txt", "a=b.txt"})
            fixtures::makeFile(dir.path(), name);
        m->list(dir.path(), pattern);
        (QByteArray(QTest::currentDataTag()).startsWith("CSV") ? m->w.Option2 : m->w.Option1)->setChecked(true);
        m->person.answers = {platform::Answer::Cancel};
        m->w.Command2->click();
        QCOMPARE(m->person.trace, QStringList{question});
    }

    void exportOverWhatIsThere_data()
    {
        QTest::addColumn<QString>("prepare"); // run in the listed directory over the earlier file F
        QTest::addColumn<QString>("reason");  // why nothing was written; none where the list file was
        QTest::addColumn<QString>("mode");    // of the list file written, under the umask 077
        const QString directory = u"同じ名前のディレクトリがあります"_s;
        QTest::newRow("full") << QString() << u"ディスクの空き領域が足りません"_s << QString();
        QTest::newRow("read-only, CSV") << QString() << u"書き込みのできないディスクです"_s << QString();
        QTest::newRow("gone") << u"cd .. && rm -r d"_s << u"ディレクトリが見つかりません"_s << QString();
        QTest::newRow("directory") << u"rm $F && mkdir $F"_s << directory << QString();
        QTest::newRow("link to a directory, CSV") << u"rm $F && ln -s .. $F"_s << directory << QString();
        QTest::newRow("FIFO") << u"rm $F && mkfifo $F"_s << u"同じ名前の通常のファイルでないものがあります"_s << QString();
        // Only a plain file's read and write bits carry over; a link gives a new file's mode.
        QTest::newRow("0640 file") << u"chmod 640 $F"_s << QString() << u"100640"_s;
        QTest::newRow("link to a 04755 file") << u"mv $F ../program && chmod 4755 ../program && ln -s ../program $F"_s << QString() << u"100600"_s;
    }
    void exportOverWhatIsThere()
    {
        QFETCH(QString, prepare);
        QFETCH(QString, reason);
        QFETCH(QString, mode);
        VREL_LINUX_ONLY("a tmpfs of the test's own, modes, links, FIFOs and the shell");
#ifdef Q_OS_LINUX
        // Each entry of `dir` whose name begins with `name`, as lstat sees it: its name, kind and
        // mode bits, and a plain file's bytes.
        const auto entries = [](const QString &dir, const QString &name) {
            QString found;
            for (const QString &entry : QDir(dir).entryList({name + u'*'}, QDir::AllEntries | QDir::Hidden | QDir::System)) {
                struct stat st {};
                const QString path = dir + u'/' + entry;
                ::lstat(QFile::encodeName(path).constData(), &st);
                found += u"%1 %2 "_s.arg(entry).arg(st.st_mode, 0, 8) + (S_ISREG(st.st_mode) ? QString::fromLatin1(fixtures::contents(path)) : QString());
            }
            return found;
        };
        const QString fault = QString::fromLatin1(QTest::currentDataTag());
        frmVREL_FP &w = m->w;
        const struct Umask { mode_t kept = ::umask(077); ~Umask() { ::umask(kept); } } umask;
        QTemporaryDir root;
        Tmpfs disk(root.path(), prepare.isEmpty());
        VREL_FAIL_WITHOUT(disk);
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
        const QString shell = u"cd '"_s + dir + u"' && F="_s + name + u" && "_s + prepare;
        QVERIFY(fault == u"full" ? disk.fill() : fault.startsWith(u"read-only") ? disk.makeReadOnly() : std::system(shell.toUtf8().constData()) == 0);
        const QString before = entries(dir, name);
        m->person.trace.clear();
        w.Command2->click();
        QCOMPARE(m->person.trace.value(1), reason.isEmpty() ? u"ファイルリストを保存しました。"_s : u"ファイルリストを保存できませんでした\n"_s + dir + u'/' + name + u'\n' + reason);
        QCOMPARE(w.List1->count(), 3); // the list as it was shown, the earlier list file in it
        if (reason.isEmpty()) {
            QCOMPARE(entries(dir, name).section(u' ', 0, 4), name + u' ' + mode + u" VREL's file print"_s);
            QCOMPARE(entries(root.path(), u"program"_s), fault.startsWith(u"link") ? u"program 104755 "_s + QString::fromLatin1(earlier) : QString());
        } else {
            // Nothing written, no temporary file left behind.
            QCOMPARE(m->person.boxes.last().icon, platform::Icon::Exclamation);
            QCOMPARE(entries(dir, name), before);
        }
#endif
    }

    void batchWritesWhatTheWindowWrites_data()
    {
        QTest::addColumn<QByteArrayList>("files");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("exitCode");
        const QByteArrayList mixed{"a.txt", "漢字.txt", "ｶﾀｶﾅ.doc", "README", "報告書.tar.gz", "全角ＡＢ.txt", "-草案.doc", "@メモ.txt"};
        QByteArrayList many;
        for (int i = 0; i < 9999; ++i)
            many.append("f" + QByteArray::number(i) + ".dat");
        QTest::newRow("mixed Japanese names, two read as formulas, CSV") << mixed << u"*.txt;*.doc"_s << 0;
        QTest::newRow("9,999 files") << many << u"*.dat"_s << 0;
        QTest::newRow("names with no code page 932 form") << QByteArrayList{"한국.txt", "caf\xC3\xA9.txt", "smile\xF0\x9F\x98\x80"} << u"*.*"_s << 0;
        QTest::newRow("a directory that cannot be opened") << QByteArrayList{"(gone)"} << u"*.*"_s << 2;
        QTest::newRow("empty") << QByteArrayList{} << u"*.*"_s << 3;
        QTest::newRow("10,000 files, counted before the blank pattern") << (many << "z.dat") << u" ; "_s << 4;
        QTest::newRow("a blank pattern") << mixed << u" ; "_s << 5;
        QTest::newRow("sizes no count holds") << QByteArrayList{"(huge)"} << u"*.*"_s << 6;
        QTest::newRow("a write that fails") << QByteArrayList{"(blocked)", "a.txt"} << u"*.*"_s << 7;
    }
    void batchWritesWhatTheWindowWrites()
    {
        // The window started on a folder and its list exported, then the same list written from
        // a script: the same bytes, and where the window refuses with a box, one line of the
        // same words on standard error and an exit code of its own.
        QFETCH(QByteArrayList, files);
        QFETCH(QString, pattern);
        QFETCH(int, exitCode);
        QTemporaryDir tmp;
        const QString dir = tmp.filePath(u"一覧 dir"_s);
        const bool huge = files.value(0) == "(huge)";
        if (files.value(0) != "(gone)")
            QVERIFY(QDir().mkpath(dir));
        const Tmpfs disk(dir, huge);
        VREL_FAIL_WITHOUT(disk);
        if (huge)
            files = {"a.img", "b.img"};
        for (const QByteArray &name : files) {
            if (name == "(blocked)")
                QVERIFY(QDir(dir).mkdir(u"VREL_FILE_LIST.CSV"_s)); // a directory the file cannot replace
            else if (name != "(gone)")
                fixtures::makeFile(dir, name, huge ? std::numeric_limits<qint64>::max() : name.size() * 1000);
        }
        const bool csv = QString::fromLatin1(QTest::currentDataTag()).contains(u"CSV"_s) || files.contains("(blocked)");
        const QString file = dir + (csv ? u"/VREL_FILE_LIST.CSV"_s : u"/VREL_FILE_LIST.TXT"_s);
        const auto written = [&file] { return QFileInfo(file).isFile() ? fixtures::contents(file) : "(none)"_ba; };

        frmVREL_FP &w = m->w;
        (csv ? w.Option2 : w.Option1)->setChecked(true);
        w.openFolder(dir, pattern);
        w.Command2->click();
        const QByteArray shown = written();
        QFile::remove(file);
        const QStringList batch = runProgram({u"--export"_s, csv ? u"csv"_s : u"txt"_s, u"--pattern"_s, pattern, dir});
        QCOMPARE(written(), shown);
        // The first box that is no question says how it went: saved, or refused.
        QStringList told = m->person.trace;
        told.removeIf([](const QString &text) { return text.startsWith(u"ファイルリストをVREL"_s); });
        // Saved, the script says what the question's second line says: the characters lost to "?",
        // in what the console's code page holds of them.
        const QString lost = m->person.trace.value(0).section(u'\n', 1);
        const QString said = exitCode == 0 ? (lost.isEmpty() ? lost : lost + u'\n') : told.value(0).replace(u'\n', u": "_s) + u'\n';
        QCOMPARE(told.value(0) == u"ファイルリストを保存しました。"_s, exitCode == 0);
        QCOMPARE(batch, QStringList({QString::number(exitCode), exitCode == 0 ? QDir::toNativeSeparators(file) + u'\n' : QString(), QString::fromLocal8Bit(said.toLocal8Bit())}));
    }

    void printing()
    {
        QTemporaryDir dir;
        const QString rule(57, u'-');
        QStringList listing{u"VREL's file print "_s, rule, u"Directory : "_s + QDir::toNativeSeparators(dir.path()), u"File Type : *.*"_s, rule};
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
        QCOMPARE(m->pointer(), QString());
        VREL_LINUX_ONLY("printed pages read back through poppler, built for Linux only");
        const QList<QStringList> printed = fixtures::printedPages(printer);
        QCOMPARE(printed, fixtures::seen(listing, 6, printer));

        // From a script: the same pages in a PDF file, made without asking a print server, which
        // here takes the connection and says nothing; no printer here to print on.
        QPrinter batch(QPrinter::HighResolution);
        batch.setOutputFileName(m->pdf.filePath(u"batch.pdf"_s));
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        const QByteArray server = qgetenv("CUPS_SERVER");
        qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(silent.serverPort()));
        const QStringList ran = runProgram({u"--pdf"_s, batch.outputFileName(), dir.path()});
        qputenv("CUPS_SERVER", server);
        QCOMPARE(ran, QStringList({u"0"_s, batch.outputFileName() + u'\n', QString()}));
        QCOMPARE(fixtures::printedPages(batch), printed);
        QCOMPARE(runProgram({u"--print"_s, dir.path()}), QStringList({u"8"_s, QString(), u"印刷処理を中断します: プリンタがありません\n"_s}));
        // "--export" as a value is no export: the start is the printer's, whatever way it goes.
        QCOMPARE(runProgram({u"--printer"_s, u"--export"_s, u"--print"_s, dir.path()}),
                 QStringList({u"8"_s, QString(), u"印刷処理を中断します: プリンタ --export がありません\n"_s}));
        // The preview's pages are the printed ones, drawn alike with the hourglass up. Its print
        // button prints through the printer dialog on the page setup chosen there, which stays.
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
