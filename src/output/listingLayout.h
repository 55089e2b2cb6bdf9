#pragma once

#include <QString>
#include <QStringList>

// The frame of a listing that the printed list and the TXT file share: the header above the
// file list lines and the rule and total line below them, all without the indent.
namespace output {

// "VREL's file print ", rule, the directory line, the file type line, rule. A root
// directory is named as the listings name it ("C:" for "C:\", "/" for "/").
QStringList listingHeader(const QString &directoryText, const QString &patternText);

// 57 "-".
QString listingRule();

// "Total", "(count)", a gap, the total "#,###,###,##0": the total's last digit stands under
// the last cell of the size column, `columnsWidth` (name + extension + size widths) cells in.
// Where the two texts are wider than the columns leave room for, they meet with no gap.
QString listingTotalLine(int count, qint64 totalBytes, int columnsWidth);

} // namespace output
