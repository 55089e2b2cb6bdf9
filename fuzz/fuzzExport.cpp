#include "core/list/listFile.h"
#include "core/text/cp932.h"
#include "fuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace platform;
using namespace Qt::StringLiterals;

// The list build over names and facts from the input (any UTF-16 name, sizes up to what a
// sparse file may claim over 40 files, any year, a file gone by either pass), then the two list
// files of what it built. Every line ends in a 17-character time, two digits of year and no sign;
// the TXT file is the printed listing line for line, closed by the total line; one CSV record a
// file whatever its name holds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto text = [&in] {
        const std::string raw = in.ConsumeRandomLengthString(1024);
        return QString(reinterpret_cast<const QChar *>(raw.data()), qsizetype(raw.size() / 2)).remove(u'\r');
    };
    const auto n = [&in](int from, int to) { return in.ConsumeIntegralInRange(from, to); };
    ListedFiles files;
    for (int i = n(0, 40); i > 0 && in.remaining_bytes() > 0; --i)
        files.append(text(), QByteArray::number(i));
    const auto built = listBuild::buildFileList(u"/d"_s, files, [&](const OpenDirectory &, const QByteArray &) {
        const FileFacts facts{in.ConsumeIntegralInRange<qint64>(0, 1LL << 57),
                              {n(-300000, 300000), n(1, 12), n(1, 31), n(0, 23), n(0, 59), n(0, 59)}};
        return n(0, 15) ? std::optional(facts) : std::nullopt;
    });
    const auto *list = std::get_if<listBuild::FileTable>(&built);
    if (!list)
        return 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString time;
        list->appendModified(i, time);
        FUZZ_CHECK(time.size() == 17 && time.count(u'-') == 2 && list->line(i).endsWith(u' ' + time));
    }
    const output::ShownList shown{text(), text(), std::make_shared<const listBuild::FileTable>(*list)};
    const QStringList lines = output::listTextLines(shown);
    FUZZ_CHECK(lines.last().startsWith(u"Total(%1)"_s.arg(files.size())) && lines.last().size() >= shown.columnsWidth());
    FUZZ_CHECK(output::listFileBytes(output::ListFormat::Txt, shown) == toCp932(lines.join(u"\r\n"_s) + u"\r\n"_s));
    FUZZ_CHECK(output::listFileBytes(output::ListFormat::Csv, shown).count("\r\n") == files.size());
    return 0;
}
