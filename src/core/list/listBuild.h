#pragma once

#include "core/files/fileSystem.h"

#include <QString>

#include <array>

#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace platform {
class DiskProgress;
}

// The file list: one space-aligned line per file, and beside it the widths, the byte total
// and the per-file values that the outputs read back. Plain data in, plain data out.
namespace listBuild {

inline constexpr int kMinNameWidth = 6;
// The size column is this much wider than its longest size, so sizes never touch the extensions.
inline constexpr int kSizeGap = 2;
// The time text "yy-mm-dd hh:mm:ss" is the date, a space and the time.
inline constexpr int kDateChars = 8;
inline constexpr int kTimeChars = 8;

// A file name's two parts, as the list and the per-file values split it.
struct NameParts
{
    QStringView name;      // up to the first "."
    QStringView extension; // from the first "." on, dot included; empty without a dot
};
NameParts splitFileName(QStringView fileName);

// A listed file whose size or time could not be read (gone, or replaced, since the directory was read).
struct UnreadableFile
{
    QString path;
};

// Reads the facts of one file of an open directory by its native name; the program reads the
// disk, a test may interfere.
using FactsReader =
    std::function<std::optional<platform::FileFacts>(const platform::OpenDirectory &, const QByteArray &nativeName)>;

// Everything one accepted build leaves, all describing the same files in the same order. The
// names are the directory read's own, shared rather than copied, and each file's facts are kept once;
// its line and its per-file values are laid out from them when they are read, so that ten
// thousand files cost little more than their names.
class FileTable
{
public:
    qsizetype size() const { return qsizetype(m_files.size()); }
    QString line(qsizetype i) const;
    // The file's name as listed, extension and all.
    QString fileName(qsizetype i) const { return m_listed.name(i); }
    void appendFileName(qsizetype i, QString &text) const { m_listed.appendName(i, text); }
    // Whether every character of the name has a form in code page 932, so that a file written
    // in it keeps the name whole.
    bool fileNameHasCp932Form(qsizetype i) const { return m_files[i].nameHasCp932Form; }
    bool fileNameBeginsWithOneOf(qsizetype i, QLatin1StringView characters) const
    {
        return m_listed.beginsWithOneOf(i, characters);
    }
    // Line i laid out at the end of `text`, with nothing made in passing: an export writes ten
    // thousand of them into one text.
    void appendLine(qsizetype i, QString &text) const;
    // Digits alone.
    void appendRunningTotal(qsizetype i, QString &text) const;
    // The time text "yy-mm-dd hh:mm:ss": its date and its time are two per-file values.
    void appendModified(qsizetype i, QString &text) const;

    qint64 totalBytes = 0;
    int nameWidth = kMinNameWidth;
    int extWidth = 0;
    int sizeWidth = kSizeGap;

private:
    friend std::variant<FileTable, UnreadableFile> buildFileList(const QString &, const platform::ListedFiles &,
                                                                const FactsReader &, platform::DiskProgress *);

    // What the two passes learnt of a file, in 24 bytes: its size is what its running total
    // adds to the one before, and the fields of its time after the year are a clock's, each
    // below 256. Its name is the directory read's.
    struct File
    {
        qint64 runningTotal = 0;
        qint32 nameCells = 0;
        qint32 year = 0;
        std::array<quint8, 5> monthToSecond {};
        bool nameHasCp932Form = true;
    };

    platform::FileFacts facts(qsizetype i) const;

    platform::ListedFiles m_listed;
    std::vector<File> m_files;
};

// Two passes over `files` of `directory`: the first measures the columns, the second reads
// every file's facts afresh and keeps them for its line. Each file's facts read advance `progress`.
std::variant<FileTable, UnreadableFile> buildFileList(const QString &directory, const platform::ListedFiles &files,
                                                      const FactsReader &readFacts = platform::readFileFacts,
                                                      platform::DiskProgress *progress = nullptr);

// What a directory that cannot be read is called, wherever it is met.
QString cannotOpenText(const QString &directory);

// Why a build was refused, and the words the person is told.
struct Refusal
{
    enum class Reason { CannotOpen, TooManyFiles, BlankPattern, UnreadableFile };
    Reason reason;
    QString text;
};

using Built = std::variant<FileTable, UnreadableFile>;
// The window's build and a script's refuse in this one order: the directory could not be read
// (`files` is null), it holds more files than Module1::gFileLimit, the pattern is blank, a file's
// facts could not be read. Otherwise the list `build` made where its caller has it made (on its
// own thread, or off the window's within a wait); nothing when it made none, given up on or gone
// unwanted.
std::optional<std::variant<Refusal, FileTable>>
decideBuild(const QString &directory, const platform::ListedFiles *files, const QString &pattern,
            const std::function<std::optional<Built>(const platform::ListedFiles &)> &build);

} // namespace listBuild
