#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The two list files, as plain data in and lines or bytes out.
namespace output {

enum class ListFormat { Txt, Csv };

QString listFileName(ListFormat format);

// The file's full path: the listed directory, one separator, the file name.
QString listFilePath(const QString &directory, ListFormat format);

// What an export reads at the click: the directory and pattern as the window shows them, and
// the lines and values the last list build left. Entry i of each per-file list belongs to line i;
// the TXT file reads the lines, the CSV file one record per entry of `names`.
struct ExportedList
{
    QString directory;
    QString pattern;
    QStringList lines;
    qint64 totalBytes = 0;
    int nameWidth = 0;
    int extWidth = 0;
    int sizeWidth = 0;
    QStringList names;
    QStringList extensions;
    QStringList runningTotals;
    QStringList dates;
    QStringList times;
};

// Header, the list lines as shown, a rule and the total line.
QStringList txtFileLines(const ExportedList &list);

// Every field in double quotes, comma-separated; a double quote inside a field is doubled,
// since a file name may hold one and would otherwise end its field early.
QString csvRecord(const QString &name, const QString &extension, const QString &runningTotal, const QString &date,
                  const QString &time);

// One record per line: name part, extension part, running total, date, time.
QStringList csvFileLines(const ExportedList &list);

QStringList listFileLines(ListFormat format, const ExportedList &list);

// Exactly what the file holds, and what an export writes: code page 932, CR LF after every line.
QByteArray listFileBytes(ListFormat format, const ExportedList &list);

} // namespace output
