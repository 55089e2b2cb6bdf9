#include "core/text/cp932.h"
#include "fuzzCheck.h"
#include "widgets/readme/readmeReader.h"

#include <QBuffer>

using namespace platform;

// The read-me data file of any bytes, and the code page 932 it is written in.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The read-me text: at most a thousand lines, none holding a CR, none a marker.
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file(&bytes);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    const QStringList text = readme::readReadmeText(file);
    FUZZ_CHECK(text.size() <= readme::kMaxReadmeLines);
    for (const QString &line : text)
        FUZZ_CHECK(!line.contains(u'\r') && !line.startsWith(u"zeqa"));
    // Any bytes decode, each byte to one character at most; what decodes without U+FFFD encodes
    // back to the same text (not always the same bytes: some characters have two codes).
    const QString decoded = fromCp932(bytes);
    FUZZ_CHECK(decoded.size() <= bytes.size());
    FUZZ_CHECK(decoded.contains(QChar::ReplacementCharacter) || fromCp932(toCp932(decoded)) == decoded);
    // The same bytes as UTF-16, lone surrogates and all: one or two bytes a character, and
    // nothing that does not decode again.
    const QString utf16(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const QByteArray encoded = toCp932(utf16);
    FUZZ_CHECK(encoded.size() <= utf16.size() * 2 && !fromCp932(encoded).contains(QChar::ReplacementCharacter));
    return 0;
}
