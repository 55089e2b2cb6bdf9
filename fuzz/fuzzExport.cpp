#include "fuzzCheck.h"
#include "core/list/listFile.h"
#include "core/text/cp932.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <limits>

// The list build over names and facts from the input (any UTF-16 name, sizes up to what a
// sparse file may claim, any year, a file gone by either pass), then the two list files of what
// it built. Every line ends in a 17-character time and the running totals add up; the TXT file
// is the printed listing line for line, closed by the total line; one CSV record a file whatever
// its name holds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto text = [&in] {
        const std::string raw = in.ConsumeRandomLengthString(1024);
        return QString(reinterpret_cast<const QChar *>(raw.data()), qsizetype(raw.size() / 2)).remove(u'\r');
    };
    platform::ListedFiles files;
    for (int i = in.ConsumeIntegralInRange(0, 40); i > 0 && in.remaining_bytes() > 0; --i)
        files.append(text(), QByteArray::number(i));
    const auto built = listBuild::buildFileList(QStringLiteral("/d"), files, [&](const platform::OpenDirectory &, const QByteArray &) {
        const platform::FileFacts facts{in.ConsumeIntegralInRange<qint64>(0, std::numeric_limits<qint64>::max() / 64),
                                        {in.ConsumeIntegralInRange(-300000, 300000), in.ConsumeIntegralInRange(1, 12),
                                         in.ConsumeIntegralInRange(1, 31), in.ConsumeIntegralInRange(0, 23),
                                         in.ConsumeIntegralInRange(0, 59), in.ConsumeIntegralInRange(0, 59)}};
        return in.ConsumeIntegralInRange(0, 15) ? std::optional(facts) : std::nullopt;
    });
    const auto *list = std::get_if<listBuild::FileTable>(&built);
    if (!list)
        return 0;
    qint64 sum = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString time = list->modified(i);
        const QString line = list->line(i);
        const QString fileName = list->fileName(i);
        const listBuild::NameParts parts = listBuild::splitFileName(fileName);
        FUZZ_CHECK(time.size() == 17 && line.endsWith(u' ' + time) && time.count(u'-') == 2 && time.count(u':') == 2);
        FUZZ_CHECK(list->runningTotal(i).toLongLong() >= sum && line.startsWith(parts.name));
        FUZZ_CHECK(fileName == files.name(i) && !parts.name.contains(u'.'));
        sum = list->runningTotal(i).toLongLong();
    }
    FUZZ_CHECK(list->totalBytes == sum);
    const output::ShownList shown{text(), text(), std::make_shared<const listBuild::FileTable>(*list)};
    const QStringList lines = output::listTextLines(shown);
    FUZZ_CHECK(lines.last().startsWith(QStringLiteral("Total(") + QString::number(files.size()) + u')') && lines.last().size() >= shown.columnsWidth());
    FUZZ_CHECK(output::listFileBytes(output::ListFormat::Txt, shown) == platform::toCp932(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    FUZZ_CHECK(output::listFileBytes(output::ListFormat::Csv, shown).count("\r\n") == files.size());
    return 0;
}
