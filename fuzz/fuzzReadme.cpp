#include "fuzzCheck.h"
#include "platform/text/cp932.h"
#include "readme/readmeReader.h"

#include <QBuffer>

// The read-me text of any bytes, against the lines by the rule, written apart from the reader: a
// CR or CR LF ends a line, a lone LF belongs to its line, a last line without its end still
// counts; the text ends before the first line starting "zeqa", or at the thousandth line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList expected;
    QByteArray line;
    for (qsizetype i = 0; i <= bytes.size() && expected.size() < readme::kMaxReadmeLines; ++i) {
        if (i < bytes.size() && bytes[i] != '\r') {
            line.append(bytes[i]);
            continue;
        }
        if (i == bytes.size() && line.isEmpty())
            break;
        i += bytes.mid(i + 1, 1) == "\n";
        if (line.startsWith("zeqa"))
            break;
        expected.append(platform::fromCp932(std::exchange(line, {})));
    }
    QBuffer file(&bytes);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    FUZZ_CHECK(readme::readReadmeText(file) == expected);
    return 0;
}
