#pragma once

#include "listText.h"

#include <QByteArray>
#include <QString>

namespace platform {
class DiskProgress;
}

// The two list files, as plain data in and bytes out.
namespace output {

enum class ListFormat { Txt, Csv };

QString listFileName(ListFormat format);

// What the export says of an empty list.
QString nothingToExportText();

// The file's full path: the listed directory, one separator, the file name.
QString listFilePath(const QString &directory, ListFormat format);

// Exactly what the file holds: code page 932, CR LF after every line. TXT is the list's text; CSV
// one record for each file of `shown`, its name part, extension part, running total, date and
// time each in double quotes, a double quote inside a field doubled, since a file name may hold
// one.
QByteArray listFileBytes(ListFormat format, const ShownList &shown);

// What a person is told before the file is written, a line each, empty where there is nothing
// to tell: what the file would lose to "?" (which of the directory and the pattern, TXT alone
// naming them, and how many file names), and for CSV how many names a spreadsheet will take for
// formulas; the first three names of each named. The export's question shows it under its own
// line, a script on standard error. The names themselves are written as they are.
QString exportCautions(ListFormat format, const ShownList &shown);

// Writes the list file of `shown` into its directory, replacing an earlier one only once the
// new one is whole. Gives the path written, or what the person is told when it failed.
struct SavedListFile
{
    QString path;
    QString failure; // empty when saved
};
// Each part written advances `progress`; once it is abandoned, by the time the bytes are on the
// disk, nothing is replaced: whoever waited for them has given up. The list is the shown one's
// own, so it may be written on any thread.
SavedListFile saveListFile(ListFormat format, const ShownList &shown, platform::DiskProgress *progress = nullptr);

} // namespace output
