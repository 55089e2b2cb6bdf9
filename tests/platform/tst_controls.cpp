#include "tst_platform.h"

#include "platform/controls/dirListBox.h"
#include "platform/window/fonts.h"
#include "platform/window/messageBox.h"
#include "platform/process/translation.h"
#include "platform/window/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

void TestControls::init()
{
    QApplication::setActiveWindow(nullptr);
}

void TestControls::dirListOpensSubdirectories()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(u"open/inner"_s));

    platform::DirListBox list;
    QSignalSpy changed(&list, &platform::DirListBox::changed);
    QVERIFY(list.setPath(dir.path()));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(list.path(), QDir::toNativeSeparators(dir.path()));
    QVERIFY(list.setPath(dir.path()));
    QCOMPARE(changed.count(), 1); // the same directory again is no change

    // The last entry is the subdirectory; Enter opens it.
    list.setCurrentRow(list.count() - 1);
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(list.path(), QDir::toNativeSeparators(dir.filePath(u"open"_s)));
    QCOMPARE(changed.count(), 2);
    QVERIFY(list.currentItem()->text().trimmed() == u"open"_s);
}

void TestControls::fontsKeepFullWidthAtTwoCells()
{
    // Measured in the faces the list and the printer really get, at the sizes they use.
    const QList<QFont> fonts = {platform::gothicFont(9), platform::gothicFont(12), platform::minchoFont(12),
                                platform::minchoFont(9.75)};
    for (const QFont &font : fonts) {
        const QFontMetricsF metrics(font);
        const qreal ascii = metrics.horizontalAdvance(u'a');
        QVERIFY2(ascii > 0, qPrintable(QFontInfo(font).family()));
        QCOMPARE(metrics.horizontalAdvance(u'漢'), 2 * ascii);
        QCOMPARE(metrics.horizontalAdvance(u'Ｒ'), 2 * ascii);
        QCOMPARE(metrics.horizontalAdvance(u'ｱ'), ascii);
        QCOMPARE(metrics.horizontalAdvance(u' '), ascii);
        QCOMPARE(metrics.horizontalAdvance(u"漢字  .txt"_s), 10 * ascii);
    }
}

void TestControls::messageBoxSpeaksJapanese()
{
    QVERIFY(platform::installJapaneseTranslation(*qApp));
    QStringList buttonTexts;
    QString title;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        for (QAbstractButton *b : box->buttons())
            buttonTexts.append(b->text().remove(u'&'));
        box->button(QMessageBox::Retry)->click();
    });
    platform::QtMessageBoxService qt;
    platform::MessageBoxService *previous = platform::setMessageBoxService(&qt);
    const auto answer = platform::messageBox(nullptr, u"テスト"_s, platform::Buttons::RetryCancel, platform::Icon::Exclamation);
    platform::setMessageBoxService(previous);
    QCOMPARE(answer, platform::Answer::Retry);
    QCOMPARE(title, u"VREL's FILEPRINT"_s);
    buttonTexts.sort();
    QVERIFY2(buttonTexts.join(u'|').contains(u"キャンセル"_s), qPrintable(buttonTexts.join(u'|')));
    QVERIFY2(buttonTexts.join(u'|').contains(u"再試行"_s), qPrintable(buttonTexts.join(u'|')));
}

void TestControls::twipsFollowTheScreen()
{
    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    QCOMPARE(platform::twipsToPixelsX(1440), qRound(dpi));
    QCOMPARE(platform::twipsToPixelsX(8800), qRound(8800 * dpi / 1440));
}
