#include "listingLayout.h"

#include "platform/format.h"

namespace output {

namespace {
constexpr int kRuleLength = 57;
}

QStringList listingHeader(const QString &directoryText, const QString &patternText)
{
    return {QStringLiteral("VREL's file print "), listingRule(), QStringLiteral("Directory : ") + directoryText,
            QStringLiteral("File Type : ") + patternText, listingRule()};
}

QString listingRule()
{
    return QString(kRuleLength, u'-');
}

QString listingTotalLine(int count, qint64 totalBytes, int columnsWidth)
{
    const QString label = QStringLiteral("Total");
    const QString total = platform::formatNumber(totalBytes);
    const QString countText = u'(' + QString::number(count) + u')';
    const qsizetype gap = columnsWidth - label.size() - total.size() - countText.size();
    return label + countText + QString(std::max<qsizetype>(gap, 0), u' ') + total;
}

} // namespace output
