#include "tst_output.h"

#include "platform/printing/commonDialog.h"
#include "output/printFileList.h"
#include "printedPdf.h"
#include "program.h"
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

bool writeText(const QString &path, const QString &text)
{
    QFile file(g_root + u'/' + path);
    return file.open(QIODevice::WriteOnly) && file.write(text.arg(g_root).toUtf8()) > 0;
}

QString errorLog()
{
    return QString::fromUtf8(fixtures::contents(g_root + u"/log/error_log"_s).right(600));
}

} // namespace

void TestPrintServer::useDirectory(const QString &directory)
{
    g_root = directory;
    qputenv("CUPS_SERVER", (directory + u"/state/cups.sock"_s).toLocal8Bit());
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
    QFile::setPermissions(g_root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                      | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    for (const QString &shared : {u"filter"_s, u"daemon"_s, u"cgi-bin"_s, u"notifier"_s, u"monitor"_s})
        QFile::link(u"/usr/lib/cups/"_s + shared, root.filePath(u"bin/"_s + shared));
    const QString backend = root.filePath(u"bin/backend/capture"_s);
    QVERIFY(QFile::copy(QStringLiteral(VREL_CAPTURE_BACKEND), backend));
    // Owner-only, so that the server runs it as the owner, who can write the capture directory.
    QVERIFY(QFile::setPermissions(backend, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    QVERIFY(writeText(u"conf/cups-files.conf"_s,
                      u"ServerRoot %1/conf\nServerBin %1/bin\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                      "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                      "PageLog %1/log/page_log\nPrintcap %1/state/printcap\n"_s));
    QVERIFY(writeText(u"conf/cupsd.conf"_s, u"Listen %1/state/cups.sock\nLogLevel info\nBrowsing No\n"
                                            "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"_s));
    QVERIFY(writeText(u"conf/printers.conf"_s,
                      u"<Printer capture>\nDeviceURI capture:%1/captured\nState Idle\nAccepting Yes\n</Printer>\n"_s));

#ifdef Q_OS_LINUX
    // Should this test die, its server goes with it.
    m_cupsd.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {u"-f"_s, u"-c"_s, root.filePath(u"conf/cupsd.conf"_s), u"-s"_s,
                          root.filePath(u"conf/cups-files.conf"_s)});
    const QString socket = root.filePath(u"state/cups.sock"_s);
    for (int i = 0; i < 100 && !QFile::exists(socket) && m_cupsd.state() != QProcess::NotRunning; ++i)
        QTest::qWait(100);
    if (!QFile::exists(socket))
        QSKIP(qPrintable(u"the print server did not start: "_s + m_cupsd.errorString() + u'\n'
                         + QString::fromLocal8Bit(m_cupsd.readAll()) + errorLog()));
}

void TestPrintServer::cleanupTestCase()
{
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(10000))
        m_cupsd.kill();
    m_cupsd.waitForFinished(5000);
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
    Program p;
    output::attachPrinting(p.main);
    QVERIFY(p.main.Dir1->setPath(dir.path()));

    p.main.Command1->click();
    QCOMPARE(boxes.texts(), QStringList());
    QPrinter &printer = p.main.CommonDialog->printer();
    QCOMPARE(printer.printerName(), u"capture"_s);

    QDir captured(g_root + u"/captured"_s);
    QTRY_VERIFY2_WITH_TIMEOUT(captured.entryList({u"job-*.pdf"_s}, QDir::Files).size() == 1, qPrintable(errorLog()),
                              30000);
    const QString job = captured.filePath(captured.entryList({u"job-*.pdf"_s}, QDir::Files).first());

    // 87 lines: more than a page of Mincho at 12 points holds, fewer than two.
    const QString rule = QString(57, u'-');
    QStringList expected{u"VREL's file print"_s, rule, u"Directory : "_s + dir.path(), u"File Type : *.*"_s, rule};
    for (int i = 1; i <= 80; ++i)
        expected.append(u"帳票%1.dat  2,048 03-03-03 03:03:03"_s.arg(i, 3, 10, QChar(u'0')));
    expected += {rule, u"Total(80)  163,840"_s};
    const QList<QStringList> pages = printedPdf::lines(job, printer);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0] + pages[1], printedPdf::seen(expected, 6));
}
