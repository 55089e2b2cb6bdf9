#include "tst_platform.h"

#include "platform/textFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

void TestTextFileWriter::linesInCp932WithCrLf()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"out.txt"_s);
    QString error;
    QVERIFY(platform::writeTextFile(path, {u"VREL"_s, u"漢字ｱ"_s, u"한😀"_s, QString()}, &error));
    QCOMPARE(contents(path), QByteArray("VREL\r\n\x8A\xBF\x8E\x9A\xB1\r\n??\r\n\r\n"));
    QVERIFY(error.isEmpty());
}

void TestTextFileWriter::abandonedWriteKeepsEarlierFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"out.txt"_s);
    QVERIFY(platform::writeTextFile(path, {u"old"_s}));
    {
        platform::TextFileWriter writer(path);
        QVERIFY(writer.open());
        writer.writeLine(u"new");
    }
    QCOMPARE(contents(path), QByteArray("old\r\n"));
    QCOMPARE(entries(dir.path()), QStringList{u"out.txt"_s});
}

void TestTextFileWriter::failureGivesTheReason()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"out.txt"_s);
    QVERIFY(QDir(dir.path()).mkdir(u"out.txt"_s));

    platform::TextFileWriter writer(path);
    QVERIFY(!writer.open());
    writer.writeLine(u"lost");
    QVERIFY(!writer.commit());
    QVERIFY(!writer.errorString().isEmpty());
    QCOMPARE(entries(dir.path()), QStringList{u"out.txt"_s});
    QVERIFY(QFileInfo(path).isDir());
}
