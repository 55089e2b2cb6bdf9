#pragma once

#include "listing.h"

#include <QByteArray>
#include <QString>

// The two list files, as plain data in and bytes out.
namespace output {

enum class ListFormat { Txt, Csv };

QString listFileName(ListFormat format);

// The file's full path: the listed directory, one separator, the file name.
QString listFilePath(const QString &directory, ListFormat format);

// Exactly what the file holds: code page 932, CR LF after every line. TXT is the listing; CSV
// one record for each listed file as Module1 holds it, its name part, extension part, running
// total, date and time each in double quotes, a double quote inside a field doubled, since a
// file name may hold one.
QByteArray listFileBytes(ListFormat format, const ShownList &shown);

// Writes the list file of `shown` into its directory, replacing an earlier one only once the
// new one is whole. Gives the path written, or what the person is told when it failed.
struct SavedListFile
{
    QString path;
    QString failure; // empty when saved
};
SavedListFile saveListFile(ListFormat format, const ShownList &shown);

} // namespace output
