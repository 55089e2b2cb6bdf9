#include "fuzzCheck.h"
#include "platform/text/cp932.h"
#include "platform/text/textFile.h"
#include "readme/readmeReader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {

// The lines of a data file by the rule, written apart from the reader: a CR or CR LF ends a
// line, a lone LF belongs to its line, and a last line without its end still counts.
QStringList expectedLines(const QByteArray &bytes)
{
    QStringList lines;
    QByteArray line;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') {
            line.append(bytes[i]);
            continue;
        }
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        lines.append(platform::fromCp932(line));
        line.clear();
    }
    if (!line.isEmpty())
        lines.append(platform::fromCp932(line));
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList expected = expectedLines(bytes);

    QBuffer file(&bytes);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    platform::TextFileReader reader(file);
    QStringList all;
    while (!reader.atEnd())
        all.append(reader.readLine());
    FUZZ_CHECK(all == expected);

    file.seek(0);
    const QStringList text = readme::readReadmeText(file);
    FUZZ_CHECK(text.size() <= readme::kMaxReadmeLines);
    qsizetype marker = expected.size();
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (expected[i].startsWith(u"zeqa")) {
            marker = i;
            break;
        }
    }
    FUZZ_CHECK(text == expected.mid(0, std::min<qsizetype>(marker, readme::kMaxReadmeLines)));
    return 0;
}
