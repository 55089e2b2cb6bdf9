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

namespace {

void appendField(QString &record, const QString &field)
{
    record += u'"';
    if (field.contains(u'"')) {
        QString doubled = field;
        record += doubled.replace(u'"', QStringLiteral("\"\""));
    } else {
        record += field;
    }
    record += u'"';
}

} // namespace

QString csvRecord(const QString &name, const QString &extension, const QString &runningTotal, const QString &date,
                  const QString &time)
{
    QString record;
    record.reserve(name.size() + extension.size() + runningTotal.size() + date.size() + time.size() + 14);
    appendField(record, name);
    for (const QString *field : {&extension, &runningTotal, &date, &time}) {
        record += u',';
        appendField(record, *field);
    }
    return record;
}

QStringList csvFileLines(const ExportedList &list)
{
    static const QString missing;
    const auto entry = [](const QStringList &values, qsizetype i) -> const QString & {
        return i < values.size() ? values[i] : missing;
    };
    QStringList out;
    out.reserve(list.names.size());
    for (qsizetype i = 0; i < list.names.size(); ++i) {
        out.append(csvRecord(list.names[i], entry(list.extensions, i), entry(list.runningTotals, i),
                             entry(list.dates, i), entry(list.times, i)));
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
