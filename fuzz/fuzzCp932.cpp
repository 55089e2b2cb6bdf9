#include "fuzzCheck.h"
#include "platform/text/cp932.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // Any bytes decode, and each byte yields at most one character.
    const QString decoded = platform::fromCp932(bytes);
    FUZZ_CHECK(decoded.size() <= bytes.size());

    // What decoding gave, encoding gives back: to the same text, though code page 932 has
    // duplicate codes for some characters, so not always to the same bytes.
    const QByteArray encoded = platform::toCp932(decoded);
    const QString replacement(QChar(0xFFFD));
    if (!decoded.contains(replacement)) {
        FUZZ_CHECK(platform::fromCp932(encoded) == decoded);
        FUZZ_CHECK(platform::displayCells(decoded) == encoded.size());
    }

    // The same bytes read as UTF-16 text, lone surrogates and all: every character becomes
    // one or two bytes, and what comes back is either that character or "?".
    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const QByteArray cp932 = platform::toCp932(text);
    FUZZ_CHECK(cp932.size() <= text.size() * 2);
    FUZZ_CHECK(platform::displayCells(text) == cp932.size());
    const QString back = platform::fromCp932(cp932);
    FUZZ_CHECK(!back.contains(replacement));
    return 0;
}
