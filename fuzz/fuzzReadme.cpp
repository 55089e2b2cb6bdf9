#include "fuzzCheck.h"
#include "readme/readmeReader.h"

#include <QBuffer>

// The read-me text of any bytes: at most a thousand lines, none holding a CR, none a marker.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    const QStringList text = readme::readReadmeText(file);
    FUZZ_CHECK(text.size() <= readme::kMaxReadmeLines);
    for (const QString &line : text)
        FUZZ_CHECK(!line.contains(u'\r') && !line.startsWith(u"zeqa"));
    return 0;
}
