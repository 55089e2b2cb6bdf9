#pragma once

#include "main/listBuild.h"

#include <QString>
#include <QStringList>

class frmVREL_FP;

// The listing that the printed list and the TXT file share: a header naming the directory and
// the pattern, the file list lines, a rule and the total line, all without an indent.
namespace output {

// What the outputs read at the click: the directory and the pattern as the window shows them,
// and the lines, widths, total and per-file values the last list build left. Entry i of each
// per-file list belongs to line i.
struct ShownList
{
    QString directory;
    QString pattern;
    listing::FileList list;
};

ShownList shownList(const frmVREL_FP &window);

QStringList listingLines(const ShownList &shown);

// "Total", "(count)", a gap, the total "#,###,###,##0": the total's last digit stands under
// the last cell of the size column, `columnsWidth` (name + extension + size widths) cells in.
// Where the two texts are wider than the columns leave room for, they meet with no gap.
QString listingTotalLine(int count, qint64 totalBytes, int columnsWidth);

} // namespace output
