#include "listBuild.h"

#include "module1.h"

#include "core/files/diskWork.h"
#include "core/files/paths.h"
#include "core/text/cp932.h"
#include "core/text/format.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace listBuild {

NameParts splitFileName(QStringView fileName)
{
    const qsizetype dot = fileName.indexOf(u'.');
    const QStringView name = fileName.first(dot < 0 ? fileName.size() : dot);
    return {name, fileName.sliced(name.size())};
}

platform::FileFacts FileTable::facts(qsizetype i) const
{
    const File &f = m_files[i];
    const auto [month, day, hour, minute, second] = f.monthToSecond;
    return {f.runningTotal - (i > 0 ? m_files[i - 1].runningTotal : 0), {f.year, month, day, hour, minute, second}};
}

QString FileTable::line(qsizetype i) const
{
    QString line;
    line.reserve(nameWidth + extWidth + sizeWidth + 1 + kDateChars + 1 + kTimeChars);
    appendLine(i, line);
    return line;
}

void FileTable::appendLine(qsizetype i, QString &text) const
{
    // The name goes in whole and its extension is moved along by the padding: no name is made.
    const qsizetype nameStart = text.size();
    m_listed.appendName(i, text);
    const qsizetype extStart = nameStart + splitFileName(QStringView(text).sliced(nameStart)).name.size();
    const qsizetype extChars = text.size() - extStart;
    const qsizetype padding = nameWidth - m_files[i].nameCells;
    text.resize(text.size() + padding);
    QChar *chars = text.data();
    std::move_backward(chars + extStart, chars + extStart + extChars, chars + extStart + extChars + padding);
    std::fill_n(chars + extStart, padding, u' ');
    const platform::FileFacts f = facts(i);
    text.resize(text.size() + (extWidth - extChars) + (sizeWidth - platform::numberChars(f.size)), u' ');
    platform::appendNumber(text, f.size);
    text += u' ';
    platform::appendDateTime(text, f.modified);
}

void FileTable::appendRunningTotal(qsizetype i, QString &text) const
{
    char digits[24];
    const char *end = std::to_chars(std::begin(digits), std::end(digits), m_files[i].runningTotal).ptr;
    text += QLatin1StringView(digits, end);
}

void FileTable::appendModified(qsizetype i, QString &text) const
{
    platform::appendDateTime(text, facts(i).modified);
}

std::variant<FileTable, UnreadableFile> buildFileList(const QString &directory, const platform::ListedFiles &files,
                                                      const FactsReader &readFacts, platform::DiskProgress *progress)
{
    const platform::OpenDirectory opened(platform::nativePath(directory));
    const auto readOne = [&](qsizetype i) -> std::optional<platform::FileFacts> {
        // Nobody waits for a build given up on: it ends here rather than hold the path's thread.
        if (progress && progress->abandoned())
            return std::nullopt;
        auto facts = readFacts(opened, files.nativeName(i));
        if (progress)
            progress->advance();
        return facts;
    };
    const auto shownPathOf = [&](qsizetype i) {
        return platform::displayName(platform::pathInDirectory(directory, files.name(i)));
    };

    FileTable table;
    table.sizeWidth = 0;
    table.m_listed = files;
    table.m_files.resize(files.size());

    for (qsizetype i = 0; i < files.size(); ++i) {
        FileTable::File &f = table.m_files[i];
        const QString fileName = files.name(i);
        const NameParts parts = splitFileName(fileName);
        f.nameCells = platform::displayCells(parts.name);
        // Asked once here, where the name is made anyway, rather than at every export.
        f.nameHasCp932Form = platform::hasCp932Form(fileName);
        table.nameWidth = std::max(table.nameWidth, f.nameCells);
        table.extWidth = std::max(table.extWidth, int(parts.extension.size()));
        const auto facts = readOne(i);
        if (!facts)
            return UnreadableFile{shownPathOf(i)};
        table.sizeWidth = std::max(table.sizeWidth, platform::numberChars(facts->size));
    }

    // The second pass reads every file afresh, and the lines are laid out from what it read: a
    // file that grew since the first pass widens the size column rather than losing digits.
    for (qsizetype i = 0; i < files.size(); ++i) {
        const auto facts = readOne(i);
        if (!facts)
            return UnreadableFile{shownPathOf(i)};
        // Sparse files on tmpfs or XFS may each claim up to 2^63 - 1 bytes, and a total past
        // 64 bits would wrap to a negative one; a size that cannot be summed is refused as one
        // that cannot be read, rather than shown wrong.
        if (qAddOverflow(table.totalBytes, facts->size, &table.totalBytes))
            return UnreadableFile{shownPathOf(i)};
        FileTable::File &f = table.m_files[i];
        const platform::DateTime &t = facts->modified;
        f.runningTotal = table.totalBytes;
        f.year = t.year;
        f.monthToSecond = {quint8(t.month), quint8(t.day), quint8(t.hour), quint8(t.minute), quint8(t.second)};
        table.sizeWidth = std::max(table.sizeWidth, platform::numberChars(facts->size));
    }
    table.sizeWidth += kSizeGap;
    return table;
}

QString cannotOpenText(const QString &directory)
{
    return QStringLiteral("ディレクトリを開けません\n") + platform::displayName(directory);
}

std::optional<std::variant<Refusal, FileTable>>
decideBuild(const QString &directory, const platform::ListedFiles *files, const QString &pattern,
            const std::function<std::optional<Built>(const platform::ListedFiles &)> &build)
{
    using Reason = Refusal::Reason;
    if (!files)
        return Refusal{Reason::CannotOpen, cannotOpenText(directory)};
    if (files->size() > Module1::gFileLimit)
        return Refusal{Reason::TooManyFiles, QStringLiteral("ファイル数が %1を越えていますから処理出来ません").arg(Module1::gFileLimit)};
    // Spaces and separators alone name no pattern, though they would list every file.
    if (QString(pattern).remove(u';').trimmed().isEmpty())
        return Refusal{Reason::BlankPattern, QStringLiteral("ファイル拡張子を決めて下さい")};
    std::optional<Built> built = build(*files);
    if (!built)
        return std::nullopt;
    if (const auto *unreadable = std::get_if<UnreadableFile>(&*built))
        return Refusal{Reason::UnreadableFile, QStringLiteral("ファイルの情報を読み取れません\n") + unreadable->path};
    return std::get<FileTable>(std::move(*built));
}

} // namespace listBuild
