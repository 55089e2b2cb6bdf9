#include "fuzzCheck.h"
#include "output/listFile.h"
#include "platform/text/cp932.h"

#include <fuzzer/FuzzedDataProvider.h>

// The two list files of any list: the TXT file is the printed listing line for line, closed by
// the total line; one CSV record a file whatever its name holds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto text = [&in] {
        const std::string raw = in.ConsumeRandomLengthString(300);
        return QString(reinterpret_cast<const QChar *>(raw.data()), qsizetype(raw.size() / 2)).remove(u'\r');
    };
    platform::ListedFiles files;
    for (int i = in.ConsumeIntegralInRange(0, 30); i > 0 && in.remaining_bytes() > 0; --i)
        files.append(text(), QByteArray::number(i));
    const auto built = listing::buildFileList(QStringLiteral("/d"), files, [&](const platform::OpenDirectory &, const QByteArray &) {
        return std::optional(platform::FileFacts{in.ConsumeIntegralInRange<qint64>(0, 1LL << 40),
                                                 {in.ConsumeIntegralInRange(-3000, 3000), 1, 2, 3, 4, 5}});
    });
    const output::ShownList shown{text(), text(), std::make_shared<const listing::FileTable>(std::get<listing::FileTable>(built))};
    const QStringList lines = output::listingLines(shown);
    FUZZ_CHECK(lines.last().startsWith(QStringLiteral("Total(") + QString::number(files.size()) + u')') && lines.last().size() >= shown.columnsWidth());
    FUZZ_CHECK(output::listFileBytes(output::ListFormat::Txt, shown) == platform::toCp932(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    FUZZ_CHECK(output::listFileBytes(output::ListFormat::Csv, shown).count("\r\n") == files.size());
    return 0;
}
