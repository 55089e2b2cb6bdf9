#include "listExport.h"

#include "listingLayout.h"
#include "platform/cp932.h"
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

// Appends one record through a pointer into room made for every quote doubled: ten thousand
// records are written at once, and appends character by character would cost more than the
// whole conversion to code page 932.
void appendCsvRecord(QString &out, const QString &name, const QString &extension, const QString &runningTotal,
                     const QString &date, const QString &time)
{
    const QString *fields[] = {&name, &extension, &runningTotal, &date, &time};
    qsizetype room = 14;
    for (const QString *field : fields)
        room += 2 * field->size();
    const qsizetype start = out.size();
    out.resize(start + room);
    QChar *at = out.data() + start;
    bool first = true;
    for (const QString *field : fields) {
        if (!first)
            *at++ = u',';
        first = false;
        *at++ = u'"';
        for (const QChar c : *field) {
            *at++ = c;
            if (c == u'"')
                *at++ = u'"';
        }
        *at++ = u'"';
    }
    out.truncate(at - out.constData());
}

const QString &entry(const QStringList &values, qsizetype i)
{
    static const QString missing;
    return i < values.size() ? values[i] : missing;
}

} // namespace

QString csvRecord(const QString &name, const QString &extension, const QString &runningTotal, const QString &date,
                  const QString &time)
{
    QString record;
    appendCsvRecord(record, name, extension, runningTotal, date, time);
    return record;
}

QStringList csvFileLines(const ExportedList &list)
{
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
    if (format == ListFormat::Txt)
        return platform::textFileBytes(txtFileLines(list));
    // The records go straight into one text, with no list of them in between.
    QString text;
    text.reserve(list.names.size() * 64);
    for (qsizetype i = 0; i < list.names.size(); ++i) {
        appendCsvRecord(text, list.names[i], entry(list.extensions, i), entry(list.runningTotals, i),
                        entry(list.dates, i), entry(list.times, i));
        text += u"\r\n";
    }
    return platform::toCp932(text);
}

} // namespace output
