#include "core/files/paths.h"
#include "widgets/platform/printing/printServer.h"
#include "network/handOff.h"
#include "core/process/singleCopy.h"
#include "support.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QThread>

#ifdef Q_OS_LINUX
#include <pwd.h>
#else
#include <windows.h>
#endif

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void cp932_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("ascii, the yen sign a backslash byte") << u"a.TXT 1\\"_s << "a.TXT 1\x5C"_ba << u"a.TXT 1\\"_s;
        QTest::newRow("kanji and half-width katakana") << u"漢字ｱｲｳ"_s << "\x8A\xBF\x8E\x9A\xB1\xB2\xB3"_ba << u"漢字ｱｲｳ"_s;
        // Where Microsoft's table and plain Shift_JIS part ways, Microsoft's is the one.
        QTest::newRow("tilde, NEC row 13, not sign") << u"\uFF5E\u2460\uFFE2"_s << "\x81\x60\x87\x40\x81\xCA"_ba << u"\uFF5E\u2460\uFFE2"_s;
        // ...but the JIS characters it codes elsewhere take their JIS codes, and read back as
        // Microsoft's characters.
        QTest::newRow("wave dash, double bar, minus, cent, pound, not, em dash")
            << u"x\u301C\u2016\u2212\u00A2\u00A3\u00AC\u2014字"_s << "x\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA\x81\x5C\x8E\x9A"_ba
            << u"x\uFF5E\u2225\uFF0D\uFFE0\uFFE1\uFFE2\u2015字"_s;
        // No form at all: one "?" a character, a surrogate pair being one, the rest intact; the
        // first character past ASCII is no byte of its own.
        QTest::newRow("outside code page 932") << u"caf\u00E9\U0001F600漢\u0080"_s << "caf??\x8A\xBF?"_ba << u"caf??漢?"_s;
        // Not the look-alikes 0x5C and 0x7E, nor the bytes Microsoft's table leaves undefined.
        QTest::newRow("yen sign, overline, private use") << u"漢\u00A5字\u203E\uF8F0\uF8F3"_s << "\x8A\xBF?\x8E\x9A???"_ba << u"漢?字???"_s;
    }
    void cp932()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(platform::toCp932(text), bytes);
        QCOMPARE(platform::displayCells(text), bytes.size());
        QTEST(platform::fromCp932(bytes), "readBack");
    }
    void listing_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("listed");
        // By name without regard to case as Unicode folds it (the Kelvin sign is a k), then
        // exactly; no hidden file, no directory, no broken link; a link counts as what it points to.
        QTest::newRow("*.* takes every name") << u"*.*"_s << QStringList{u"a.txt"_s, u"a1.txt"_s, u"jpg"_s, u"\u212A.doc"_s, u"link.doc"_s,
                                                                         u"README"_s, u"zoo.jpeg"_s, u"ZOO.JPG"_s,
                                                                         u"zoo.jpg"_s, u"報告.txt"_s};
        QTest::newRow("without regard to case") << u"Zoo.JPG"_s << QStringList{u"ZOO.JPG"_s, u"zoo.jpg"_s};
        QTest::newRow("? is one character") << u"a?.txt"_s << QStringList{u"a1.txt"_s};
        QTest::newRow("several, spaces around") << u"*.TXT; k*"_s << QStringList{u"a.txt"_s, u"a1.txt"_s, u"\u212A.doc"_s, u"報告.txt"_s};
        QTest::newRow("name.* takes the bare name") << u"readme.*"_s << QStringList{u"README"_s};
    }
    void listing()
    {
        QFETCH(QString, pattern);
        QFETCH(QStringList, listed);
        QTemporaryDir dir;
        for (const char *name : {"README", "zoo.jpg", "ZOO.JPG", "zoo.jpeg", "jpg", "a1.txt", "a.txt", "\u212A.doc", "報告.txt", ".hidden.txt"})
            fixtures::makeFile(dir.path(), name);
        QVERIFY(QDir(dir.path()).mkdir(u"sub.txt"_s));
#ifdef Q_OS_LINUX
        QVERIFY(QFile::link(dir.filePath(u"\u212A.doc"_s), dir.filePath(u"link.doc"_s)) && QFile::link(dir.filePath(u"gone"_s), dir.filePath(u"broken.doc"_s)));
#else
        // Windows has no link a person makes, and one file for names that differ only in case.
        // It hides a file by its attribute alone (Wine gives one to a leading dot; Windows does not).
        fixtures::makeFile(dir.path(), "link.doc");
        QVERIFY(SetFileAttributesW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(dir.filePath(u".hidden.txt"_s)).utf16()), FILE_ATTRIBUTE_HIDDEN));
        listed.removeOne(u"ZOO.JPG"_s);
#endif
        QStringList names;
        const auto files = platform::listFiles(dir.path(), pattern);
        for (qsizetype i = 0; i < files->size(); ++i)
            names.append(files->name(i));
        QCOMPARE(names, listed);
        QCOMPARE(*platform::listSubdirectories(dir.path()), QStringList{u"sub.txt"_s});
#ifdef Q_OS_LINUX
        // Every entry read, then the disk fails where the end should be: nothing is listed.
        const platform::DirectoryReader kept = platform::setDirectoryReader([](DIR *d) -> dirent * {
            dirent *e = ::readdir(d);
            errno = e ? errno : EIO;
            return e;
        });
        const bool anyRead = platform::listFiles(dir.path(), pattern) || platform::listSubdirectories(dir.path());
        platform::setDirectoryReader(kept);
        QVERIFY(!anyRead);
#endif
    }

    void shareThatAnswersSlowly_data()
    {
        QTest::addColumn<int>("pause");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<int>("reads");
        // An empty folder: ".", ".." and the end are three reads, or one when the first comes too late.
        QTest::newRow("an entry every 120 ms is waited for past the limit") << 120 << true << 3;
        QTest::newRow("no entry within the limit is given up on") << 1000 << false << 1;
    }
    void shareThatAnswersSlowly()
    {
        VREL_LINUX_ONLY("a share slowed down entry by entry through readdir");
#ifdef Q_OS_LINUX
        // Where no window waits, as in a script's run, the limit counts from the share's last
        // answer; a listing given up on reads no further.
        QFETCH(int, pause);
        static std::atomic<int> s_pause;
        static std::atomic<int> s_reads;
        s_pause = pause;
        s_reads = 0;
        QTemporaryDir dir;
        const platform::DirectoryReader kept = platform::setDirectoryReader([](DIR *d) -> dirent * {
            ++s_reads;
            QThread::msleep(s_pause);
            return ::readdir(d);
        });
        const auto listed = platform::waitForDisk(dir.path(), [path = dir.path()](platform::DiskProgress &progress) {
            return platform::listFiles(path, u"*.*"_s, &progress);
        }, std::chrono::milliseconds(300));
        QTRY_VERIFY(!platform::diskWorkLeftBehind());
        platform::setDirectoryReader(kept);
        QTEST(listed.has_value(), "answered");
        QTEST(s_reads.load(), "reads");
#endif
    }

    void peersThatNeverAnswer()
    {
        // A copy that holds the socket and never answers, hung or taking no folders: the second
        // start gives up on it, and only once its patience has run out.
        QTemporaryDir run;
        QLocalServer silent;
        QVERIFY(silent.listen(run.filePath(u"handoff"_s)));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!platform::handFolderOver(u"/tmp/a"_s, u"*.txt"_s, std::chrono::seconds(1), silent.fullServerName()));
        QVERIFY(clock.elapsed() >= 1000);
#ifdef Q_OS_LINUX
        // Another program on the socket, answering something else, has not taken it either.
        QProcess other;
        other.start(u"socat"_s, {u"UNIX-LISTEN:"_s + run.filePath(u"other"_s), u"SYSTEM:head -c 1 >/dev/null; printf '\\025'"_s});
        QVERIFY(QTest::qWaitFor([&run] { return QFile::exists(run.filePath(u"other"_s)); }, 5000));
        QVERIFY(!platform::handFolderOver(u"/tmp/a"_s, u"*.txt"_s, std::chrono::seconds(1), run.filePath(u"other"_s)));
        // A print server named by its address that takes the connection and never answers.
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(server.serverPort()));
        QVERIFY(!platform::printServerAnswers(std::chrono::milliseconds(300)));
#endif
    }

    void secondStartWaitsForASlowFirstStart()
    {
        // The program started a second time, on the real socket of a first copy that holds the
        // lock and is still busy building its window.
        QTemporaryDir run;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(run.path()));
        platform::SingleCopyLock lock;
        QCOMPARE(lock.acquire(), platform::SingleCopyLock::Claim::Taken);
        platform::HandOffServer first;
        QVERIFY(first.listen());
        QSignalSpy handed(&first, &platform::HandOffServer::folderHandedOver);
        QProcess second;
        second.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(VREL_PROGRAM)), {u"/a"_s});
        QThread::msleep(3000);
        QVERIFY(handed.wait(10000));
        QVERIFY(second.waitForFinished(10000) && second.exitCode() == 0);
    }

    void userDirectoryOfOurOwn()
    {
        VREL_LINUX_ONLY("the lock and the socket in a directory of the user's own under /tmp");
#ifdef Q_OS_LINUX
        // Qt's runtime directory unusable, its fallback taken by another (here a file): one of the
        // user's own in the temporary directory, closed to others, holds the lock and the socket;
        // a link put there first is refused.
        QTemporaryDir tmp;
        qputenv("XDG_RUNTIME_DIR", "/dev/null/run");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        fixtures::makeFile(tmp.path(), "runtime-"_ba + ::getpwuid(::geteuid())->pw_name);
        const auto restore = qScopeGuard([] { qunsetenv("TMPDIR"); });
        const QString own = tmp.filePath(u"vrel-fileprint-%1"_s.arg(::geteuid()));
        QCOMPARE(platform::handOffName(), own + u"/vrel-fileprint.handoff"_s);
        QVERIFY(QDir(own).removeRecursively() && QFile::link(tmp.path(), own));
        QCOMPARE(platform::userRuntimeDirectory(), QString());
#endif
    }

    void endlessBytesAreDropped()
    {
        QTemporaryDir run;
        platform::HandOffServer server(run.filePath(u"handoff"_s));
        QVERIFY(server.listen());
        QLocalSocket peer;
        peer.connectToServer(run.filePath(u"handoff"_s));
        peer.write(QByteArray(1 << 20, 'x'));
        QVERIFY(QTest::qWaitFor([&peer] { return peer.state() == QLocalSocket::UnconnectedState; }, 5000));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
