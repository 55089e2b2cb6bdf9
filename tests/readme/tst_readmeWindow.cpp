#include "tst_readme.h"

#include "fixtures.h"
#include "main/frmVREL_FP.h"
#include "platform/clickableLabel.h"
#include "platform/dirListBox.h"
#include "platform/mousePointer.h"
#include "platform/twips.h"
#include "readme/frmReadme.h"
#include "readme/readmeOpener.h"
#include "readmeProgram.h"
#include "scriptedMessageBox.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using platform::MousePointer;

namespace {

std::unique_ptr<ScriptedMessageBox> g_boxes;

QStringList lines(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

QString listColours(const QListWidget *list)
{
    return list->palette().color(QPalette::Base).name() + u'/' + list->palette().color(QPalette::Text).name();
}

} // namespace

void TestReadmeWindow::init()
{
    g_boxes = std::make_unique<ScriptedMessageBox>();
}

void TestReadmeWindow::cleanup()
{
    g_boxes.reset();
}

void TestReadmeWindow::opensOverTheMainWindow()
{
    QTemporaryDir dir;
    writeDataFile(dir.path(), "first\r\n\r\nthird\r\nzeqa\r\nhidden\r\n"_ba);
    Program p(dir.path());
    frmReadme *r = p.openReadme();
    QVERIFY(r);

    QCOMPARE(r->windowTitle(), u"お読み下さい"_s);
    QCOMPARE(lines(r->lstReadme), (QStringList{u"first"_s, u""_s, u"third"_s}));
    QVERIFY(!r->isModal());
    QVERIFY(!(r->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(r->windowFlags() & Qt::WindowCloseButtonHint);

    // Same outer size as the main window and centred the same way: exactly over it.
    const QSize outer(platform::twipsToPixelsX(8800, r), platform::twipsToPixelsY(7000, r));
    const QRect screen = r->screen()->geometry();
    const QRect centred(screen.x() + (screen.width() - outer.width()) / 2,
                        screen.y() + (screen.height() - outer.height()) / 2, outer.width(), outer.height());
    QTRY_COMPARE(r->frameGeometry(), centred);
    QTRY_COMPARE(p.main.frameGeometry(), centred);

    // Not resizable: a border drag has nothing to give.
    QCOMPARE(r->minimumSize(), r->maximumSize());
    r->resize(300, 200);
    QCOMPARE(r->frameGeometry().size(), outer);

    QTRY_COMPARE(QApplication::activeWindow(), r);
    QTRY_COMPARE(QApplication::focusWidget(), r->Command1);
    QCOMPARE(platform::mousePointer(&p.main), MousePointer::Hourglass);
    QVERIFY(g_boxes->shown().isEmpty());
}

void TestReadmeWindow::layoutInTwips()
{
    QTemporaryDir dir;
    Program p(dir.path());
    frmReadme *r = p.openReadme();
    using platform::twipsRect;
    QCOMPARE(r->lstReadme->geometry(), twipsRect(840, 120, 6975, 5325, r));
    QCOMPARE(r->Command2->geometry(), twipsRect(4800, 5760, 1215, 375, r));
    QCOMPARE(r->Command1->geometry(), twipsRect(6360, 5760, 1335, 375, r));
    QCOMPARE(r->Command2->text(), u"印刷"_s);
    QCOMPARE(r->Command1->text(), u"閉じる"_s);
    QCOMPARE(r->palette().color(QPalette::Window).name(), u"#c0c0c0"_s);
    QCOMPARE(r->lstReadme->font().families().value(0), u"ＭＳ 明朝"_s);
    QCOMPARE(r->lstReadme->font().pointSizeF(), 9.75);
    QCOMPARE(r->lstReadme->selectionMode(), QAbstractItemView::SingleSelection);

    const struct {
        platform::ClickableLabel *label;
        QString caption;
        int left;
        QString colours;
    } swatches[] = {
        {r->lblC1, u"C1"_s, 1920, u"#000080/#ffff00"_s},
        {r->lblC2, u"C2"_s, 2520, u"#ffffff/#000000"_s},
        {r->lblC3, u"C3"_s, 3120, u"#000000/#ffffff"_s},
        {r->lblC4, u"C4"_s, 3720, u"#ff0000/#ffffff"_s},
    };
    for (const auto &s : swatches) {
        QCOMPARE(s.label->text(), s.caption);
        QCOMPARE(s.label->geometry(), twipsRect(s.left, 5760, 375, 255, r));
        QCOMPARE(s.label->palette().color(QPalette::Window).name() + u'/'
                     + s.label->palette().color(QPalette::WindowText).name(),
                 s.colours);
        QCOMPARE(s.label->font().families().value(0), u"ＭＳ ゴシック"_s);
        QCOMPARE(s.label->font().weight(), QFont::Bold);
        QCOMPARE(s.label->focusPolicy(), Qt::NoFocus);
    }

    // Tab goes from "閉じる" to the list and on to "印刷"; the swatches are passed over.
    QTRY_COMPARE(QApplication::focusWidget(), r->Command1);
    QTest::keyClick(r->Command1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), r->lstReadme);
    QTest::keyClick(r->lstReadme, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), r->Command2);
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
    Program p(dir.path());
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
    Program p(dir.path());
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

void TestReadmeWindow::reopeningStartsAfresh()
{
    QTemporaryDir dir;
    writeDataFile(dir.path(), "old text\r\n"_ba);
    Program p(dir.path());
    QPointer<frmReadme> r = p.openReadme();
    const QString defaults = listColours(r->lstReadme);
    QCOMPARE(defaults, QListWidget().palette().color(QPalette::Base).name() + u'/'
                           + QListWidget().palette().color(QPalette::Text).name());
    r->lblC4_Click();
    QVERIFY(listColours(r->lstReadme) != defaults);
    r->Command1_Click();
    QTRY_VERIFY(r.isNull());

    writeDataFile(dir.path(), "new text\r\nzeqa\r\n"_ba);
    r = p.openReadme();
    QCOMPARE(listColours(r->lstReadme), defaults);
    QCOMPARE(lines(r->lstReadme), QStringList{u"new text"_s});
    QTRY_COMPARE(QApplication::focusWidget(), r->Command1);
}

void TestReadmeWindow::openingWhileOpenOnlyRaises()
{
    QTemporaryDir dir;
    writeDataFile(dir.path(), "old text\r\n"_ba);
    Program p(dir.path());
    frmReadme *first = p.openReadme();
    first->lblC3_Click();
    first->lstReadme->setCurrentRow(0);
    QApplication::setActiveWindow(&p.main);
    QTRY_COMPARE(QApplication::activeWindow(), &p.main);

    writeDataFile(dir.path(), "new text\r\n"_ba);
    QCOMPARE(p.openReadme(), first);
    QCOMPARE(lines(first->lstReadme), QStringList{u"old text"_s});
    QCOMPARE(listColours(first->lstReadme), u"#000000/#ffffff"_s);
    QCOMPARE(first->lstReadme->currentRow(), 0);
    QTRY_COMPARE(QApplication::activeWindow(), first);
}

void TestReadmeWindow::mainWindowStaysUsable()
{
    QTemporaryDir data;
    writeDataFile(data.path(), "text\r\n"_ba);
    QTemporaryDir listed;
    fixtures::makeFile(listed.path(), u"a.txt"_s, 10, fixtures::localTime(1997, 10, 21, 9, 5, 3));
    Program p(data.path());
    frmReadme *r = p.openReadme();

    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(p.main.Dir1->setPath(listed.path()));
    QCOMPARE(p.main.List1->count(), 1);
    QVERIFY(r->isVisible());
    QCOMPARE(lines(r->lstReadme), QStringList{u"text"_s});
}

void TestReadmeWindow::missingDataFile()
{
    QTemporaryDir dir;
    Program p(dir.path() + u"/nowhere"_s);
    frmReadme *r = p.openReadme();
    QVERIFY(r);
    QVERIFY(r->isVisible());
    QCOMPARE(r->lstReadme->count(), 0);
    QVERIFY(g_boxes->shown().isEmpty());
    QTest::keyClick(r->Command1, Qt::Key_Return);
    QTRY_VERIFY(!p.opener->window());
    QCOMPARE(platform::mousePointer(&p.main), MousePointer::Default);
}
