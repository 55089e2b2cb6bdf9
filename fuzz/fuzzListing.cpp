#include "fuzzCheck.h"
#include "main/listBuild.h"
#include "platform/text/cp932.h"
#include "platform/files/fileSystem.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QHash>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// How a name reaches the list: as the program shows a name read from disk, as UTF-8 with its
// control characters left in, or as UTF-16 with lone surrogates and characters outside code page 932.
QString nameFrom(int way, const std::string &raw)
{
    const QByteArray bytes(raw.data(), qsizetype(raw.size()));
    switch (way) {
    case 0:
        return platform::displayName(QString::fromUtf8(bytes));
    case 1:
        return QString::fromUtf8(bytes);
    default:
        return QString(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2);
    }
}

platform::FileFacts factsFrom(FuzzedDataProvider &in)
{
    // Whatever stat and localtime can give: any size a sparse file may claim, any year.
    platform::FileFacts facts;
    facts.size = in.ConsumeIntegralInRange<qint64>(0, std::numeric_limits<qint64>::max());
    facts.modified = {in.ConsumeIntegralInRange<int>(-300000, 300000), in.ConsumeIntegralInRange<int>(1, 12),
                      in.ConsumeIntegralInRange<int>(1, 31),       in.ConsumeIntegralInRange<int>(0, 23),
                      in.ConsumeIntegralInRange<int>(0, 59),       in.ConsumeIntegralInRange<int>(0, 59)};
    return facts;
}

bool isTimeText(const QString &text)
{
    if (text.size() != 17)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar expected = i == 8 ? u' ' : (i == 2 || i == 5) ? u'-' : (i == 11 || i == 14) ? u':' : QChar();
        if (expected.isNull() ? !text[i].isDigit() || text[i].unicode() > u'9' : text[i] != expected)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const int way = in.ConsumeIntegralInRange<int>(0, 2);
    const int count = in.ConsumeIntegralInRange<int>(0, 40);

    QList<platform::ListedFile> files;
    // Per native name, the facts of the first pass and of the second, or nothing: gone.
    QHash<QByteArray, std::vector<std::optional<platform::FileFacts>>> disk;
    for (int i = 0; i < count && in.remaining_bytes() > 0; ++i) {
        const std::string raw = in.ConsumeRandomLengthString(1024);
        const QString name = nameFrom(way, raw);
        const QByteArray nativeName = QByteArray::number(i) + '/' + QByteArray(raw.data(), qsizetype(raw.size()));
        files.append({name, nativeName});
        auto &passes = disk[nativeName];
        for (int pass = 0; pass < 2; ++pass) {
            if (in.ConsumeIntegralInRange<int>(0, 15) == 0)
                passes.push_back(std::nullopt);
            else
                passes.push_back(factsFrom(in));
        }
    }

    QHash<QByteArray, int> reads;
    bool allReadable = true;
    const auto read = [&](const platform::OpenDirectory &, const QByteArray &name) {
        const auto found = disk.constFind(name);
        FUZZ_CHECK(found != disk.constEnd());
        const int pass = reads[name]++;
        FUZZ_CHECK(pass < 2);
        if (!found->at(pass))
            allReadable = false;
        return found->at(pass);
    };
    const auto built = listing::buildFileList(QStringLiteral("/d"), files, read);

    if (const auto *unreadable = std::get_if<listing::UnreadableFile>(&built)) {
        FUZZ_CHECK(!unreadable->path.isEmpty());
        return 0;
    }
    FUZZ_CHECK(allReadable);
    const auto &list = std::get<listing::FileList>(built);
    FUZZ_CHECK(list.lines.size() == files.size());
    for (const QStringList *column : {&list.names, &list.extensions, &list.runningTotals, &list.dates, &list.times})
        FUZZ_CHECK(column->size() == files.size());

    qint64 total = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString &line = list.lines[i];
        const auto parts = listing::splitFileName(files[i].name);
        FUZZ_CHECK(parts.name + parts.extension == files[i].name);
        FUZZ_CHECK(list.names[i] == parts.name && list.extensions[i] == parts.extension);

        // The name column: the name, then spaces up to the widest name in display cells.
        const int cells = platform::displayCells(parts.name);
        FUZZ_CHECK(cells <= list.nameWidth);
        FUZZ_CHECK(line.startsWith(parts.name));
        qsizetype at = parts.name.size();
        for (int k = cells; k < list.nameWidth; ++k, ++at)
            FUZZ_CHECK(at < line.size() && line[at] == u' ');
        FUZZ_CHECK(QStringView(line).mid(at).startsWith(parts.extension));

        const auto facts = disk.value(files[i].nativeName).at(1);
        FUZZ_CHECK(!qAddOverflow(total, facts->size, &total));
        const QString time = listing::timeText(*facts);
        FUZZ_CHECK(isTimeText(time));
        FUZZ_CHECK(line.endsWith(u' ' + time));
        FUZZ_CHECK(list.dates[i] + u' ' + list.times[i] == time);
        FUZZ_CHECK(list.runningTotals[i] == QString::number(total));
    }
    FUZZ_CHECK(list.totalBytes == total);
    return 0;
}
