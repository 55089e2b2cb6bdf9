#pragma once

#include "platform/files/fileSystem.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <variant>

// The file list: one space-aligned line per file, and beside it the widths, the byte total
// and the per-file values that the outputs read back. Plain data in, plain data out.
namespace listing {

inline constexpr int kMinNameWidth = 6;
// The size column is this much wider than its longest size, so sizes never touch the extensions.
inline constexpr int kSizeGap = 2;
// The time text "yy-mm-dd hh:mm:ss" is the date, a space and the time.
inline constexpr int kDateChars = 8;
inline constexpr int kTimeChars = 8;

struct NameParts
{
    QString name;      // up to the first "."
    QString extension; // from the first "." on, dot included; empty without a dot
};

NameParts splitFileName(const QString &fileName);

QString sizeText(qint64 bytes);
QString timeText(const platform::FileFacts &facts);

// Everything one accepted build leaves, all describing the same files in the same order.
struct FileList
{
    QStringList lines;
    qint64 totalBytes = 0;
    int nameWidth = kMinNameWidth;
    int extWidth = 0;
    int sizeWidth = kSizeGap;
    QStringList names;
    QStringList extensions;
    QStringList runningTotals;
    QStringList dates;
    QStringList times;
};

// A listed file whose size or time could not be read (gone, or replaced, since the listing).
struct UnreadableFile
{
    QString path;
};

// Reads the facts of one file of an open directory by its native name; the program reads the
// disk, a test may interfere.
using FactsReader =
    std::function<std::optional<platform::FileFacts>(const platform::OpenDirectory &, const QByteArray &nativeName)>;

// Two passes over `files` of `directory`: the first measures the columns, the second reads
// every file's facts afresh and lays out its line.
std::variant<FileList, UnreadableFile> buildFileList(const QString &directory, const QList<platform::ListedFile> &files,
                                                     const FactsReader &readFacts = platform::readFileFacts);

// Module1 after an accepted build, and after a refused one: the start values, so that no
// output can ever pair one build's lines with another's values.
void storeInModule1(const FileList &list);
void resetModule1();

} // namespace listing
