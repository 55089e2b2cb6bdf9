#include "fuzzCheck.h"
#include "output/listFile.h"
#include "platform/text/cp932.h"

#include <fuzzer/FuzzedDataProvider.h>

// The two list files of any list: the total line closes the TXT file, one CSV record a file
// whatever its values hold.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto text = [&in] {
        const std::string raw = in.ConsumeRandomLengthString(300);
        return QString(reinterpret_cast<const QChar *>(raw.data()), qsizetype(raw.size() / 2)).remove(u'\r');
    };
    output::ShownList shown{text(), text(), {}};
    listing::FileList &list = shown.list;
    list.nameWidth = in.ConsumeIntegralInRange(0, 2048);
    list.totalBytes = in.ConsumeIntegralInRange<qint64>(0, std::numeric_limits<qint64>::max());
    for (int i = in.ConsumeIntegralInRange(0, 30); i > 0 && in.remaining_bytes() > 0; --i) {
        for (QStringList *values : {&list.lines, &list.names, &list.extensions, &list.runningTotals, &list.dates, &list.times})
            values->append(text());
    }
    const QString total = output::listingLines(shown).last();
    FUZZ_CHECK(total.startsWith(QStringLiteral("Total(") + QString::number(list.lines.size()) + u')') && total.size() >= list.nameWidth);
    FUZZ_CHECK(output::listFileBytes(output::ListFormat::Txt, shown).endsWith(platform::toCp932(total) + "\r\n"));
    FUZZ_CHECK(output::listFileBytes(output::ListFormat::Csv, shown).count("\r\n") == list.names.size());
    return 0;
}
