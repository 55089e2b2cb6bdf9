#include "listExport.h"

#include "listingLayout.h"
#include "platform/paths.h"
#include "platform/textFileWriter.h"

namespace output {

QString listFileName(ListFormat format)
{
    return format == ListFormat::Txt ? QStringLiteral("VREL_FILE_LIST.TXT") : QStringLiteral("VREL_FILE_LIST.CSV");
}

QString listFilePath(const QString &directory, ListFormat format)
{
    return platform::pathInDirectory(directory, listFileName(format));
}

QStringList txtFileLines(const ExportedList &list)
{
    QStringList out = listingHeader(platform::listingDirectory(list.directory), list.pattern);
    out.reserve(list.lines.size() + 7);
    out += list.lines;
    out.append(listingRule());
    out.append(listingTotalLine(int(list.lines.size()), list.totalBytes,
                                list.nameWidth + list.extWidth + list.sizeWidth));
    return out;
}

QString csvRecord(const QStringList &fields)
{
    QString record;
    for (const QString &field : fields) {
        if (!record.isEmpty())
            record += u',';
        record += u'"';
        for (const QChar c : field) {
            if (c == u'"')
                record += u'"';
            record += c;
        }
        record += u'"';
    }
    return record;
}

QStringList csvFileLines(const ExportedList &list)
{
    QStringList out;
    out.reserve(list.lines.size());
    for (qsizetype i = 0; i < list.lines.size(); ++i) {
        out.append(csvRecord({list.names.value(i), list.extensions.value(i), list.runningTotals.value(i),
                              list.dates.value(i), list.times.value(i)}));
    }
    return out;
}

QStringList listFileLines(ListFormat format, const ExportedList &list)
{
    return format == ListFormat::Txt ? txtFileLines(list) : csvFileLines(list);
}

QByteArray listFileBytes(ListFormat format, const ExportedList &list)
{
    QByteArray bytes;
    for (const QString &line : listFileLines(format, list))
        bytes += platform::textFileLine(line);
    return bytes;
}

} // namespace output
