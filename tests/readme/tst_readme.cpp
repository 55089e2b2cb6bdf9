#include "widgets/platform/controls/clickableLabel.h"
#include "widgets/readme/frmReadme.h"
#include "widgets/readme/readmeOpener.h"
#include "window.h"

class TestReadme : public QObject
{
    Q_OBJECT
    std::optional<Window> m;
    readme::ReadmeOpener *m_opener = nullptr;

    frmReadme *open()
    {
        m->w.mnuReadme_Click();
        // Shown by the command itself, not by the test.
        if (!QTest::qWaitForWindowExposed(m_opener->window()))
            qFatal("no read-me window");
        return m_opener->window();
    }
    void writeData(const QByteArray &bytes)
    {
        QFile f(m->pdf.filePath(u"VREL02.vrl"_s));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    static QByteArray dataFile(const QStringList &lines) { return toCp932(lines.join(u"\r\n"_s) + u"\r\n"_s); }
    static QString colours(const QWidget *list) { return list->palette().text().color().name() + u" on "_s + list->palette().base().color().name(); }

private slots:
    void init()
    {
        m.emplace();
        m_opener = readme::attachReadme(m->w, m->pdf.path());
    }

    void reader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("text");
        // CR or CR LF ends a line, a lone LF is a character; empty lines count; only "zeqa" at the
        // very start of a line ends the text, whatever follows it.
        QTest::newRow("line ends and markers")
            << "a\r\nb\rc\r\r\nd\ne\r\n\r\n zeqa\r\nZeqa\r\nzeq\r\nzeqa: the rest\r\nafter"_ba
            << u"a|b|c||d\ne|| zeqa|Zeqa|zeq"_s.split(u'|');
        // A broken byte costs one character, never the line or the character after it; the last
        // line needs no end.
        QTest::newRow("code page 932, broken bytes, no marker")
            << "\x82\xa8\x93\xc7\x82\xdd\xb1\r\na\xff b\r\n\x82\r\n\x82 x"_ba
            << u"お読みｱ|a\uFFFD b|\uFFFD|\uFFFD x"_s.split(u'|');
        QTest::newRow("at most 1000 lines") << dataFile(QStringList(1001, u"x"_s)) << QStringList(1000, u"x"_s);
    }
    void reader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, text);
        writeData(bytes);
        QCOMPARE(readme::readReadmeFile(m->pdf.path()), text);
    }

    void window()
    {
        writeData("a\r\n\r\nb\r\nzeqa\r\nhidden"_ba);
        QPointer<frmReadme> r = open();
        QVERIFY(!r->isModal());
        QCOMPARE(r->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint), Qt::WindowFlags());
        QCOMPARE(r->minimumSize(), r->maximumSize()); // a border drag has nothing to give
        // In pixels at 96 dots an inch, 15 twips each; the swatches' colours text on ground.
        const QStringList swatches{u"#ffff00 on #000080"_s, u"#000000 on #ffffff"_s, u"#ffffff on #000000"_s, u"#ffffff on #ff0000"_s};
        QStringList layout{u"window \"お読み下さい\" #000000 on #c0c0c0"_s, u"ListBox 56,8 465x355 " VREL_MINCHO " 9.75pt"_s};
        for (int i = 0; i < 4; ++i)
            layout << u"ClickableLabel %1,384 25x17 \"C%2\" %3 " VREL_GOTHIC " 12pt bold"_s.arg(128 + 40 * i).arg(i + 1).arg(swatches[i]);
        layout << u"QPushButton 320,384 81x25 \"印刷\""_s << u"QPushButton 424,384 89x25 \"閉じる\""_s;
        QCOMPARE(layoutOf(*r), layout);
        const auto defaults = colours(r->lstReadme);
        // Each swatch recolours the list, the last click winning; a press that leaves the
        // swatch before its release is no click.
        QStringList seen;
        for (ClickableLabel *swatch : {r->lblC1, r->lblC2, r->lblC3, r->lblC4}) {
            QTest::mouseClick(swatch, Qt::LeftButton);
            seen.append(colours(r->lstReadme));
        }
        QCOMPARE(seen, swatches);
        QTest::mousePress(r->lblC2, Qt::LeftButton);
        QTest::mouseRelease(r->lblC2, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(colours(r->lstReadme), seen.last());
        // Asked for while open: only brought to the front, as it was.
        writeData("new\r\n"_ba);
        QApplication::setActiveWindow(&m->w);
        QCOMPARE(open(), r.data());
        QTRY_COMPARE(QApplication::activeWindow(), r.data());
        QCOMPARE(r->lstReadme->count(), 3);
        // Enter closes it at once; the next opening reads the file afresh, in the default colours.
        // Its close box ends the hourglass the read-me command put on the main window (see
        // printing), as closing it any way does.
        QTest::keyClick(r->Command1, Qt::Key_Return);
        QTRY_VERIFY(r.isNull());
        r = open();
        QCOMPARE(r->lstReadme->lines(), QStringList{u"new"_s});
        QCOMPARE(colours(r->lstReadme), defaults);
        r->close();
        QTRY_VERIFY(r.isNull());
        QCOMPARE(m->pointer(), QString());
    }

    void printing()
    {
        writeData("shown\r\n"_ba);
        frmReadme *r = open();
        QPrinter &printer = m->printToPdf(*r->cdl_read, r);
        // What is printed is the file as it stands at the click, not the list, each line after
        // 15 spaces, with the hourglass on the read-me window from the dialog's close on; with
        // nothing before the marker, nothing reaches the printer and nothing is said; without the
        // file, the print ends on the abort path.
        const QStringList asked{u"プリンターの機種によっては、プログラムがダウンすることが有ります。"_s, u"printer dialog"_s};
        const QStringList text{u"本文"_s, QString(), u" zeqa は本文"_s};
        writeData(dataFile(text) + "zeqa\r\nafter"_ba);
        r->Command2->click();
        writeData("zeqa\r\nafter"_ba);
        r->Command2->click();
        QVERIFY(QFile::remove(m->pdf.filePath(u"VREL02.vrl"_s)));
        r->Command2->click();
        const QStringList discarded = asked + drawn({}, 15).first(2) << u"discard"_s + kWait;
        QCOMPARE(m->person.trace, asked + drawn(text, 15) + discarded + discarded + QStringList{u"印刷処理を中断します"_s + kWait});
        QCOMPARE(m->pointer(r), QString());
        // The read-me command's hourglass on the main window is not this command's to end.
        QCOMPARE(m->pointer(), kWait);
        VREL_LINUX_ONLY("pages read by poppler");
        QCOMPARE(printedPages(printer), seen(text, 15, printer));
    }
};

QTEST_MAIN(TestReadme)
#include "tst_readme.moc"
