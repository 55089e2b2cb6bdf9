#include "fuzzCheck.h"
#include "output/listExport.h"
#include "output/listingLayout.h"
#include "platform/cp932.h"
#include "platform/format.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

namespace {

QString textFrom(FuzzedDataProvider &in)
{
    const std::string raw = in.ConsumeRandomLengthString(300);
    if (in.ConsumeBool())
        return QString::fromUtf8(raw.data(), qsizetype(raw.size()));
    return QString(reinterpret_cast<const QChar *>(raw.data()), qsizetype(raw.size() / 2));
}

// Reads one CSV record back by the quoting rule, independently of the writer.
QStringList csvFields(const QString &record)
{
    QStringList fields;
    qsizetype i = 0;
    while (i < record.size()) {
        if (record[i] != u'"')
            return {};
        QString field;
        ++i;
        for (;;) {
            if (i >= record.size())
                return {};
            if (record[i] == u'"') {
                if (i + 1 < record.size() && record[i + 1] == u'"') {
                    field += u'"';
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            field += record[i++];
        }
        fields.append(field);
        if (i < record.size()) {
            if (record[i] != u',')
                return {};
            ++i;
            if (i == record.size())
                return {};
        }
    }
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    output::ExportedList list;
    list.directory = textFrom(in);
    list.pattern = textFrom(in);
    // The widths and the total come from a list build, so they stay within what names can make.
    list.nameWidth = in.ConsumeIntegralInRange<int>(0, 2048);
    list.extWidth = in.ConsumeIntegralInRange<int>(0, 2048);
    list.sizeWidth = in.ConsumeIntegralInRange<int>(0, 30);
    list.totalBytes = in.ConsumeIntegral<qint64>();
    const int count = in.ConsumeIntegralInRange<int>(0, 30);
    for (int i = 0; i < count && in.remaining_bytes() > 0; ++i) {
        list.lines.append(textFrom(in));
        for (QStringList *values : {&list.names, &list.extensions, &list.runningTotals, &list.dates, &list.times}) {
            // A short column must not take the file's other values with it.
            if (in.ConsumeIntegralInRange<int>(0, 20) != 0)
                values->append(textFrom(in));
        }
    }

    const QStringList txt = output::txtFileLines(list);
    FUZZ_CHECK(txt.size() == list.lines.size() + 7);
    FUZZ_CHECK(txt.mid(5, list.lines.size()) == list.lines);
    FUZZ_CHECK(txt[0] == u"VREL's file print ");
    FUZZ_CHECK(txt[1] == output::listingRule() && txt[4] == txt[1] && txt[txt.size() - 2] == txt[1]);
    const QString total = txt.last();
    FUZZ_CHECK(total.startsWith(QStringLiteral("Total(") + QString::number(list.lines.size()) + u')'));
    // The total's last digit under the last cell of the columns, or the texts meet with no gap.
    FUZZ_CHECK(total.endsWith(platform::formatNumber(list.totalBytes)));
    FUZZ_CHECK(total.size() >= qsizetype(list.nameWidth) + list.extWidth + list.sizeWidth);

    const QStringList csv = output::csvFileLines(list);
    FUZZ_CHECK(csv.size() == list.names.size());
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const auto value = [&](const QStringList &values) { return i < values.size() ? values[i] : QString(); };
        const QStringList expected = {list.names[i], value(list.extensions), value(list.runningTotals),
                                      value(list.dates), value(list.times)};
        FUZZ_CHECK(csvFields(csv[i]) == expected);
    }

    for (const auto format : {output::ListFormat::Txt, output::ListFormat::Csv}) {
        const QByteArray bytes = output::listFileBytes(format, list);
        const QStringList lines = output::listFileLines(format, list);
        QByteArray expected;
        for (const QString &line : lines)
            expected += platform::toCp932(line) + "\r\n";
        FUZZ_CHECK(bytes == expected);
    }
    return 0;
}
