#include "fuzzCheck.h"
#include "output/listFile.h"
#include "platform/text/cp932.h"
#include "platform/text/format.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

QString textFrom(FuzzedDataProvider &in)
{
    const std::string raw = in.ConsumeRandomLengthString(300);
    if (in.ConsumeBool())
        return QString::fromUtf8(raw.data(), qsizetype(raw.size()));
    return QString(reinterpret_cast<const QChar *>(raw.data()), qsizetype(raw.size() / 2));
}

// The fields of one CSV record read back by the quoting rule, apart from the writer.
QStringList csvFields(const QString &record)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < record.size(); ++i) {
        if (quoted && record[i] == u'"' && i + 1 < record.size() && record[i + 1] == u'"')
            field += record[++i];
        else if (record[i] == u'"')
            quoted = !quoted;
        else if (!quoted && record[i] == u',')
            fields.append(std::exchange(field, QString()));
        else
            field += record[i];
    }
    fields.append(field);
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    output::ShownList shown{textFrom(in), textFrom(in), {}};
    listing::FileList &list = shown.list;
    // The widths and the total come from a list build, so they stay within what names can make.
    list.nameWidth = in.ConsumeIntegralInRange<int>(0, 2048);
    list.extWidth = in.ConsumeIntegralInRange<int>(0, 2048);
    list.sizeWidth = in.ConsumeIntegralInRange<int>(0, 30);
    list.totalBytes = in.ConsumeIntegralInRange<qint64>(0, std::numeric_limits<qint64>::max());
    const int count = in.ConsumeIntegralInRange<int>(0, 30);
    for (int i = 0; i < count && in.remaining_bytes() > 0; ++i) {
        for (QStringList *values : {&list.lines, &list.names, &list.extensions, &list.runningTotals, &list.dates, &list.times})
            values->append(textFrom(in));
    }

    const QStringList txt = output::listingLines(shown);
    FUZZ_CHECK(txt.size() == list.lines.size() + 7);
    const QString total = txt.last();
    FUZZ_CHECK(total.startsWith(QStringLiteral("Total(") + QString::number(list.lines.size()) + u')'));
    // The total's last digit under the last cell of the columns, or the texts meet with no gap.
    FUZZ_CHECK(total.endsWith(platform::formatNumber(list.totalBytes)));
    FUZZ_CHECK(total.size() >= qsizetype(list.nameWidth) + list.extWidth + list.sizeWidth);
    FUZZ_CHECK(output::listFileBytes(output::ListFormat::Txt, shown).endsWith(platform::toCp932(total) + "\r\n"));

    // Every record reads back as the file's five values; only characters without a code page 932
    // form have become "?", and only line breaks in a name may split a record.
    const QString csv = platform::fromCp932(output::listFileBytes(output::ListFormat::Csv, shown));
    if (csv.count(QStringLiteral("\r\n")) == list.names.size()) {
        const QStringList records = csv.split(QStringLiteral("\r\n"));
        for (qsizetype i = 0; i < list.names.size(); ++i) {
            QStringList values{list.names[i], list.extensions[i], list.runningTotals[i], list.dates[i], list.times[i]};
            for (QString &value : values)
                value = platform::fromCp932(platform::toCp932(value));
            FUZZ_CHECK(csvFields(records[i]) == values);
        }
    }
    return 0;
}
