#include "fuzzCheck.h"
#include "platform/text/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Any bytes decode, each byte to one character at most; what decodes without U+FFFD encodes
    // back to the same text (not always the same bytes: some characters have two codes).
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString decoded = platform::fromCp932(bytes);
    FUZZ_CHECK(decoded.size() <= bytes.size());
    if (!decoded.contains(QChar::ReplacementCharacter))
        FUZZ_CHECK(platform::fromCp932(platform::toCp932(decoded)) == decoded);
    // The same bytes as UTF-16, lone surrogates and all: one or two bytes a character, as many
    // as its display cells, and nothing that does not decode again.
    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const QByteArray encoded = platform::toCp932(text);
    FUZZ_CHECK(encoded.size() <= text.size() * 2 && platform::displayCells(text) == encoded.size());
    FUZZ_CHECK(!platform::fromCp932(encoded).contains(QChar::ReplacementCharacter));
    return 0;
}
