#include "core/process/singleCopy.h"
#include "network/handOff.h"
#include "support.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSemaphore>
#include <QThread>

#ifdef Q_OS_LINUX
#include <pwd.h>
#else
#include <windows.h>
#endif

using namespace fixtures;
using namespace platform;
using namespace std::chrono_literals;

class TestPlatform : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir; // the folder every listing test reads

private slots:
#ifdef Q_OS_LINUX
    void cleanup()
    {
        setDirectoryReader(::readdir);
        qunsetenv("TMPDIR");
    }
#endif
    void cp932_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readBack");
        // What has a form reads back as itself: the yen sign is the backslash byte, and where
        // Microsoft's table and plain Shift_JIS part ways (tilde, NEC row 13, not sign), Microsoft's is the one.
        QTest::newRow("ascii, kanji, half-width katakana") << u"a\\漢ｱ\uFF5E\u2460\uFFE2"_s << "a\x5C\x8A\xBF\xB1\x81\x60\x87\x40\x81\xCA"_ba
                                                           << u"a\\漢ｱ\uFF5E\u2460\uFFE2"_s;
        // The JIS characters it codes elsewhere take their JIS codes, and read back as Microsoft's.
        QTest::newRow("JIS forms, read as Microsoft's") << u"\u301C\u2016\u2212\u00A2\u2014"_s
            << "\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x5C"_ba << u"\uFF5E\u2225\uFF0D\uFFE0\u2015"_s;
        // No form: one "?" a character, a surrogate pair being one, the rest intact; not the
        // look-alikes 0x5C and 0x7E, nor the bytes Microsoft's table leaves undefined; the first
        // character past ASCII is no byte of its own.
        QTest::newRow("outside code page 932") << u"\u00E9\U0001F600\u00A5\uF8F0\uF8F3\u0080漢"_s << "??????\x8A\xBF"_ba << u"??????漢"_s;
    }
    void cp932()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(toCp932(text), bytes);
        QTEST(fromCp932(bytes), "readBack");
    }

    void initTestCase()
    {
        for (const QByteArray &name : "README zoo.jpg ZOO.JPG zoo.jpeg a1.txt a.txt \u212A.doc .hidden.txt"_ba.split(' '))
            makeFile(m_dir.path(), name);
        QVERIFY(QDir(m_dir.path()).mkdir(u"sub.txt"_s));
#ifdef Q_OS_LINUX
        QVERIFY(QFile::link(u"\u212A.doc"_s, m_dir.filePath(u"link.doc"_s)) && QFile::link(u"gone"_s, m_dir.filePath(u"broken.doc"_s)));
#else
        // Windows has no link a person makes; it hides a file by its attribute alone (Wine gives
        // one to a leading dot; Windows does not).
        makeFile(m_dir.path(), "link.doc");
        QVERIFY(SetFileAttributesW(qUtf16Printable(m_dir.filePath(u".hidden.txt"_s)), FILE_ATTRIBUTE_HIDDEN));
#endif
    }
    void listing_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("listed");
        // By name without regard to case as Unicode folds it (the Kelvin sign is a k), then
        // exactly; no hidden file, no directory, no broken link; a link counts as what it points to.
        QTest::newRow("*.* takes every name") << u"*.*"_s << u"a.txt a1.txt \u212A.doc link.doc README zoo.jpeg ZOO.JPG zoo.jpg"_s;
        QTest::newRow("without regard to case") << u"Zoo.JPG"_s << u"ZOO.JPG zoo.jpg"_s;
        QTest::newRow("? is one character") << u"a?.txt"_s << u"a1.txt"_s;
        QTest::newRow("several, spaces around") << u"*.TXT; k*"_s << u"a.txt a1.txt \u212A.doc"_s;
        QTest::newRow("name.* takes the bare name") << u"readme.*"_s << u"README"_s;
    }
    void listing()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, listed);
        QStringList expected = listed.split(u' ');
#ifndef Q_OS_LINUX
        expected.removeOne(u"ZOO.JPG"_s); // one file for names that differ only in case
#endif
        // Some shares name no entry's kind (the second pass): each is then asked what it is.
        for (int pass = 0; pass < 2; ++pass) {
            const auto files = listFiles(m_dir.path(), pattern);
            QStringList names;
            for (qsizetype i = 0; i < files->size(); ++i)
                names.append(files->name(i));
            QCOMPARE(names, expected);
#ifdef Q_OS_LINUX
            setDirectoryReader([](DIR *d) {
                static dirent e;
                auto *read = ::readdir(d);
                if (!read)
                    return (dirent *)nullptr;
                e = *read;
                e.d_type = DT_UNKNOWN;
                return &e;
            });
#endif
        }
    }
    void diskThatStallsOrFails_data()
    {
        QTest::addColumn<int>("pause");
        QTest::addColumn<bool>("failing");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<int>("reads");
        // An entry every 120 ms, or none within the limit, or an error where the end should be. An
        // empty folder: ".", ".." and the end are three reads, or one when the first comes too late.
        QTest::newRow("slow, waited for") << 120 << false << true << 3;
        QTest::newRow("silent, given up") << 1000 << false << false << 1;
        QTest::newRow("failing at the end") << 0 << true << false << 3;
    }
    void diskThatStallsOrFails()
    {
        VREL_LINUX_ONLY("readdir slowed down or failing");
#ifdef Q_OS_LINUX
        // Where no window waits, as in a script's run, the limit counts from the share's last
        // answer; a listing given up on reads no further.
        QFETCH(int, pause);
        QFETCH(bool, failing);
        static int s_pause; // set before the reading thread starts
        static bool s_fails;
        static std::atomic<int> s_reads;
        s_pause = pause;
        s_fails = failing;
        s_reads = 0;
        QTemporaryDir dir;
        setDirectoryReader([](DIR *d) {
            ++s_reads;
            QThread::msleep(s_pause);
            dirent *e = ::readdir(d);
            errno = e || !s_fails ? errno : EIO;
            return e;
        });
        const auto listed = waitForDisk(dir.path(), [&dir](DiskProgress &progress) {
            return listFiles(dir.path(), u"*.*"_s, &progress);
        }, 300ms);
        QTRY_VERIFY(!diskWorkLeftBehind());
        QTEST(listed && *listed, "listed");
        QTEST(s_reads.load(), "reads");
#endif
    }

    void endHeardAtOnce()
    {
        // The loop hears of the end as it comes, not at its next look at the clock.
        QSemaphore go;
        auto work = std::make_shared<DiskWork>(m_dir.path(), [&go](DiskProgress &) { go.acquire(); });
        int heard = -1;
        whenDiskWorkEnds(this, work, 10s, [&heard](bool ended) { heard = ended; });
        go.release();
        QVERIFY(work->finished(5s));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(heard, 1);
    }

    void peersThatNeverAnswer()
    {
        // A copy that holds the socket and never answers, hung or taking no folders: the second
        // start gives up on it, and only once its patience has run out.
        QTemporaryDir run;
        QLocalServer silent;
        QVERIFY(silent.listen(run.filePath(u"h"_s)));
        QDeadlineTimer patience(1000);
        QVERIFY(!handFolderOver(u"/a"_s, u"*"_s, 1s, silent.fullServerName()));
        QVERIFY(patience.hasExpired());
#ifdef Q_OS_LINUX
        // Another program on the socket, answering something else (a line break), has not taken it either.
        QProcess other;
        other.start(u"socat"_s, {u"UNIX-LISTEN:"_s + run.filePath(u"other"_s), u"SYSTEM:head -c 1 >/dev/null; echo"_s});
        QVERIFY(other.waitForStarted());
        QVERIFY(!handFolderOver(u"/a"_s, u"*"_s, 5s, run.filePath(u"other"_s)));
        QVERIFY(other.waitForFinished());
#endif
    }

    void userDirectoryOfOurOwn()
    {
        VREL_LINUX_ONLY("a directory of the user's own under /tmp");
#ifdef Q_OS_LINUX
        // Qt's runtime directory unusable, its fallback taken by another (here a file): one of the
        // user's own in the temporary directory, the user's alone to read, write and enter, holds
        // the lock and the socket; another user's directory put there first is refused.
        QTemporaryDir tmp;
        qputenv("XDG_RUNTIME_DIR", "/dev/null/run");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        makeFile(tmp.path(), "runtime-"_ba + ::getpwuid(::geteuid())->pw_name);
        const QString own = tmp.filePath(u"vrel-fileprint-%1"_s.arg(::geteuid()));
        QCOMPARE(handOffName(), own + u"/vrel-fileprint.handoff"_s);
        QCOMPARE(QFile::permissions(own), QFile::Permissions(0x7700));
        QVERIFY(::chown(QFile::encodeName(own), 4242, 4242) == 0);
        QCOMPARE(userRuntimeDirectory(), QString());
#endif
    }

    void lockGivenUp()
    {
        // Given up before the end of a run, the claim is the next copy's at once.
        QTemporaryDir run;
        SingleCopyLock first(run.path()), next(run.path());
        first.acquire();
        first.release();
        QCOMPARE(next.acquire(), SingleCopyLock::Claim::Taken);
    }

    void lockOfAnotherUser()
    {
        VREL_LINUX_ONLY("another user's file");
#ifdef Q_OS_LINUX
        // Another user's file where the lock goes: given away to them, or where nothing can be
        // given away (a user namespace of the test's own), one of root's bound there. Started
        // with standard input closed, as some launchers start a program, the file opens as 0.
        QTemporaryDir run;
        const QByteArray file = QFile::encodeName(run.path()) + "/vrel-fileprint.lock";
        makeFile(run.path(), "vrel-fileprint.lock");
        QVERIFY(::chown(file, 4242, 4242) == 0 || ::mount("/dev/null", file, nullptr, MS_BIND, nullptr) == 0);
        const auto undo = qScopeGuard([&, in = ::dup(0)] { ::umount2(file, MNT_DETACH); ::dup2(in, 0); ::close(in); });
        ::close(0);
        QCOMPARE(SingleCopyLock(run.path()).acquire(), SingleCopyLock::Claim::Unavailable);
#endif
    }

    void endlessBytesAreDropped()
    {
        QTemporaryDir run;
        HandOffServer server(run.filePath(u"h"_s));
        QVERIFY(server.listen());
        QLocalSocket peer;
        peer.connectToServer(run.filePath(u"h"_s));
        peer.write(QByteArray(1 << 20, 'x'));
        QTRY_COMPARE(peer.state(), QLocalSocket::UnconnectedState);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
