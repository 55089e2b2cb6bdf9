#include "tst_main.h"

#include "fixtures.h"
#include "main/frmVREL_FP.h"
#include "main/module1.h"
#include "platform/dirListBox.h"
#include "platform/driveListBox.h"
#include "platform/fileListBox.h"
#include "platform/mousePointer.h"
#include "platform/twips.h"
#include "scriptedMessageBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<ScriptedMessageBox> g_boxes;

std::unique_ptr<frmVREL_FP> shownWindow()
{
    auto w = std::make_unique<frmVREL_FP>();
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        qFatal("window not exposed");
    return w;
}

QStringList lines(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

void typePattern(frmVREL_FP &w, const QString &pattern)
{
    w.Combo1->setFocus();
    w.Combo1->lineEdit()->selectAll();
    QTest::keyClick(w.Combo1, Qt::Key_Backspace);
    QTest::keyClicks(w.Combo1, pattern);
}

QStringList menuTexts(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out.append(a->text() + u'|' + a->shortcut().toString(QKeySequence::PortableText));
    return out;
}

} // namespace

void TestMainWindow::init()
{
    g_boxes = std::make_unique<ScriptedMessageBox>();
}

void TestMainWindow::cleanup()
{
    g_boxes.reset();
}

void TestMainWindow::startUpState()
{
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"first.txt"_s, 1, QDateTime::currentDateTime());
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    auto w = shownWindow();
    QDir::setCurrent(before);

    QCOMPARE(w->windowTitle(), u"VREL's File Print"_s);
    QStringList items;
    for (int i = 0; i < w->Combo1->count(); ++i)
        items.append(w->Combo1->itemText(i));
    QCOMPARE(items, (QStringList{u"*.*"_s, u"*.jpg"_s, u"*.gif"_s, u"*.txt"_s, u"*.doc"_s}));
    QCOMPARE(w->Combo1->currentText(), u"*.*"_s);
    QCOMPARE(w->Label2->text(), u"指定ディレクトリ・同一拡張子のファイルを表示・印刷します "_s);
    QVERIFY(w->Option1->isChecked());
    QVERIFY(!w->Option2->isChecked());
    QCOMPARE(w->List1->count(), 0); // no build at start
    QCOMPARE(w->Dir1->path(), QDir::toNativeSeparators(dir.path()));
    QCOMPARE(w->File1->currentRow(), 0);
    QCOMPARE(Module1::gFileLimit, qint16(9999));
    QCOMPARE(w->Command1->text(), u"印　刷"_s);
    QCOMPARE(w->Command2->text(), u"ファイル出力"_s);
    QCOMPARE(w->Frame1->title(), u"ファイル形式"_s);
    QCOMPARE(w->Label6->text(), u"印刷ファイルタイプ"_s);

    QCOMPARE(w->mnuFile->title(), u"ファイル(&F)"_s);
    QCOMPARE(w->mnuHelp->title(), u"ヘルプ(&H)"_s);
    QCOMPARE(menuTexts(w->mnuFile), (QStringList{u"印刷(&P)|Ctrl+P"_s, u"終了(&X)|Ctrl+X"_s}));
    QCOMPARE(menuTexts(w->mnuHelp), (QStringList{u"バージョン(&V)|Ctrl+V"_s, u"お読み下さい(&R)|Ctrl+R"_s}));

    // Focus starts in the pattern box; Tab walks the controls in their given order.
    QApplication::setActiveWindow(w.get());
    QTRY_COMPARE(QApplication::focusWidget(), w->Combo1);
    const QList<QWidget *> order = {w->Drive1, w->Dir1, w->Command1, w->File1, w->List1, w->Command2, w->Option1};
    for (QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
}

void TestMainWindow::layoutInTwips()
{
    auto w = shownWindow();
    using platform::twipsRect;
    QCOMPARE(w->Combo1->geometry(), twipsRect(480, 840, 2175, 300, w.get()));
    QCOMPARE(w->Drive1->geometry(), twipsRect(480, 1320, 2175, 300, w.get()));
    QCOMPARE(w->Dir1->geometry(), twipsRect(480, 1680, 2175, 3390, w.get()));
    QCOMPARE(w->File1->geometry(), twipsRect(480, 5400, 2175, 270, w.get()));
    QCOMPARE(w->List1->geometry(), twipsRect(2880, 600, 5535, 4560, w.get()));
    QCOMPARE(w->Frame1->geometry(), twipsRect(2880, 5280, 1215, 975, w.get()));
    QCOMPARE(w->Command2->geometry(), twipsRect(4200, 5520, 1335, 375, w.get()));
    QCOMPARE(w->Command1->geometry(), twipsRect(6000, 5520, 1455, 375, w.get()));
    QCOMPARE(w->Label6->geometry(), twipsRect(480, 600, 2175, 255, w.get()));
    // The banner keeps its left edge and grows to show its whole text on one line.
    QCOMPARE(w->Label2->x(), platform::twipsToPixelsX(1740, w.get()));
    QVERIFY(w->Label2->width() >= w->Label2->sizeHint().width());
    QCOMPARE(w->centralWidget()->palette().color(QPalette::Window).name(), u"#c0c0c0"_s);
    QCOMPARE(w->Label2->palette().color(QPalette::Window).name(), u"#80ff80"_s);
    QCOMPARE(w->Label6->palette().color(QPalette::Window).name(), u"#c0ffc0"_s);
    QCOMPARE(w->List1->font().families().value(0), u"ＭＳ ゴシック"_s);
    QCOMPARE(w->List1->font().pointSizeF(), 9.0);
}

void TestMainWindow::fixedSizeAndCentre()
{
    auto w = shownWindow();
    const QSize outer(platform::twipsToPixelsX(8800, w.get()), platform::twipsToPixelsY(7000, w.get()));
    const QRect screen = w->screen()->geometry();
    const auto centred = [&] {
        const QRect f = w->frameGeometry();
        return f.size() == outer && f.x() == screen.x() + (screen.width() - f.width()) / 2
               && f.y() == screen.y() + (screen.height() - f.height()) / 2;
    };
    QTRY_VERIFY(centred());

    w->resize(300, 200); // a dragged border springs back
    QTRY_VERIFY(centred());

    w->move(10, 20); // a dragged title bar is left alone
    QTRY_COMPARE(w->pos(), QPoint(10, 20));

    w->showMaximized();
    QTRY_VERIFY(w->isMaximized());
    QCOMPARE(w->Combo1->geometry(), platform::twipsRect(480, 840, 2175, 300, w.get()));
    w->showNormal();
    QTRY_VERIFY(centred());
    QCOMPARE(Module1::gFileLimit, qint16(9999));
}

void TestMainWindow::buildsFromPatternBox()
{
    QTemporaryDir dir;
    const QDateTime t = fixtures::localTime(1997, 10, 21, 9, 5, 3);
    fixtures::makeFile(dir.path(), u"a.txt"_s, 100, t);
    fixtures::makeFile(dir.path(), u"b.doc"_s, 200, t);
    auto w = shownWindow();
    QVERIFY(w->Dir1->setPath(dir.path())); // a change of directory builds at once
    QCOMPARE(w->List1->count(), 2);

    int reads = 0;
    w->setFactsReader([&](const QByteArray &path) {
        ++reads;
        return platform::readFileFacts(path);
    });

    // Typing alone builds nothing, nor does leaving the box, even with a pattern of its list.
    typePattern(*w, u"*.doc"_s);
    QTest::keyClick(w->Combo1, Qt::Key_Tab);
    QVERIFY(!w->Combo1->hasFocus());
    QCOMPARE(reads, 0);
    QCOMPARE(w->List1->count(), 2);
    QCOMPARE(w->File1->pattern(), u"*.*"_s);
    // Enter builds, once: one file read in each of the two passes.
    w->Combo1->setFocus();
    QTest::keyClick(w->Combo1, Qt::Key_Return);
    QCOMPARE(reads, 2);
    QCOMPARE(lines(w->List1), QStringList{u"b     .doc  200 97-10-21 09:05:03"_s});
    QCOMPARE(w->Combo1->count(), 5); // Enter did not add the typed pattern to the list

    // Picking an entry of the drop-down builds too.
    w->Combo1->setCurrentIndex(3);
    emit w->Combo1->activated(3);
    QCOMPARE(w->Combo1->currentText(), u"*.txt"_s);
    QCOMPARE(lines(w->List1), QStringList{u"a     .txt  100 97-10-21 09:05:03"_s});
    QVERIFY(g_boxes->shown().isEmpty());
}

void TestMainWindow::builtListStoredInModule1()
{
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"a.txt"_s, 1024, fixtures::localTime(1997, 10, 21, 9, 5, 0));
    fixtures::makeFile(dir.path(), u"b.doc"_s, 2000, fixtures::localTime(1997, 10, 22, 18, 30, 15));
    auto w = shownWindow();
    w->Dir1->setPath(dir.path());
    QCOMPARE(Module1::gTotalBytes, 3024);
    QCOMPARE(Module1::gNameWidth, 6);
    QCOMPARE(Module1::gExtWidth, 4);
    QCOMPARE(Module1::gSizeWidth, 7);
    QCOMPARE(Module1::gFileName[1], u"a"_s);
    QCOMPARE(Module1::gFileExt[2], u".doc"_s);
    QCOMPARE(Module1::gRunningTotal[1], u"1024"_s);
    QCOMPARE(Module1::gRunningTotal[2], u"3024"_s);
    QCOMPARE(Module1::gFileDate[2], u"97-10-22"_s);
    QCOMPARE(Module1::gFileTime[2], u"18:30:15"_s);
}

void TestMainWindow::secondBuildForgetsTheFirst()
{
    QTemporaryDir dir;
    const QDateTime t = fixtures::localTime(2000, 1, 1, 0, 0, 0);
    fixtures::makeFile(dir.path(), u"a.txt"_s, 1, t);
    fixtures::makeFile(dir.path(), u"b.longext"_s, 1000000, t);
    auto w = shownWindow();
    w->Dir1->setPath(dir.path());
    QCOMPARE(Module1::gExtWidth, 8);
    typePattern(*w, u"*.txt"_s);
    QTest::keyClick(w->Combo1, Qt::Key_Enter);
    QCOMPARE(Module1::gExtWidth, 4);
    QCOMPARE(Module1::gSizeWidth, 3);
    QCOMPARE(Module1::gTotalBytes, 1);
    QCOMPARE(w->List1->count(), 1);
}

void TestMainWindow::fileLimit()
{
    QTemporaryDir dir;
    const QDateTime t = fixtures::localTime(2000, 1, 1, 0, 0, 0);
    for (int i = 0; i < 9999; ++i)
        fixtures::makeFile(dir.path(), u"f%1.dat"_s.arg(i, 5, 10, QChar(u'0')), 0, t);
    auto w = shownWindow();
    w->Dir1->setPath(dir.path());
    QCOMPARE(w->List1->count(), 9999);
    QVERIFY(g_boxes->shown().isEmpty());

    fixtures::makeFile(dir.path(), u"one-more.dat"_s, 0, t);
    QTest::keyClick(w->Combo1, Qt::Key_Return);
    QCOMPARE(g_boxes->texts(), QStringList{u"ファイル数が 9999を越えていますから処理出来ません"_s});
    QCOMPARE(g_boxes->shown().at(0).buttons, platform::Buttons::Ok);
    QCOMPARE(g_boxes->shown().at(0).icon, platform::Icon::None);
    QCOMPARE(g_boxes->shown().at(0).title, u"VREL's FILEPRINT"_s);
    // Refused: nothing of the earlier list is left for the outputs to print.
    QCOMPARE(w->List1->count(), 0);
    QCOMPARE(Module1::gTotalBytes, 0);
    QCOMPARE(Module1::gNameWidth, 6);
    QCOMPARE(Module1::gExtWidth, 0);

    // The count comes before the pattern: an empty pattern over too many files gives the count message.
    g_boxes->reset();
    typePattern(*w, QString());
    QTest::keyClick(w->Combo1, Qt::Key_Return);
    QCOMPARE(g_boxes->texts(), QStringList{u"ファイル数が 9999を越えていますから処理出来ません"_s});
}

void TestMainWindow::emptyPattern()
{
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"a.txt"_s, 1, QDateTime::currentDateTime());
    auto w = shownWindow();
    QApplication::setActiveWindow(w.get());
    w->Dir1->setPath(dir.path());
    QCOMPARE(w->List1->count(), 1);

    typePattern(*w, QString());
    w->List1->setFocus(); // where the focus is when the box comes up
    g_boxes->answerNext(platform::Answer::Cancel);
    w->Combo1_KeyPress(13);
    QCOMPARE(g_boxes->shown().size(), 1);
    const auto &box = g_boxes->shown().at(0);
    QCOMPARE(box.text, u"ファイル拡張子を決めて下さい"_s);
    QCOMPARE(box.buttons, platform::Buttons::RetryCancel);
    QCOMPARE(box.icon, platform::Icon::Exclamation);
    QCOMPARE(box.title, u"VREL's FILEPRINT"_s);
    QCOMPARE(w->List1->count(), 0);
    QTRY_COMPARE(QApplication::focusWidget(), w->List1); // Cancel leaves the focus alone

    g_boxes->answerNext(platform::Answer::Retry);
    w->Combo1_KeyPress(13);
    QTRY_COMPARE(QApplication::focusWidget(), w->Combo1);
}

void TestMainWindow::unreadableFileEmptiesTheList()
{
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"a.txt"_s, 1, QDateTime::currentDateTime());
    fixtures::makeFile(dir.path(), u"b.txt"_s, 1, QDateTime::currentDateTime());
    auto w = shownWindow();
    w->Dir1->setPath(dir.path());
    QCOMPARE(w->List1->count(), 2);

    // b.txt is removed after the first pass has measured it.
    int reads = 0;
    w->setFactsReader([&](const QByteArray &path) {
        if (++reads == 3)
            QFile::remove(dir.filePath(u"b.txt"_s));
        return platform::readFileFacts(path);
    });
    QTest::keyClick(w->Combo1, Qt::Key_Return);
    QCOMPARE(g_boxes->texts(),
             QStringList{u"ファイルの情報を読み取れません\n"_s + QDir::toNativeSeparators(dir.filePath(u"b.txt"_s))});
    QCOMPARE(g_boxes->shown().at(0).icon, platform::Icon::Exclamation);
    QCOMPARE(w->List1->count(), 0);
    QCOMPARE(Module1::gTotalBytes, 0);
    QCOMPARE(Module1::gNameWidth, 6);

    // The program goes on: the next build lists what is there now.
    QTest::keyClick(w->Combo1, Qt::Key_Return);
    QCOMPARE(w->List1->count(), 1);
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
    auto w = shownWindow();
    w->Dir1->setPath(dir.path());
    QCOMPARE(lines(w->List1), (QStringList{u"x\uFFFD    .txt  5 00-01-01 00:00:00"_s,
                                         u"y?z   .txt  6 00-01-01 00:00:00"_s}));
    QCOMPARE(Module1::gTotalBytes, 11);
    QVERIFY(g_boxes->shown().isEmpty());
    fixtures::removeRawFile(dir.path(), QByteArray("x\xFF.txt"));
}

void TestMainWindow::driveChoice()
{
    auto w = shownWindow();
    QVERIFY(w->Drive1->count() >= 1);
    QVERIFY(w->Drive1->findText(QDir::toNativeSeparators(QDir::rootPath())) >= 0);
    QVERIFY(w->Drive1->findText(u"/proc"_s) < 0);

    QTemporaryDir dir;
    w->Dir1->setPath(dir.path());
    const QString before = w->Dir1->path();
    // A drive that cannot be read: no message, the directory list stays, the choice still shows.
    w->Drive1->addItem(dir.filePath(u"no-medium"_s));
    w->Drive1->setCurrentIndex(w->Drive1->count() - 1);
    emit w->Drive1->activated(w->Drive1->count() - 1);
    QCOMPARE(w->Dir1->path(), before);
    QCOMPARE(w->Drive1->currentText(), dir.filePath(u"no-medium"_s));
    QVERIFY(g_boxes->shown().isEmpty());

    // A readable one moves the directory list there, which builds the list.
    fixtures::makeFile(dir.path(), u"x.txt"_s, 1, QDateTime::currentDateTime());
    w->Drive1->addItem(dir.path());
    w->Drive1->setCurrentIndex(w->Drive1->count() - 1);
    w->Dir1->setPath(QDir::rootPath());
    emit w->Drive1->activated(w->Drive1->count() - 1);
    QCOMPARE(w->Dir1->path(), QDir::toNativeSeparators(dir.path()));
    QCOMPARE(w->List1->count(), 1);
}

void TestMainWindow::menuShortcutsBeatThePatternBox()
{
    auto w = shownWindow();
    QApplication::setActiveWindow(w.get());
    typePattern(*w, u"*.tx"_s);
    QTRY_COMPARE(QApplication::focusWidget(), w->Combo1);
    w->Combo1->lineEdit()->selectAll();

    QSignalSpy print(w.get(), &frmVREL_FP::printFileListRequested);
    QSignalSpy readme(w.get(), &frmVREL_FP::readmeRequested);
    QTest::keyClick(w->Combo1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(g_boxes->texts(), QStringList{frmVREL_FP::versionText()});
    QTest::keyClick(w->Combo1, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(print.count(), 1);
    QTest::keyClick(w->Combo1, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(readme.count(), 1);
    QCOMPARE(platform::mousePointer(w.get()), platform::MousePointer::Hourglass);
    QCOMPARE(w->Combo1->currentText(), u"*.tx"_s); // neither pasted over nor cut

    // The buttons ask for the same commands.
    QSignalSpy exportSpy(w.get(), &frmVREL_FP::exportFileListRequested);
    w->Command1->click();
    w->Command2->click();
    QCOMPARE(print.count(), 2);
    QCOMPARE(exportSpy.count(), 1);

    // Ctrl+X reaches the exit entry too, not the box's cut.
    bool exitTriggered = false;
    connect(w->nmuEnd, &QAction::triggered, [&] { exitTriggered = true; });
    w->nmuEnd->setShortcut(QKeySequence()); // keep the test process itself alive
    w->nmuEnd->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    disconnect(w->nmuEnd, &QAction::triggered, w.get(), &frmVREL_FP::nmuEnd_Click);
    QTest::keyClick(w->Combo1, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(exitTriggered);
    QCOMPARE(w->Combo1->currentText(), u"*.tx"_s);
}

void TestMainWindow::versionMessage()
{
    auto w = shownWindow();
    w->mnuVersion->trigger();
    QCOMPARE(g_boxes->shown().size(), 1);
    const auto &box = g_boxes->shown().at(0);
    QCOMPARE(box.text, u"Vrel's Listwright ver.1.00 (97/10/21)\r\r"_s);
    QCOMPARE(box.buttons, platform::Buttons::Ok);
    QCOMPARE(box.icon, platform::Icon::None);
    QCOMPARE(box.title, u"VREL's FILEPRINT"_s);
}

void TestMainWindow::secondCopyLeavesSilently()
{
    const QString program = QStringLiteral(VREL_PROGRAM);
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program);
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(runtime.filePath(u"vrel-fileprint.lock"_s)), 10000);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program);
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(second.readAllStandardOutput().isEmpty());
    QCOMPARE(first.state(), QProcess::Running); // the running copy is not disturbed

    // A copy that died without cleaning up does not keep the next one out.
    first.kill();
    QVERIFY(first.waitForFinished());
    QVERIFY(QFile::exists(runtime.filePath(u"vrel-fileprint.lock"_s)));
    QProcess third;
    third.setProcessEnvironment(env);
    third.start(program);
    QVERIFY(third.waitForStarted());
    QVERIFY(!third.waitForFinished(2000));
    third.kill();
    third.waitForFinished();
}

void TestMainWindow::closingRunsNoHandler()
{
    // The pattern box takes losing the focus as a choice of the pattern typed into it; when the
    // window goes away with a pattern typed and not yet entered, no list build may run in it.
    QTemporaryDir dir;
    fixtures::makeFile(dir.path(), u"a.txt"_s, 1, fixtures::localTime(2000, 1, 1, 0, 0, 0));
    auto w = shownWindow();
    w->Dir1->setPath(dir.path());
    bool closing = false;
    int buildsWhileClosing = 0;
    w->setFactsReader([&](const QByteArray &path) {
        buildsWhileClosing += closing ? 1 : 0;
        return platform::readFileFacts(path);
    });
    typePattern(*w, u"*.txt"_s);
    closing = true;
    w.reset();
    QCOMPARE(buildsWhileClosing, 0);
    QVERIFY(g_boxes->shown().isEmpty());
}
