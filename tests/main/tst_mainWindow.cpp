#include "core/text/textFile.h"
#include "widgets/platform/window/diskWait.h"
#include "widgets/platform/window/fixedOuterSize.h"
#include "window.h"

#include <QMessageBox>

class TestMainWindow : public QObject
{
    Q_OBJECT
    std::optional<Window> m;
    frmVREL_FP *w = nullptr;

private slots:
    void initTestCase() { QVERIFY(installJapaneseTranslation(*qApp)); }
    void init() { QApplication::setActiveWindow(w = &m.emplace().w); }

    void laidOut()
    {
        w->Drive1->clear(); // this machine's mounts
        // Places and sizes in pixels of the client area at 96 dots an inch, 15 twips each, as the
        // window is laid out in twips; no pixel of how a font draws is compared. The banner widens
        // to hold its text, its left edge staying; the options keep the height their text needs,
        // centred on their 12-pixel rows.
        const auto banner = w->Label2->sizeHint().expandedTo({353, 16});
        const int h = std::max(12, w->Option1->sizeHint().height());
        QCOMPARE(layoutOf(*w->centralWidget()),
                 u"window #000000 on #c0c0c0|QLabel 116,8 %1x%2 \"指定ディレクトリ・同一拡張子のファイルを表示・印刷します \" #000000 on #80ff80 " VREL_GOTHIC " 12pt"
                 "|QLabel 32,40 145x17 \"印刷ファイルタイプ\" #000000 on #c0ffc0|PatternBox 32,56 145x20 \"*.*\"|DriveListBox 32,88 145x20"
                 "|DirListBox 32,112 145x226|FileListBox 32,360 145x18|ListBox 192,40 369x304 " VREL_GOTHIC " 9pt"
                 "|QGroupBox 192,352 81x65 \"ファイル形式\"|QPushButton 280,368 89x25 \"ファイル出力\"|QPushButton 400,368 97x25 \"印　刷\""_s.arg(banner.width()).arg(banner.height()).split(u'|'));
        QCOMPARE(layoutOf(*w->Frame1), (QStringList{u"window \"ファイル形式\""_s, u"QRadioButton 8,%1 65x%2 \"TXT\""_s.arg(21 - (h - 1) / 2).arg(h),
                                                            u"QRadioButton 8,%1 65x%2 \"CSV\""_s.arg(45 - (h - 1) / 2).arg(h)}));
        // Each menu with its entries and their access keys; their shortcuts are pressed end to end.
        QStringList shown;
        for (const QAction *menu : w->menuBar()->actions()) {
            shown << menu->text();
            for (const QAction *entry : menu->menu()->actions())
                shown.last() += u' ' + entry->text();
        }
        QCOMPARE(shown, (QStringList{u"ファイル(&F) 印刷(&P) 印刷プレビュー(&V) 終了(&X)"_s, u"ヘルプ(&H) バージョン(&V) お読み下さい(&R)"_s}));
    }

    void outerSize()
    {
        // 8800 x 7000 twips, frame and all, where there is none (some window managers draw
        // none); fixed, though the least size was the client's already.
        QWidget bare(nullptr, Qt::FramelessWindowHint), fixed;
        fixed.setMinimumSize(583, 463);
        new FixedOuterSize(bare, 8800, 7000, FixedOuterSize::Border::Sizable);
        new FixedOuterSize(fixed, 8800, 7000, FixedOuterSize::Border::Fixed);
        bare.show();
        fixed.show();
        QTRY_COMPARE(bare.size(), QSize(587, 467));
        QTRY_COMPARE(fixed.maximumSize(), QSize(583, 463));
    }

    void iconsAsDrawn()
    {
        // Kept as pixels at build time, each icon is the one it stands for (the folders the style's
        // own), in every mode and state.
        const auto pixels = [](const QIcon &icon, int size = 16) {
            QList<QImage> all;
            for (int i = 0; i < 8; ++i)
                all << icon.pixmap(size, QIcon::Mode(i / 2), QIcon::State(i % 2)).toImage();
            return all;
        };
        QVERIFY(w->Dir1->setPath(QDir::rootPath())); // a folder that has subdirectories
        QCOMPARE(pixels(w->Dir1->item(0)->icon()), pixels(w->style()->standardIcon(QStyle::SP_DirOpenIcon)));
        QCOMPARE(pixels(w->Dir1->item(w->Dir1->count() - 1)->icon()), pixels(w->style()->standardIcon(QStyle::SP_DirIcon)));
        QCOMPARE(pixels(w->windowIcon(), 32), pixels(QIcon(QStringLiteral(VREL_WINDOW_ICON)), 32));
    }

    void patternBoxWaitsForEnter()
    {
        const auto dir = m->pdf.path();
        makeFile(dir, "a.txt");
        makeFile(dir, "b.doc");
        m->list(dir);
        auto *box = w->Combo1;
        int reads = 0;
        w->setFactsReader([&](const OpenDirectory &at, const QByteArray &name) { ++reads; return readFileFacts(at, name); });
        // Typing builds nothing, nor does leaving the box, though "*.doc" is one of its items.
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box, u"*.doc\t"_s);
        QCOMPARE(reads, 0);
        // Enter builds, once, whether the box or its editor takes it: each file read in each of
        // the two passes.
        const QStringList doc{u"b     .doc  0 97-10-21 09:05:03"_s};
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box->lineEdit(), Qt::Key_Enter);
        QCOMPARE(w->List1->lines(), doc);
        QCOMPARE(reads, 4);
        // A pick from the list builds.
        box->setCurrentIndex(3);
        emit box->activated(3);
        QCOMPARE(w->List1->lines(), QStringList{u"a     .txt  0 97-10-21 09:05:03"_s});
        // Opened on the folder it shows already, under another pattern: built as Enter builds it.
        w->openFolder(dir, u"*.doc"_s);
        QCOMPARE(w->List1->lines(), doc);
        // Closing the window with one of the box's items typed and not entered runs no build in it.
        box->lineEdit()->selectAll();
        QTest::keyClicks(box, u"*.doc"_s);
        reads = 0;
        m.reset();
        QCOMPARE(reads, 0);
    }

    void refusedBuilds_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<Answer>("answer");
        QTest::newRow("no pattern, Retry") << QString() << Answer::Retry;
        QTest::newRow("blank pattern, Cancel") << u" ; "_s << Answer::Cancel;
        QTest::newRow("directory gone") << u"*.*"_s << Answer::Ok;
    }
    void refusedBuilds()
    {
        QFETCH(QString, pattern);
        QFETCH(Answer, answer);
        QTemporaryDir dir;
        makeFile(dir.path(), "a.txt");
        m->list(dir.path());
        const bool gone = answer == Answer::Ok && dir.remove();
        w->List1->setFocus();
        m->person.answers = {answer};
        m->list(dir.path(), pattern);
        QCOMPARE(m->person.trace, QStringList{gone ? u"ディレクトリを開けません\n"_s + QDir::toNativeSeparators(dir.path()) : u"ファイル拡張子を決めて下さい"_s});
        QCOMPARE(m->person.boxes.value(0).buttons, gone ? Buttons::Ok : Buttons::RetryCancel);
        QCOMPARE(m->person.boxes.value(0).icon, Icon::Exclamation);
        // Nothing of the earlier list is left for the outputs to pair with another's values.
        QCOMPARE(w->List1->count(), 0);
        QVERIFY(!Module1::gFiles);
        QTRY_COMPARE(QApplication::focusWidget(), answer == Answer::Retry ? static_cast<QWidget *>(w->Combo1) : w->List1);
    }

    void drivesAndDirectories()
    {
        QTRY_VERIFY(w->Drive1->findText(QDir::toNativeSeparators(QDir::rootPath())) >= 0);
        QCOMPARE(w->Drive1->findText(u"/proc"_s), -1);
        w->Dir1->setCurrentRow(0);
        QTest::keyClick(w->Dir1, Qt::Key_Down);
        QCOMPARE(w->Dir1->currentRow(), 1);
        VREL_LINUX_ONLY("names Windows cannot have");
#ifdef Q_OS_LINUX
        QTemporaryDir dir;
        // The drive shown is the mount that holds the folder, however long another's name; a new
        // list shows the current folder's before any look at the others has ended, and the others
        // once it has.
        const Tmpfs disk(dir.path());
        VREL_FAIL_WITHOUT(disk);
        const auto back = qScopeGuard([was = QDir::currentPath()] { QDir::setCurrent(was); });
        for (const auto &root : {dir.path(), QDir::rootPath()}) {
            QDir::setCurrent(root);
            QCOMPARE(DriveListBox().currentText(), root);
        }
        const DriveListBox drives;
        QTRY_VERIFY(drives.findText(dir.path()) >= 0);
        const QByteArray sub = QFile::encodeName(dir.path()) + "/漢\xEF\xBF\xBD\xFF";
        QCOMPARE(std::system(("mkdir -p '" + sub + "/gone'").constData()), 0); // beyond QDir, which needs text
        makeFile(pathFromNative(sub), "x.txt");
        // A drive that cannot be read is ignored without a word, though the list shows it; one
        // that can moves the directory list there, which builds the list.
        const auto before = w->Dir1->path();
        for (const QString &drive : {dir.filePath(u"no-medium"_s), dir.path()}) {
            w->Drive1->addItem(drive);
            w->Drive1->setCurrentIndex(w->Drive1->count() - 1);
            emit w->Drive1->activated(w->Drive1->count() - 1);
            QCOMPARE(w->Drive1->currentText(), drive);
            QCOMPARE(w->Dir1->path(), drive == dir.path() ? drive : before);
        }
        // Enter opens the highlighted subdirectory, the last entry, though its name is no valid
        // text; one gone since it was shown is reported, and the list stays where it is.
        const auto enterLast = [this] {
            w->Dir1->setCurrentRow(w->Dir1->count() - 1);
            QTest::keyClick(w->Dir1, Qt::Key_Return);
        };
        enterLast();
        QCOMPARE(w->Dir1->currentItem()->text().trimmed(), u"漢\uFFFD\uFFFD"_s);
        QCOMPARE(w->List1->lines(), QStringList{u"x     .txt  0 97-10-21 09:05:03"_s});
        QCOMPARE(::rmdir((sub + "/gone").constData()), 0);
        enterLast();
        QCOMPARE(m->person.trace, QStringList{u"ディレクトリを開けません\n"_s + dir.path() + u"/漢\uFFFD\uFFFD/gone"_s});
        QCOMPARE(w->Dir1->path(), pathFromNative(sub));
        QCOMPARE(std::system(("rm -r '" + sub + '\'').constData()), 0);
#endif
    }

    void shareThatStopsAnswering()
    {
        // A share that answers only when told to: the window waits without hanging, the controls
        // take no keys meanwhile, the hourglass shows till each wait ends; past the limit the
        // person is told, and the write that wakes up later replaces nothing. Asked again
        // meanwhile, the program starts no second thread on the share: a new read waits in line,
        // is dropped when given up on there, and runs on the same thread once the share lets go.
        const auto path = m->pdf.filePath(u"VREL_FILE_LIST.TXT"_s);
        QString reason;
        QVERIFY(replaceFile(path, "earlier", &reason));
        QSemaphore share;
        int wrote = -1;
        std::thread::id held;
        std::thread::id retried;
        bool droppedRan = false;
        QStringList meanwhile;
        w->Combo1->setFocus();
        QTimer::singleShot(200, this, [&] {
            QTest::keyClicks(w->Combo1, u"x"_s);
            meanwhile << w->Combo1->currentText() << (QApplication::overrideCursor() ? u"hourglass"_s : u"arrow"_s);
        });
        const auto run = [&](auto work) { return runOffWindow(w, path, work, std::chrono::milliseconds(400)); };
        QVERIFY(!run([&](DiskProgress &progress) {
            held = std::this_thread::get_id();
            share.acquire();
            wrote = replaceFile(path, "later", &reason, &progress);
        }));
        QCOMPARE(meanwhile, (QStringList{u"*.*"_s, u"hourglass"_s}));
        QVERIFY(!run([&](DiskProgress &) { droppedRan = true; }));
        QCOMPARE(m->person.trace, QStringList(2, noAnswerText(path)));
        QTimer::singleShot(100, this, [&] { share.release(); });
        QVERIFY(run([&](DiskProgress &) { retried = std::this_thread::get_id(); }));
        QVERIFY(retried == held);
        QVERIFY(!droppedRan);
        QCOMPARE(wrote, 0);
        QCOMPARE(QDir(m->pdf.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"VREL_FILE_LIST.TXT"_s});
        QCOMPARE(contents(path), "earlier"_ba);
        QVERIFY(!QApplication::overrideCursor());
    }

    void wheelNeedsTheFocus()
    {
        const auto turn = [](QWidget *box) {
            QWheelEvent wheel({5, 5}, {5, 5}, {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
        };
        // Turned over a box that has no focus, it moves nothing; with the focus, it picks the
        // next pattern as the arrow key does.
        w->List1->setFocus();
        const auto drive = w->Drive1->currentText();
        turn(w->Drive1);
        turn(w->Combo1);
        QCOMPARE(w->Drive1->currentText(), drive);
        QCOMPARE(w->Combo1->currentText(), u"*.*"_s);
        w->Combo1->setFocus();
        turn(w->Combo1);
        QCOMPARE(w->Combo1->currentText(), u"*.jpg"_s);
    }

    void realMessageBoxes()
    {
        // The program's own boxes, in Japanese, each as it opens: its text, where a lone CR breaks
        // the line, so that the version has two empty lines under it; its icon; its buttons, the
        // ones Enter and Escape press marked. Their title is looked for end to end.
        setMessageBoxService(nullptr);
        QStringList seen;
        const auto answer = [&](Qt::Key key) {
            QTimer::singleShot(0, this, [&seen, key] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                seen << box->text() << QVariant::fromValue(box->icon()).toString();
                for (const QAbstractButton *b : box->buttons())
                    seen << b->text() + (b == box->defaultButton() ? u" default"_s : u""_s) + (b == box->escapeButton() ? u" escape"_s : u""_s);
                QTest::keyClick(box, key);
            });
        };
        answer(Qt::Key_Escape);
        w->mnuVersion_Click();
        answer(Qt::Key_Escape);
        QCOMPARE(messageBox(w, u"?"_s, Buttons::OkCancel, Icon::Question), Answer::Cancel);
        answer(Qt::Key_Return);
        QCOMPARE(messageBox(w, u"?"_s, Buttons::RetryCancel, Icon::Exclamation), Answer::Retry);
        QCOMPARE(seen, u"Vrel's Listwright ver.1.00 (97/10/21)\n\n|NoIcon|OK default escape"
                       "|?|Question|OK default|キャンセル escape"
                       "|?|Warning|再試行 default|キャンセル escape"_s.split(u'|'));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainWindow.moc"
