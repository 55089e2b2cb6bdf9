#include "window.h"
#include "widgets/platform/window/diskWait.h"
#include "core/text/textFile.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QMenu>
#include <QMenuBar>
#include <QStyleFactory>

#include <memory>
#include <thread>

using platform::Answer;
using platform::Buttons;
using platform::Icon;

class TestMainWindow : public QObject
{
    Q_OBJECT
    std::optional<Window> m;

private slots:
    void initTestCase()
    {
        // The face every machine that runs the suite has, so that the pictures compare.
        QApplication::setFont(platform::gothicFont(9));
        QVERIFY(platform::installJapaneseTranslation(*qApp));
    }
    void init() { m.emplace(), QApplication::setActiveWindow(&m->w); }
    void cleanup() { m.reset(); }

    void looksAsLaidOut()
    {
        VREL_LINUX_ONLY("the pictures are drawn with the Linux build's fonts and style");
        QTemporaryDir dir;
        fixtures::makeFile(dir.path(), "a.txt", 100);
        fixtures::makeFile(dir.path(), "報告書.doc", 1234567);
        m->list(dir.path());
        // The drive and directory lists show this machine's mounts and the test's own directory:
        // their frames are compared, not their entries; no cursor blinks in the pattern box.
        m->w.Drive1->clear();
        m->w.Dir1->clear();
        m->w.setFocus();
        fixtures::compareWithReference(m->w.grab().toImage(), u"mainWindow"_s);
        // Opened, the file menu shows each entry's access key and shortcut.
        m->w.menuBar()->setActiveAction(m->w.mnuFile->menuAction());
        QTRY_VERIFY(m->w.mnuFile->isVisible());
        fixtures::compareWithReference(m->w.mnuFile->grab().toImage(), u"fileMenu"_s);
    }

    void iconsAsDrawn()
    {
        // Kept as pixels at build time, each icon is the one it stands for, in every mode and state.
        const auto same = [](const QIcon &kept, const QIcon &drawn, int size) {
            bool alike = true;
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
                for (QIcon::State state : {QIcon::Off, QIcon::On})
                    alike = alike && !kept.pixmap(size, mode, state).isNull()
                            && kept.pixmap(size, mode, state).toImage() == drawn.pixmap(size, mode, state).toImage();
            return alike;
        };
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"sub"_s));
        m->w.Dir1->setPath(dir.path());
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"fusion"_s));
        QVERIFY(same(m->w.Dir1->item(0)->icon(), fusion->standardIcon(QStyle::SP_DirOpenIcon), 16));
        QVERIFY(same(m->w.Dir1->item(m->w.Dir1->count() - 1)->icon(), fusion->standardIcon(QStyle::SP_DirIcon), 16));
        QVERIFY(same(m->w.windowIcon(), QIcon(QString::fromUtf8(VREL_WINDOW_ICON)), 32));
    }

    void patternBoxWaitsForEnter()
    {
        QTemporaryDir dir;
        fixtures::makeFile(dir.path(), "a.txt", 100);
        fixtures::makeFile(dir.path(), "b.doc", 200);
        frmVREL_FP &w = m->w;
        m->list(dir.path());
        int reads = 0;
        w.setFactsReader([&](const platform::OpenDirectory &at, const QByteArray &name) { return ++reads, platform::readFileFacts(at, name); });
        // Typing builds nothing, nor does leaving the box, though "*.doc" is one of its items.
        w.Combo1->setFocus();
        w.Combo1->lineEdit()->selectAll();
        QTest::keyClicks(w.Combo1, u"*.doc\t"_s);
        QCOMPARE(reads, 0);
        // Enter builds, once, whether the box or its editor takes it: each file read in each of
        // the two passes; the list keeps its items.
        QSignalSpy entered(w.Combo1, &platform::PatternBox::patternEntered);
        w.Combo1->setFocus();
        QTest::keyClick(w.Combo1, Qt::Key_Return);
        QTest::keyClick(w.Combo1->lineEdit(), Qt::Key_Enter);
        QCOMPARE(w.List1->lines().join(u'|') + u" %1 %2 %3"_s.arg(reads).arg(w.Combo1->count()).arg(entered.count()),
                 u"b     .doc  200 97-10-21 09:05:03 4 5 2"_s);
        // A pick from the list builds.
        w.Combo1->setCurrentIndex(3);
        emit w.Combo1->activated(3);
        QCOMPARE(w.List1->lines(), QStringList{u"a     .txt  100 97-10-21 09:05:03"_s});
        // Opened on the folder it shows already, under another pattern: built as Enter builds it.
        w.openFolder(dir.path(), u"*.doc"_s);
        QCOMPARE(w.List1->lines(), QStringList{u"b     .doc  200 97-10-21 09:05:03"_s});
        // Closing the window with one of the box's items typed and not entered runs no build in it.
        w.Combo1->lineEdit()->selectAll();
        QTest::keyClicks(w.Combo1, u"*.doc"_s);
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
        fixtures::makeFile(dir.path(), "a.txt", 1);
        m->list(dir.path());
        const bool gone = answer == Answer::Ok && dir.remove();
        m->w.List1->setFocus();
        m->person.answers = {answer};
        m->list(dir.path(), pattern);
        const platform::Message &box = m->person.boxes.value(0);
        QCOMPARE(m->person.trace, QStringList{gone ? u"ディレクトリを開けません\n"_s + QDir::toNativeSeparators(dir.path()) : u"ファイル拡張子を決めて下さい"_s});
        QCOMPARE(QList({box.buttons == (gone ? Buttons::Ok : Buttons::RetryCancel), box.icon == Icon::Exclamation, box.title == u"VREL's FILEPRINT"}), QList({true, true, true}));
        // Nothing of the earlier list is left for the outputs to pair with another's values.
        QCOMPARE(m->w.List1->count(), 0);
        QVERIFY(!Module1::gFiles);
        QTRY_COMPARE(QApplication::focusWidget(), answer == Answer::Retry ? static_cast<QWidget *>(m->w.Combo1) : m->w.List1);
    }

    void drivesAndDirectories()
    {
        frmVREL_FP &w = m->w;
        QTRY_VERIFY(w.Drive1->findText(QDir::toNativeSeparators(QDir::rootPath())) >= 0 && w.Drive1->findText(u"/proc"_s) < 0);
        VREL_LINUX_ONLY("a directory named by bytes that are no valid text");
#ifdef Q_OS_LINUX
        QTemporaryDir dir;
        const QByteArray sub = QFile::encodeName(dir.path()) + "/漢\xEF\xBF\xBD\xFF", gone = sub + "/gone";
        QVERIFY(::mkdir(sub.constData(), 0755) == 0 && ::mkdir(gone.constData(), 0755) == 0);
        fixtures::makeFile(platform::pathFromNative(sub), "x.txt");
        // A drive that cannot be read is ignored without a word, though the list shows it; one
        // that can moves the directory list there, which builds the list.
        const QString before = w.Dir1->path();
        for (const QString &drive : {dir.filePath(u"no-medium"_s), dir.path()}) {
            w.Drive1->addItem(drive);
            w.Drive1->setCurrentIndex(w.Drive1->count() - 1);
            emit w.Drive1->activated(w.Drive1->currentIndex());
            QCOMPARE(w.Drive1->currentText() + w.Dir1->path(), drive + (drive == dir.path() ? drive : before));
        }
        // Enter opens the highlighted subdirectory, the last entry, though its name is no valid
        // text; one gone since it was shown is reported, and the list stays where it is.
        w.Dir1->setCurrentRow(w.Dir1->count() - 1);
        QTest::keyClick(w.Dir1, Qt::Key_Return);
        QCOMPARE(w.Dir1->currentItem()->text().trimmed() + w.List1->lines().join(u'|'), u"漢\uFFFD\uFFFDx     .txt  0 97-10-21 09:05:03"_s);
        QCOMPARE(::rmdir(gone.constData()), 0);
        w.Dir1->setCurrentRow(w.Dir1->count() - 1);
        QTest::keyClick(w.Dir1, Qt::Key_Return);
        QCOMPARE(m->person.trace, QStringList{u"ディレクトリを開けません\n"_s + dir.path() + u"/漢\uFFFD\uFFFD/gone"_s});
        QCOMPARE(w.Dir1->path(), platform::pathFromNative(sub));
        QCOMPARE(std::system(("rm -r '" + sub + '\'').constData()), 0); // beyond QDir, which needs text
#endif
    }

    void diskThatStopsAnswering()
    {
        // A share that answers only when told to: the window waits without hanging, the controls
        // take no keys meanwhile, the hourglass shows; past the limit the person is told, and
        // the write that wakes up later replaces nothing.
        frmVREL_FP &w = m->w;
        QTemporaryDir dir;
        const QString path = dir.filePath(u"VREL_FILE_LIST.TXT"_s);
        QString reason;
        QVERIFY(platform::replaceFile(path, "earlier", &reason));
        QSemaphore share;
        std::atomic<int> wrote = -1; // until the write that woke up has ended
        QString seen;
        w.Combo1->setFocus();
        w.Combo1->setEditText(QString());
        QTimer::singleShot(200, this, [&] {
            QTest::keyClicks(w.Combo1, u"x"_s);
            seen = w.Combo1->currentText() + (QApplication::overrideCursor() ? u"hourglass"_s : QString());
        });
        const auto write = [&](platform::DiskProgress &progress) {
            share.acquire();
            QString reason;
            wrote = platform::replaceFile(path, "later", &reason, &progress);
        };
        QVERIFY(!platform::runOffWindow(&w, path, write, std::chrono::milliseconds(400)));
        QCOMPARE(seen + m->person.trace.join(u'|'), u"hourglass"_s + platform::noAnswerText(path));
        share.release();
        QTRY_VERIFY(wrote != -1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(u' ') + QString::fromLatin1(fixtures::contents(path)) + QString::number(wrote.load()),
                 u"VREL_FILE_LIST.TXTearlier0"_s);
    }

    void retryWaitsBehindTheStalledRead()
    {
        // Asked again while the share still holds a read given up on, the program starts no
        // second thread on it: a new read waits in line, is dropped when given up on there, and
        // runs on the same thread once the share lets go.
        const QString path = u"/share"_s;
        QSemaphore share;
        std::thread::id held;
        std::thread::id retried;
        bool droppedRan = false;
        QVERIFY(!platform::runOffWindow(&m->w, path, [&](platform::DiskProgress &) { held = std::this_thread::get_id(); share.acquire(); }, std::chrono::milliseconds(200)));
        QVERIFY(!platform::runOffWindow(&m->w, path, [&](platform::DiskProgress &) { droppedRan = true; }, std::chrono::milliseconds(200)));
        QTimer::singleShot(100, this, [&] { share.release(); });
        QVERIFY(platform::runOffWindow(&m->w, path, [&](platform::DiskProgress &) { retried = std::this_thread::get_id(); }, std::chrono::milliseconds(200)));
        QVERIFY(retried == held);
        QVERIFY(!droppedRan);
    }

    void wheelNeedsTheFocus()
    {
        frmVREL_FP &w = m->w;
        const auto turn = [](QWidget *box) {
            QWheelEvent wheel({5, 5}, box->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(box, &wheel);
            return box;
        };
        // Turned over a box that has no focus, it moves nothing; with the focus, it picks the
        // next pattern as the arrow key does.
        w.List1->setFocus();
        const QString before = w.Drive1->currentText() + w.Combo1->currentText() + w.Dir1->path();
        turn(w.Drive1), turn(w.Combo1)->setFocus();
        QCOMPARE(w.Drive1->currentText() + w.Combo1->currentText() + w.Dir1->path(), before);
        turn(w.Combo1);
        QCOMPARE(w.Combo1->currentText(), u"*.jpg"_s);
    }

    void realMessageBox()
    {
        // The program's own box, in Japanese, as a person sees it: the version with two empty
        // lines under it (a lone CR breaks the line), a question and an exclamation.
        VREL_LINUX_ONLY("the pictures are drawn with the Linux build's fonts and style");
        platform::setMessageBoxService(nullptr);
        const struct { const char *name; Buttons buttons; Icon icon; Qt::Key key; Answer answer; } boxes[] = {{"version", Buttons::Ok, Icon::None, Qt::Key_Escape, Answer::Ok},
                     {"question", Buttons::OkCancel, Icon::Question, Qt::Key_Escape, Answer::Cancel},
                     {"exclamation", Buttons::RetryCancel, Icon::Exclamation, Qt::Key_Return, Answer::Retry}};
        for (const auto &b : boxes) {
            QTimer::singleShot(0, this, [&] {
                fixtures::compareWithReference(QApplication::activeModalWidget()->grab().toImage(), u"messageBox-"_s + QString::fromLatin1(b.name));
                QTest::keyClick(QApplication::activeModalWidget(), b.key);
            });
            if (b.buttons == Buttons::Ok)
                m->w.mnuVersion_Click();
            else
                QCOMPARE(platform::messageBox(&m->w, u"ファイル\r\r拡張子"_s, b.buttons, b.icon), b.answer);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainWindow.moc"
