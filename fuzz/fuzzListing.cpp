#include "fuzzCheck.h"
#include "main/listBuild.h"
#include "platform/text/cp932.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QHash>

#include <limits>

// The list build over names and facts from the input: names as read from disk (control
// characters shown as "?") or any UTF-16 at all, sizes up to what a sparse file may claim, any
// year, a file gone by either pass.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    QList<platform::ListedFile> files;
    QHash<QByteArray, QList<std::optional<platform::FileFacts>>> disk; // each file's two readings
    for (int i = in.ConsumeIntegralInRange(0, 40); i > 0 && in.remaining_bytes() > 0; --i) {
        const std::string raw = in.ConsumeRandomLengthString(1024);
        const QByteArray native = QByteArray::number(i) + '/' + QByteArray(raw.data(), qsizetype(raw.size()));
        files.append({in.ConsumeBool() ? platform::displayName(QString::fromUtf8(native))
                                       : QString(reinterpret_cast<const QChar *>(raw.data()), qsizetype(raw.size() / 2)),
                      native});
        for (int pass = 0; pass < 2; ++pass) {
            const platform::FileFacts facts{
                in.ConsumeIntegralInRange<qint64>(0, std::numeric_limits<qint64>::max()),
                {in.ConsumeIntegralInRange(-300000, 300000), in.ConsumeIntegralInRange(1, 12), in.ConsumeIntegralInRange(1, 31),
                 in.ConsumeIntegralInRange(0, 23), in.ConsumeIntegralInRange(0, 59), in.ConsumeIntegralInRange(0, 59)}};
            disk[native].append(in.ConsumeIntegralInRange(0, 15) ? std::optional(facts) : std::nullopt);
        }
    }
    QHash<QByteArray, int> reads;
    const auto built = listing::buildFileList(QStringLiteral("/d"), files, [&](const platform::OpenDirectory &, const QByteArray &name) {
        FUZZ_CHECK(disk.contains(name) && reads[name] < 2);
        return disk[name].at(reads[name]++);
    });
    const auto *list = std::get_if<listing::FileList>(&built);
    if (!list)
        return 0;
    qint64 total = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const auto parts = listing::splitFileName(files[i].name);
        FUZZ_CHECK(parts.name + parts.extension == files[i].name && !parts.name.contains(u'.'));
        const platform::FileFacts facts = *disk[files[i].nativeName].at(1);
        total += facts.size;
        // The name padded to the widest name in cells, the extension to the widest extension,
        // the size right-aligned with two spaces at least, a space and the time: yy-mm-dd hh:mm:ss.
        const QString sizeText = listing::sizeText(facts.size);
        const QString time = listing::timeText(facts);
        FUZZ_CHECK(list->lines[i] == parts.name + QString(list->nameWidth - platform::displayCells(parts.name), u' ')
                                         + parts.extension.leftJustified(list->extWidth) + sizeText.rightJustified(list->sizeWidth)
                                         + u' ' + time);
        FUZZ_CHECK(sizeText.size() + 2 <= list->sizeWidth && list->runningTotals[i] == QString::number(total));
        FUZZ_CHECK(time.size() == 17 && time.count(u'-') == 2 && time.count(u':') == 2 && time.count(u' ') == 1);
        FUZZ_CHECK(list->dates[i] + u' ' + list->times[i] == time && list->names[i] == parts.name);
    }
    FUZZ_CHECK(list->totalBytes == total);
    return 0;
}
