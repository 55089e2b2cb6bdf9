#include "cp932.h"

#include <algorithm>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace platform {

namespace {

// The characters whose form is this program's own rather than either system converter's, so
// that a file reads the same whichever system wrote it. The JIS X 0208 characters that
// Microsoft's table maps to other code points take the code of the same JIS character (U+301C
// reads back as U+FF5E, the same wave dash to a person). The yen sign and the overline have no
// form: as 0x5C and 0x7E, glibc's choice, they would read back as "\" and "~". Nor have the
// characters of the single bytes that Microsoft's table leaves undefined and Windows alone
// converts.
struct OwnForm
{
    char16_t character;
    const char *bytes;
};
constexpr OwnForm kOwnForms[] = {
    {u'\u0080', "?"},        {u'\u00A2', "\x81\x91"}, {u'\u00A3', "\x81\x92"}, {u'\u00A5', "?"},
    {u'\u00AC', "\x81\xCA"}, {u'\u2014', "\x81\x5C"}, {u'\u2016', "\x81\x61"}, {u'\u203E', "?"},
    {u'\u2212', "\x81\x7C"}, {u'\u301C', "\x81\x60"}, {u'\uF8F0', "?"},        {u'\uF8F1', "?"},
    {u'\uF8F2', "?"},        {u'\uF8F3', "?"},
};

const char *ownForm(char16_t c)
{
    // Kana, kanji and nearly all else past them pass at the first comparison.
    if (c > u'\u301C' && (c < u'\uF8F0' || c > u'\uF8F3'))
        return nullptr;
    const auto own = std::find_if(std::begin(kOwnForms), std::end(kOwnForms), [c](const OwnForm &f) { return f.character == c; });
    return own == std::end(kOwnForms) ? nullptr : own->bytes;
}

} // namespace

#ifdef Q_OS_WIN

QByteArray toCp932(QStringView text)
{
    // Character by character, a surrogate pair being one: a character without a code page 932
    // form becomes one "?", and no best fit turns it into a look-alike.
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x80) {
            out.append(char(text[i].unicode()));
            continue;
        }
        if (const char *own = ownForm(text[i].unicode())) {
            out.append(own);
            continue;
        }
        const int units = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        char bytes[4];
        BOOL usedDefault = FALSE;
        const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t *>(text.utf16() + i),
                                          units, bytes, int(sizeof bytes), "?", &usedDefault);
        if (n <= 0 || usedDefault)
            out.append('?');
        else
            out.append(bytes, n);
        i += units - 1;
    }
    return out;
}

QString fromCp932(QByteArrayView bytes)
{
    // Character by character, so that a lead byte without its trail becomes U+FFFD on its own
    // and the byte after it is read afresh, as the conversion elsewhere does.
    QString out;
    out.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const auto lead = uchar(bytes[i]);
        const int length = IsDBCSLeadByteEx(932, lead) && i + 1 < bytes.size() ? 2 : 1;
        wchar_t wide = 0;
        // The single bytes that Microsoft's table leaves undefined are read as no character, as
        // glibc reads them, though Windows would give each a character of its own.
        const bool undefined = lead == 0x80 || lead == 0xA0 || lead >= 0xFD;
        if (lead < 0x80) {
            out.append(QLatin1Char(char(lead)));
        } else if (!undefined && MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data() + i, length, &wide, 1) == 1) {
            out.append(QChar(char16_t(wide)));
            i += length - 1;
        } else {
            out.append(QChar::ReplacementCharacter);
        }
        ++i;
    }
    return out;
}

#else

namespace {

// One converter per direction and thread: iconv_open costs far more than a short name.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool isValid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns false at an input it cannot take, leaving `in`
    // on that input. The output buffer grows as needed.
    bool convert(const char *&in, size_t &inLeft, QByteArray &out)
    {
        while (inLeft > 0) {
            const qsizetype used = out.size();
            const size_t room = inLeft * 2 + 16;
            out.resize(used + qsizetype(room));
            char *outPtr = out.data() + used;
            size_t outLeft = room;
            auto *inPtr = const_cast<char *>(in);
            const size_t r = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            in = inPtr;
            out.resize(used + qsizetype(room - outLeft));
            if (r == size_t(-1) && errno != E2BIG) {
                iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
                return false;
            }
        }
        return true;
    }

private:
    iconv_t m_cd;
};

Converter &encoder()
{
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

Converter &decoder()
{
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}

} // namespace

QByteArray toCp932(QStringView text)
{
    // Most texts are plain ASCII, which code page 932 keeps as it is. No early exit, so that
    // the compiler can test many characters at once.
    char16_t bits = 0;
    for (const QChar c : text)
        bits |= c.unicode();
    if (bits < 0x80)
        return text.toLatin1();
    Converter &conv = encoder();
    if (!conv.isValid())
        return text.toLatin1();
    QByteArray out;
    out.reserve(text.size() * 2);
    // ASCII runs are copied as they are; only the runs between them go through the converter,
    // which costs many times more per character.
    const qsizetype n = text.size();
    const char16_t *const chars = text.utf16();
    qsizetype i = 0;
    while (i < n) {
        // Over plain pointers: nearly the whole text is such runs, and an index kept in memory
        // between steps made this the costliest line of an export.
        const char16_t *const runEnd = std::find_if(chars + i, chars + n, [](char16_t c) { return c >= 0x80; });
        const qsizetype used = out.size();
        out.resize(used + (runEnd - (chars + i)));
        std::copy(chars + i, runEnd, out.data() + used);
        i = runEnd - chars;
        qsizetype end = i;
        while (end < n && text[end].unicode() >= 0x80 && !ownForm(text[end].unicode()))
            ++end;
        while (i < end) {
            const char *in = reinterpret_cast<const char *>(text.utf16() + i);
            size_t inLeft = size_t(end - i) * 2;
            const char *start = in;
            if (conv.convert(in, inLeft, out)) {
                i = end;
                break;
            }
            i += (in - start) / 2;
            // Skip one whole character, a surrogate pair included, and stand "?" in for it.
            i += (text[i].isHighSurrogate() && i + 1 < end && text[i + 1].isLowSurrogate()) ? 2 : 1;
            out.append('?');
        }
        // The run ended at a character of the program's own.
        if (i < n && text[i].unicode() >= 0x80)
            out.append(ownForm(text[i++].unicode()));
    }
    return out;
}

QString fromCp932(QByteArrayView bytes)
{
    Converter &conv = decoder();
    QByteArray utf16;
    utf16.reserve(bytes.size() * 2);
    qsizetype i = 0;
    while (i < bytes.size()) {
        const char *in = bytes.data() + i;
        size_t inLeft = size_t(bytes.size() - i);
        const char *start = in;
        if (!conv.isValid() || conv.convert(in, inLeft, utf16))
            break;
        i += in - start;
        // A lead byte whose trail is missing or wrong: the lead byte alone becomes U+FFFD and
        // the next byte is read afresh, so a stray byte never swallows the ASCII after it.
        utf16.append("\xFD\xFF", 2);
        i += 1;
    }
    return QString(reinterpret_cast<const QChar *>(utf16.constData()), utf16.size() / 2);
}

#endif

bool hasCp932Form(QStringView text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return true;
    // No byte of a two-byte code is "?" (0x3F), so every "?" beyond the text's own stands for a
    // character without a form.
    return toCp932(text).count('?') == text.count(u'?');
}

int displayCells(QStringView text)
{
    // Most names are plain ASCII: one cell a character, no conversion needed.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return int(text.size());
    return int(toCp932(text).size());
}

} // namespace platform
