#include "listingLayout.h"

#include "platform/format.h"
#include "platform/paths.h"

#include <algorithm>

namespace output {

QStringList listingHeader(const QString &directoryText, const QString &patternText)
{
    return {
        QStringLiteral("VREL's file print "),
        listingRule(),
        QStringLiteral("Directory : ") + platform::listingDirectory(directoryText),
        QStringLiteral("File Type : ") + patternText,
        listingRule(),
    };
}

QString listingRule()
{
    return QString(57, u'-');
}

QString listingTotalLine(int count, qint64 totalBytes, int columnsWidth)
{
    const QString countText = u'(' + QString::number(count) + u')';
    const QString totalText = platform::formatNumber(totalBytes);
    const QString label = QStringLiteral("Total");
    const qsizetype gap = std::max<qsizetype>(0, columnsWidth - label.size() - totalText.size() - countText.size());
    return label + countText + QString(gap, u' ') + totalText;
}

} // namespace output
