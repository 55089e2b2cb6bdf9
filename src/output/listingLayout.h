#pragma once

#include <QString>
#include <QStringList>

// The frame around the file list lines that the printed list and the TXT file share. Lines
// come without the printed list's indent.
namespace output {

// "VREL's file print ", a rule, the directory, the pattern, a rule.
QStringList listingHeader(const QString &directoryText, const QString &patternText);

QString listingRule();

// "Total(N)" and the byte total, the total ending where the size column of the lines ends
// (`columnsWidth`, the three column widths summed). When the two do not fit in that width the
// total follows the count directly.
QString listingTotalLine(int count, qint64 totalBytes, int columnsWidth);

} // namespace output
