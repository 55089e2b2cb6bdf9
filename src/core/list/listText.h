#pragma once

#include "listBuild.h"

#include <QString>
#include <QStringList>

#include <memory>

// The list's text, which the printed list and the TXT file share: a header naming the directory and
// the pattern, the file list lines, a rule and the total line, all without an indent.
namespace output {

// What the outputs read at the click: the directory and the pattern as the window shows them,
// and the files, widths and total the last list build left, whose lines List1 shows.
struct ShownList
{
    QString directory;
    QString pattern;
    std::shared_ptr<const listBuild::FileTable> files; // none before the first accepted build

    // The build's own figures; without one, its start values.
    qsizetype count() const { return files ? files->size() : 0; }
    qint64 totalBytes() const { return files ? files->totalBytes : 0; }
    int columnsWidth() const { return files ? files->nameWidth + files->extWidth + files->sizeWidth : listBuild::kMinNameWidth; }
};

// The directory and the pattern as the header names them.
QString headerDirectory(const ShownList &shown);
QString headerPattern(const ShownList &shown);

QStringList listTextLines(const ShownList &shown);
// The same text as one string, each line ended by CR LF.
QString listText(const ShownList &shown);

// "Total", "(count)", a gap, the total "#,###,###,##0": the total's last digit stands under
// the last cell of the size column, `columnsWidth` (name + extension + size widths) cells in.
// Where the two texts are wider than the columns leave room for, they meet with no gap.
QString totalLine(int count, qint64 totalBytes, int columnsWidth);

} // namespace output
