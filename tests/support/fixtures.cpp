#include "fixtures.h"

#include <QDir>
#include <QFile>
#include <QTest>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fixtures {

void makeFile(const QString &dir, const QString &name, qint64 size, const QDateTime &modified)
{
    makeRawFile(dir, QFile::encodeName(name), size, modified);
}

void makeRawFile(const QString &dir, const QByteArray &rawName, qint64 size, const QDateTime &modified)
{
    const QByteArray path = QFile::encodeName(dir) + '/' + rawName;
#ifdef Q_OS_WIN
    QFile f(QFile::decodeName(path));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(size));
    QVERIFY(f.setFileTime(modified, QFileDevice::FileModificationTime));
#else
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY2(fd >= 0, path.constData());
    // Sparse: a 3 GiB file costs no disk.
    QCOMPARE(::ftruncate(fd, off_t(size)), 0);
    const timespec times[2] = {{modified.toSecsSinceEpoch(), 0}, {modified.toSecsSinceEpoch(), 0}};
    QCOMPARE(::futimens(fd, times), 0);
    ::close(fd);
#endif
}

void removeRawFile(const QString &dir, const QByteArray &rawName)
{
    QFile::remove(QFile::decodeName(QFile::encodeName(dir) + '/' + rawName));
#ifndef Q_OS_WIN
    ::unlink((QFile::encodeName(dir) + '/' + rawName).constData());
#endif
}

QDateTime localTime(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

bool permissionsApply()
{
#ifdef Q_OS_WIN
    return true;
#else
    return ::geteuid() != 0;
#endif
}

void show(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("window not exposed");
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

QStringList entries(const QString &dir)
{
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

} // namespace fixtures
