#include "tst_main.h"

#include "fixtures.h"
#include "main/module1.h"
#include "platform/controls/driveListBox.h"
#include "platform/controls/fileListBox.h"
#include "platform/window/mousePointer.h"
#include "program.h"
#include "scriptedTest.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

void typePattern(frmVREL_FP &w, const QString &pattern)
{
    w.Combo1->setFocus();
    w.Combo1->lineEdit()->selectAll();
    QTest::keyClick(w.Combo1, Qt::Key_Backspace);
    QTest::keyClicks(w.Combo1, pattern);
}

void checkBox(int index, const QString &text, platform::Buttons buttons, platform::Icon icon)
{
    const platform::Message &box = g_boxes->shown().at(index);
    QCOMPARE(box.text, text);
    QCOMPARE(box.buttons, buttons);
    QCOMPARE(box.icon, icon);
    QCOMPARE(box.title, u"VREL's FILEPRINT"_s);
}

} // namespace

void TestMainWindow::startUpState()
{
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"first.txt"_s, 1, QDateTime::currentDateTime());
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Program p;
    QDir::setCurrent(before);
    frmVREL_FP &w = p.main;

    QCOMPARE(w.Combo1->currentText(), u"*.*"_s);
    QCOMPARE(w.List1->count(), 0); // no build at start
    QCOMPARE(w.Dir1->path(), QDir::toNativeSeparators(dir.path()));
    QCOMPARE(w.File1->currentIndex().row(), 0);

    // Focus starts in the pattern box; Tab walks the controls in their given order.
    QApplication::setActiveWindow(&w);
    QTRY_COMPARE(QApplication::focusWidget(), w.Combo1);
    for (QWidget *expected : QList<QWidget *>{w.Drive1, w.Dir1, w.Command1, w.File1, w.List1, w.Command2, w.Option1}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
}

void TestMainWindow::buildsFromPatternBox()
{
    QTemporaryDir dir;
    const QDateTime t = fixtures::localTime(1997, 10, 21, 9, 5, 3);
    fixtures::makeFile(dir.path(), u"a.txt"_s, 100, t);
    fixtures::makeFile(dir.path(), u"b.doc"_s, 200, t);
    Program p;
    frmVREL_FP &w = p.main;
    QVERIFY(w.Dir1->setPath(dir.path())); // a change of directory builds at once
    QCOMPARE(w.List1->count(), 2);

    int reads = 0;
    w.setFactsReader([&](const platform::OpenDirectory &at, const QByteArray &name) {
        ++reads;
        return platform::readFileFacts(at, name);
    });

    // Typing alone builds nothing, nor does leaving the box, even with a pattern of its list.
    typePattern(w, u"*.doc"_s);
    QTest::keyClick(w.Combo1, Qt::Key_Tab);
    QVERIFY(!w.Combo1->hasFocus());
    QCOMPARE(reads, 0);
    QCOMPARE(w.List1->count(), 2);
    // Enter builds, once: one file read in each of the two passes.
    w.Combo1->setFocus();
    QTest::keyClick(w.Combo1, Qt::Key_Return);
    QCOMPARE(reads, 2);
    QCOMPARE(p.lines(), QStringList{u"b     .doc  200 97-10-21 09:05:03"_s});
    QCOMPARE(w.Combo1->count(), 5); // Enter did not add the typed pattern to the list

    // Picking an entry of the drop-down builds too.
    w.Combo1->setCurrentIndex(3);
    emit w.Combo1->activated(3);
    QCOMPARE(w.Combo1->currentText(), u"*.txt"_s);
    QCOMPARE(p.lines(), QStringList{u"a     .txt  100 97-10-21 09:05:03"_s});
    QVERIFY(g_boxes->shown().isEmpty());
}

void TestMainWindow::builtListStoredInModule1()
{
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"a.txt"_s, 1024, fixtures::localTime(1997, 10, 21, 9, 5, 0));
    fixtures::makeFile(dir.path(), u"b.longext"_s, 1000000, fixtures::localTime(1997, 10, 22, 18, 30, 15));
    Program p;
    p.list(dir.path());
    QCOMPARE(Module1::gTotalBytes, 1001024);
    QCOMPARE(Module1::gExtWidth, 8);
    QCOMPARE(Module1::gFileExt[2], u".longext"_s);
    QCOMPARE(Module1::gRunningTotal[2], u"1001024"_s);
    QCOMPARE(Module1::gFileDate[2], u"97-10-22"_s);
    QCOMPARE(Module1::gFileTime[2], u"18:30:15"_s);

    // A second build forgets the first: no wider column or larger total left from it.
    p.list(dir.path(), u"*.txt"_s);
    QCOMPARE(Module1::gExtWidth, 4);
    QCOMPARE(Module1::gSizeWidth, 7);
    QCOMPARE(Module1::gTotalBytes, 1024);
    QCOMPARE(p.main.List1->count(), 1);
}

void TestMainWindow::emptyPattern()
{
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"a.txt"_s, 1, QDateTime::currentDateTime());
    Program p;
    frmVREL_FP &w = p.main;
    QApplication::setActiveWindow(&w);
    p.list(dir.path());
    QCOMPARE(w.List1->count(), 1);

    typePattern(w, QString());
    w.List1->setFocus(); // where the focus is when the box comes up
    g_boxes->answerNext(platform::Answer::Cancel);
    w.Combo1_KeyPress(13);
    QCOMPARE(g_boxes->shown().size(), 1);
    checkBox(0, u"ファイル拡張子を決めて下さい"_s, platform::Buttons::RetryCancel, platform::Icon::Exclamation);
    QCOMPARE(w.List1->count(), 0);
    QTRY_COMPARE(QApplication::focusWidget(), w.List1); // Cancel leaves the focus alone

    g_boxes->answerNext(platform::Answer::Retry);
    w.Combo1_KeyPress(13);
    QTRY_COMPARE(QApplication::focusWidget(), w.Combo1);
}

void TestMainWindow::oddNamesStillListed()
{
#ifdef Q_OS_WIN
    QSKIP("names are always valid UTF-16 on Windows");
#endif
    QTemporaryDir dir;
    const QDateTime t = fixtures::localTime(2000, 1, 1, 0, 0, 0);
    fixtures::makeRawFile(dir.path(), QByteArray("x\xFF.txt"), 5, t);
    fixtures::makeRawFile(dir.path(), QByteArray("y\nz.txt"), 6, t);
    Program p;
    p.list(dir.path());
    // Sizes and times come through the names' real bytes.
    QCOMPARE(p.lines(), (QStringList{u"x\uFFFD    .txt  5 00-01-01 00:00:00"_s, u"y?z   .txt  6 00-01-01 00:00:00"_s}));
    QCOMPARE(Module1::gTotalBytes, 11);
    QVERIFY(g_boxes->shown().isEmpty());
    fixtures::removeRawFile(dir.path(), QByteArray("x\xFF.txt"));
}

void TestMainWindow::driveChoice()
{
    Program p;
    frmVREL_FP &w = p.main;
    QVERIFY(w.Drive1->findText(QDir::toNativeSeparators(QDir::rootPath())) >= 0);
    QVERIFY(w.Drive1->findText(u"/proc"_s) < 0);

    QTemporaryDir dir;
    w.Dir1->setPath(dir.path());
    const QString before = w.Dir1->path();
    const auto choose = [&w](const QString &drive) {
        w.Drive1->addItem(drive);
        w.Drive1->setCurrentIndex(w.Drive1->count() - 1);
        emit w.Drive1->activated(w.Drive1->count() - 1);
    };
    // A drive that cannot be read: no message, the directory list stays, the choice still shows.
    choose(dir.filePath(u"no-medium"_s));
    QCOMPARE(w.Dir1->path(), before);
    QCOMPARE(w.Drive1->currentText(), dir.filePath(u"no-medium"_s));
    QVERIFY(g_boxes->shown().isEmpty());

    // A readable one moves the directory list there, which builds the list.
    fixtures::makeFile(dir.path(), u"x.txt"_s, 1, QDateTime::currentDateTime());
    w.Dir1->setPath(QDir::rootPath());
    choose(dir.path());
    QCOMPARE(w.Dir1->path(), QDir::toNativeSeparators(dir.path()));
    QCOMPARE(w.List1->count(), 1);
}

void TestMainWindow::menuShortcutsBeatThePatternBox()
{
    Program p;
    frmVREL_FP &w = p.main;
    QApplication::setActiveWindow(&w);
    typePattern(w, u"*.tx"_s);
    QTRY_COMPARE(QApplication::focusWidget(), w.Combo1);
    w.Combo1->lineEdit()->selectAll();

    QSignalSpy print(&w, &frmVREL_FP::printFileListRequested);
    QSignalSpy readme(&w, &frmVREL_FP::readmeRequested);
    QTest::keyClick(w.Combo1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(g_boxes->shown().size(), 1);
    checkBox(0, u"Vrel's Listwright ver.1.00 (97/10/21)\r\r"_s, platform::Buttons::Ok, platform::Icon::None);
    QTest::keyClick(w.Combo1, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(print.count(), 1);
    QTest::keyClick(w.Combo1, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(readme.count(), 1);
    QCOMPARE(platform::mousePointer(&w), platform::MousePointer::Hourglass);
    QCOMPARE(w.Combo1->currentText(), u"*.tx"_s); // not pasted over
}

void TestMainWindow::secondCopyLeavesSilently()
{
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    QProcess copies[3];
    for (QProcess &copy : copies) {
        copy.setProcessEnvironment(env);
        copy.setProgram(QStringLiteral(VREL_PROGRAM));
    }

    copies[0].start();
    QVERIFY(copies[0].waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath(u"vrel-fileprint.lock"_s)), 10000);
    copies[1].start();
    QVERIFY(copies[1].waitForFinished(10000));
    QCOMPARE(copies[1].exitStatus(), QProcess::NormalExit);
    QCOMPARE(copies[1].exitCode(), 0);
    QVERIFY(copies[1].readAllStandardOutput().isEmpty());
    QCOMPARE(copies[0].state(), QProcess::Running); // the running copy is not disturbed

    // A copy that died without cleaning up does not keep the next one out.
    copies[0].kill();
    QVERIFY(copies[0].waitForFinished());
    QVERIFY(QFile::exists(runtime.filePath(u"vrel-fileprint.lock"_s)));
    copies[2].start();
    QVERIFY(copies[2].waitForStarted());
    QVERIFY(!copies[2].waitForFinished(2000));
    copies[2].kill();
    copies[2].waitForFinished();
}

void TestMainWindow::closingRunsNoHandler()
{
    // The pattern box takes losing the focus as a choice of the pattern typed into it; when the
    // window goes away with a pattern typed and not yet entered, no list build may run in it.
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"a.txt"_s, 1, fixtures::localTime(2000, 1, 1, 0, 0, 0));
    auto p = std::make_unique<Program>();
    p->list(dir.path());
    bool closing = false;
    int buildsWhileClosing = 0;
    p->main.setFactsReader([&](const platform::OpenDirectory &at, const QByteArray &name) {
        buildsWhileClosing += closing ? 1 : 0;
        return platform::readFileFacts(at, name);
    });
    typePattern(p->main, u"*.txt"_s);
    closing = true;
    p.reset();
    QCOMPARE(buildsWhileClosing, 0);
    QVERIFY(g_boxes->shown().isEmpty());
}
