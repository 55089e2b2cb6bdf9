#include "tst_output.h"

#include "fixtures.h"
#include "main/frmVREL_FP.h"
#include "output/commonDialog.h"
#include "output/printFileList.h"
#include "platform/dirListBox.h"
#include "printedPdf.h"
#include "scriptedMessageBox.h"
#include "scriptedPrinterDialog.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

using namespace Qt::StringLiterals;

namespace {

QString g_root;

QString serverPath(const QString &relative)
{
    return g_root + u'/' + relative;
}

bool writeText(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) == text.toUtf8().size();
}

QString tail(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return u"(no log)"_s;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return lines.mid(std::max<qsizetype>(0, lines.size() - 5)).join(u'\n');
}

} // namespace

void TestPrintServer::useDirectory(const QString &directory)
{
    g_root = directory;
    qputenv("CUPS_SERVER", serverPath(u"state/cups.sock"_s).toLocal8Bit());
}

void TestPrintServer::initTestCase()
{
    const QString cupsd = QStandardPaths::findExecutable(u"cupsd"_s, {u"/usr/sbin"_s, u"/usr/local/sbin"_s});
    if (cupsd.isEmpty())
        QSKIP("no print server here: cupsd is not installed (tools/deps installs it)");

    // A server of the test's own: its configuration, spool, state and one raw queue whose
    // device is the capture backend, which keeps each job's document as it was sent.
    QDir root(g_root);
    for (const QString &sub : {u"conf"_s, u"spool"_s, u"cache"_s, u"state"_s, u"tmp"_s, u"log"_s, u"bin/backend"_s,
                               u"captured"_s})
        QVERIFY(root.mkpath(sub));
    QFile::setPermissions(g_root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    for (const QString &shared : {u"filter"_s, u"daemon"_s, u"cgi-bin"_s, u"notifier"_s, u"monitor"_s})
        QFile::link(u"/usr/lib/cups/"_s + shared, serverPath(u"bin/"_s + shared));
    const QString backend = serverPath(u"bin/backend/capture"_s);
    QVERIFY(QFile::copy(QStringLiteral(VREL_CAPTURE_BACKEND), backend));
    // Owner-only, so that the server runs it as the owner, who can write the capture directory.
    QVERIFY(QFile::setPermissions(backend, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    QVERIFY(writeText(serverPath(u"conf/cups-files.conf"_s),
                      u"ServerRoot %1/conf\nServerBin %1/bin\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                      "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                      "PageLog %1/log/page_log\nPrintcap %1/state/printcap\n"_s.arg(g_root)));
    QVERIFY(writeText(serverPath(u"conf/cupsd.conf"_s),
                      u"Listen %1/state/cups.sock\nLogLevel info\nBrowsing No\n"
                      "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"_s.arg(g_root)));
    QVERIFY(writeText(serverPath(u"conf/printers.conf"_s),
                      u"<Printer capture>\nDeviceURI capture:%1/captured\nState Idle\nAccepting Yes\n</Printer>\n"_s.arg(
                          g_root)));

#ifdef Q_OS_LINUX
    // Should this test die, its server goes with it.
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {u"-f"_s, u"-c"_s, serverPath(u"conf/cupsd.conf"_s), u"-s"_s,
                          serverPath(u"conf/cups-files.conf"_s)});
    if (!m_cupsd.waitForStarted(10000))
        QSKIP(qPrintable(u"the print server cannot start: "_s + m_cupsd.errorString()));
    for (int i = 0; i < 100 && !QFile::exists(serverPath(u"state/cups.sock"_s)); ++i) {
        if (m_cupsd.state() == QProcess::NotRunning)
            break;
        QTest::qWait(100);
    }
    if (!QFile::exists(serverPath(u"state/cups.sock"_s))) {
        const QString why = QString::fromLocal8Bit(m_cupsd.readAll()) + tail(serverPath(u"log/error_log"_s));
        QSKIP(qPrintable(u"the print server did not start: "_s + why));
    }
}

void TestPrintServer::cleanupTestCase()
{
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(10000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

void TestPrintServer::printsToQueue()
{
    ScriptedMessageBox boxes;
    ScriptedPrinterDialog dialog;
    // The person picks the queue in the dialog.
    dialog.onShow([](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(u"capture"_s);
    });

    QTemporaryDir dir;
    const QDateTime t = fixtures::localTime(2003, 3, 3, 3, 3, 3);
    for (int i = 1; i <= 80; ++i)
        fixtures::makeFile(dir.path(), u"帳票%1.dat"_s.arg(i, 3, 10, QChar(u'0')), 2048, t);
    frmVREL_FP w;
    output::attachPrinting(w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.Dir1->setPath(dir.path()));

    w.Command1->click();
    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(output::commonDialog(w).printer().printerName(), u"capture"_s);

    QDir captured(serverPath(u"captured"_s));
    QTRY_VERIFY2_WITH_TIMEOUT(captured.entryList({u"job-*.pdf"_s}, QDir::Files).size() == 1,
                              qPrintable(tail(serverPath(u"log/error_log"_s))), 30000);
    const QString job = captured.filePath(captured.entryList({u"job-*.pdf"_s}, QDir::Files).first());

    // 87 lines: more than a page of Mincho at 12 points holds, fewer than two.
    QCOMPARE(printedPdf::pageCount(job), 2);
    const qreal left = output::commonDialog(w).printer().pageLayout().paintRect(QPageLayout::Point).left();
    const QString rule = QString(57, u'-');
    QStringList expected{u"VREL's file print"_s, rule, u"Directory : "_s + dir.path(), u"File Type : *.*"_s, rule};
    for (int i = 1; i <= 80; ++i)
        expected.append(u"帳票%1.dat  2,048 03-03-03 03:03:03"_s.arg(i, 3, 10, QChar(u'0')));
    expected += {rule, u"Total(80)  163,840"_s};
    for (QString &line : expected)
        line.prepend(QString(6, u' '));
    QCOMPARE(printedPdf::cellLines(job, left, 6.0), expected);
}
