#include "listText.h"

#include "core/files/paths.h"
#include "core/text/format.h"

#include <algorithm>

namespace output {

namespace {

const QString &rule()
{
    static const QString line(57, u'-');
    return line;
}

QStringList header(const ShownList &shown)
{
    return {QStringLiteral("VREL's file print "), rule(),
            QStringLiteral("Directory : ") + headerDirectory(shown), QStringLiteral("File Type : ") + headerPattern(shown), rule()};
}

QString shownTotalLine(const ShownList &shown)
{
    return totalLine(int(shown.count()), shown.totalBytes(), shown.columnsWidth());
}

} // namespace

QString headerDirectory(const ShownList &shown)
{
    return platform::displayName(platform::namedDirectory(shown.directory));
}

QString headerPattern(const ShownList &shown)
{
    return platform::displayName(shown.pattern);
}

QStringList listTextLines(const ShownList &shown)
{
    QStringList lines = header(shown);
    lines.reserve(lines.size() + shown.count() + 2);
    for (qsizetype i = 0; i < shown.count(); ++i)
        lines.append(shown.files->line(i));
    lines.append(rule());
    lines.append(shownTotalLine(shown));
    return lines;
}

QString listText(const ShownList &shown)
{
    const QStringList head = header(shown);
    QString text;
    text.reserve((shown.count() + head.size() + 2) * (shown.columnsWidth() + 20));
    const QLatin1StringView lineEnd("\r\n");
    for (const QString &line : head) {
        text += line;
        text += lineEnd;
    }
    // Laid out straight into the one text: ten thousand lines made one by one would cost more
    // than their conversion to code page 932.
    for (qsizetype i = 0; i < shown.count(); ++i) {
        shown.files->appendLine(i, text);
        text += lineEnd;
    }
    text += rule();
    text += lineEnd;
    text += shownTotalLine(shown);
    text += lineEnd;
    return text;
}

QString totalLine(int count, qint64 totalBytes, int columnsWidth)
{
    const QString countText = u'(' + QString::number(count) + u')';
    const QString totalText = platform::formatNumber(totalBytes);
    const QString label = QStringLiteral("Total");
    const qsizetype gap = std::max<qsizetype>(0, columnsWidth - label.size() - totalText.size() - countText.size());
    return label + countText + QString(gap, u' ') + totalText;
}

} // namespace output
