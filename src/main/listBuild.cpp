#include "listBuild.h"

#include "module1.h"
#include "platform/text/cp932.h"
#include "platform/text/format.h"
#include "platform/files/paths.h"

#include <algorithm>

namespace listing {

NameParts splitFileName(const QString &fileName)
{
    const qsizetype dot = fileName.indexOf(u'.');
    if (dot < 0)
        return {fileName, QString()};
    return {fileName.left(dot), fileName.mid(dot)};
}

QString sizeText(qint64 bytes)
{
    return platform::formatNumber(bytes);
}

QString timeText(const platform::FileFacts &facts)
{
    return platform::formatDateTime(facts.modified);
}

std::variant<FileList, UnreadableFile> buildFileList(const QString &directory, const QList<platform::ListedFile> &files,
                                                     const FactsReader &readFacts)
{
    const platform::OpenDirectory opened(platform::nativePath(directory));
    const auto shownPathOf = [&](const platform::ListedFile &f) {
        return platform::displayName(platform::pathInDirectory(directory, f.name));
    };

    FileList list;
    list.sizeWidth = 0;
    std::vector<NameParts> parts(files.size());
    std::vector<int> nameCells(files.size());

    for (qsizetype i = 0; i < files.size(); ++i) {
        parts[i] = splitFileName(files[i].name);
        nameCells[i] = platform::displayCells(parts[i].name);
        list.nameWidth = std::max(list.nameWidth, nameCells[i]);
        list.extWidth = std::max(list.extWidth, int(parts[i].extension.size()));
        const auto facts = readFacts(opened, files[i].nativeName);
        if (!facts)
            return UnreadableFile{shownPathOf(files[i])};
        list.sizeWidth = std::max(list.sizeWidth, int(sizeText(facts->size).size()));
    }

    // The second pass reads every file afresh, and the lines are laid out from what it read: a
    // file that grew since the first pass widens the size column rather than losing digits.
    std::vector<QString> sizes(files.size());
    std::vector<QString> times(files.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const auto facts = readFacts(opened, files[i].nativeName);
        if (!facts)
            return UnreadableFile{shownPathOf(files[i])};
        // Sparse files on tmpfs or XFS may each claim up to 2^63 - 1 bytes, and a total past
        // 64 bits would wrap to a negative one; a size that cannot be summed is refused as one
        // that cannot be read, rather than shown wrong.
        if (qAddOverflow(list.totalBytes, facts->size, &list.totalBytes))
            return UnreadableFile{shownPathOf(files[i])};
        sizes[i] = sizeText(facts->size);
        times[i] = timeText(*facts);
        list.sizeWidth = std::max(list.sizeWidth, int(sizes[i].size()));
        list.runningTotals.append(QString::number(list.totalBytes));
    }
    list.sizeWidth += kSizeGap;

    for (QStringList *column : {&list.lines, &list.names, &list.extensions, &list.dates, &list.times})
        column->reserve(files.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString line;
        line.reserve(list.nameWidth + list.extWidth + list.sizeWidth + 1 + times[i].size());
        line += parts[i].name;
        line.resize(line.size() + (list.nameWidth - nameCells[i]), u' ');
        line += parts[i].extension;
        line.resize(line.size() + (list.extWidth - parts[i].extension.size()), u' ');
        line.resize(line.size() + (list.sizeWidth - sizes[i].size()), u' ');
        line += sizes[i];
        line += u' ';
        line += times[i];
        list.lines.append(std::move(line));

        list.names.append(std::move(parts[i].name));
        list.extensions.append(std::move(parts[i].extension));
        list.dates.append(times[i].left(kDateChars));
        list.times.append(times[i].right(kTimeChars));
    }
    return list;
}

void storeInModule1(const FileList &list)
{
    Module1::gTotalBytes = list.totalBytes;
    Module1::gNameWidth = list.nameWidth;
    Module1::gExtWidth = list.extWidth;
    Module1::gSizeWidth = list.sizeWidth;
    const qsizetype n = std::min<qsizetype>(list.lines.size(), Module1::kMaxEntries);
    for (qsizetype i = 0; i < n; ++i) {
        Module1::gFileName[i + 1] = list.names[i];
        Module1::gFileExt[i + 1] = list.extensions[i];
        Module1::gRunningTotal[i + 1] = list.runningTotals[i];
        Module1::gFileDate[i + 1] = list.dates[i];
        Module1::gFileTime[i + 1] = list.times[i];
    }
}

void resetModule1()
{
    Module1::gTotalBytes = 0;
    Module1::gNameWidth = kMinNameWidth;
    Module1::gExtWidth = 0;
    Module1::gSizeWidth = 0;
    for (Module1::FileArray *values :
         {&Module1::gFileName, &Module1::gFileExt, &Module1::gRunningTotal, &Module1::gFileDate, &Module1::gFileTime})
        values->fill(QString());
}

} // namespace listing
