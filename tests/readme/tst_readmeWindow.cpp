#include "tst_readme.h"

#include "platform/controls/clickableLabel.h"
#include "platform/window/mousePointer.h"
#include "readmeProgram.h"
#include "scriptedTest.h"

#include <QApplication>
#include "platform/controls/listBox.h"
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using platform::MousePointer;

namespace {

QString listColours(const QWidget *list)
{
    return list->palette().color(QPalette::Base).name() + u'/' + list->palette().color(QPalette::Text).name();
}

} // namespace

void TestReadmeWindow::opensOverTheMainWindow()
{
    QTemporaryDir dir;
    writeDataFile(dir.path(), "first\r\n\r\nthird\r\nzeqa\r\nhidden\r\n"_ba);
    Readme p(dir.path());
    frmReadme *r = p.openReadme();
    QVERIFY(r);

    QCOMPARE(r->windowTitle(), u"お読み下さい"_s);
    QCOMPARE(r->lstReadme->lines(), (QStringList{u"first"_s, u""_s, u"third"_s}));
    QVERIFY(!r->isModal());
    QVERIFY(!(r->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(r->windowFlags() & Qt::WindowCloseButtonHint);

    // Not resizable: a border drag has nothing to give. (Its size and place on a real window
    // manager are measured by the keyboard test.)
    QCOMPARE(r->minimumSize(), r->maximumSize());
    QTRY_COMPARE(QApplication::activeWindow(), r);
    QTRY_COMPARE(QApplication::focusWidget(), r->Command1);
    QCOMPARE(platform::mousePointer(&p.main), MousePointer::Hourglass);
    QVERIFY(g_boxes->shown().isEmpty());
}

void TestReadmeWindow::closingRestoresMainPointer_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter at once") << u"enter"_s;
    QTest::newRow("閉じる clicked") << u"button"_s;
    QTest::newRow("close box") << u"close box"_s;
}

void TestReadmeWindow::closingRestoresMainPointer()
{
    QFETCH(QString, how);
    QTemporaryDir dir;
    writeDataFile(dir.path(), "text\r\n"_ba);
    Readme p(dir.path());
    QPointer<frmReadme> r = p.openReadme();
    QCOMPARE(platform::mousePointer(&p.main), MousePointer::Hourglass);

    if (how == u"enter") {
        QTRY_COMPARE(QApplication::focusWidget(), r->Command1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    } else if (how == u"button") {
        QTest::mouseClick(r->Command1, Qt::LeftButton);
    } else {
        QVERIFY(r->close());
    }
    QTRY_VERIFY(r.isNull()); // discarded, not just hidden
    QVERIFY(!p.opener->window());
    QCOMPARE(platform::mousePointer(&p.main), MousePointer::Default);
    QVERIFY(p.main.isVisible());
}

void TestReadmeWindow::swatches_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("colours");

    QTest::newRow("C1") << QList<int>{1} << u"#000080/#ffff00"_s;
    QTest::newRow("C2") << QList<int>{2} << u"#ffffff/#000000"_s;
    QTest::newRow("C3") << QList<int>{3} << u"#000000/#ffffff"_s;
    QTest::newRow("C4") << QList<int>{4} << u"#ff0000/#ffffff"_s;
    QTest::newRow("C1 then C3: last wins") << QList<int>{1, 3} << u"#000000/#ffffff"_s;
    QTest::newRow("C4, C2, C4, C1") << QList<int>{4, 2, 4, 1} << u"#000080/#ffff00"_s;
}

void TestReadmeWindow::swatches()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, colours);
    QTemporaryDir dir;
    writeDataFile(dir.path(), "text\r\n"_ba);
    Readme p(dir.path());
    frmReadme *r = p.openReadme();
    platform::ClickableLabel *labels[] = {r->lblC1, r->lblC2, r->lblC3, r->lblC4};

    for (int c : clicks)
        QTest::mouseClick(labels[c - 1], Qt::LeftButton);
    QCOMPARE(listColours(r->lstReadme), colours);
    QCOMPARE(r->lblC1->palette().color(QPalette::Window).name(), u"#000080"_s); // the swatch keeps its own

    // A press that leaves the swatch before its release is no click.
    QTest::mousePress(r->lblC2, Qt::LeftButton);
    QTest::mouseRelease(r->lblC2, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(listColours(r->lstReadme), colours);
}

void TestReadmeWindow::reopening()
{
    QTemporaryDir dir;
    writeDataFile(dir.path(), "old text\r\n"_ba);
    Readme p(dir.path());
    QPointer<frmReadme> r = p.openReadme();
    const QString defaults = listColours(r->lstReadme);
    r->lblC3_Click();
    QApplication::setActiveWindow(&p.main);
    QTRY_COMPARE(QApplication::activeWindow(), &p.main);

    // While open: only brought to the front, as it was.
    writeDataFile(dir.path(), "new text\r\nzeqa\r\n"_ba);
    QCOMPARE(p.openReadme(), r.data());
    QCOMPARE(r->lstReadme->lines(), QStringList{u"old text"_s});
    QCOMPARE(listColours(r->lstReadme), u"#000000/#ffffff"_s);
    QTRY_COMPARE(QApplication::activeWindow(), r.data());

    // Once closed: the file read afresh, in the default colours.
    r->Command1_Click();
    QTRY_VERIFY(r.isNull());
    r = p.openReadme();
    QCOMPARE(listColours(r->lstReadme), defaults);
    QCOMPARE(r->lstReadme->lines(), QStringList{u"new text"_s});
    QTRY_COMPARE(QApplication::focusWidget(), r->Command1);
}

void TestReadmeWindow::missingDataFile()
{
    QTemporaryDir dir;
    Readme p(dir.path() + u"/nowhere"_s);
    frmReadme *r = p.openReadme();
    QVERIFY(r);
    QVERIFY(r->isVisible());
    QCOMPARE(r->lstReadme->count(), 0);
    QVERIFY(g_boxes->shown().isEmpty());
}
