#include "nativeNames.h"

#include <algorithm>

namespace platform {

namespace {

// A byte that is no part of valid UTF-8 stands in a path as U+DC80 + the byte, a code that
// valid text never holds, so that the path finds the same file again.
bool isEscapedByte(QChar c)
{
    return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
}

} // namespace

QString displayName(const QString &name)
{
    // C0 and C1 controls and DEL; the line and paragraph separators, which break a line as well;
    // and the bidirectional controls, which would let a name show its characters in another
    // order than they have (a name ending in "exe.txt" shown as one ending in "txt.exe").
    const auto isControl = [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029 || (u >= 0x202A && u <= 0x202E)
               || (u >= 0x2066 && u <= 0x2069) || u == 0x200E || u == 0x200F || u == 0x061C;
    };
    // Printable ASCII, nearly every character of nearly every name, needs one look each.
    const auto plain = [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; };
    if (std::all_of(name.cbegin(), name.cend(), plain)
        || std::none_of(name.cbegin(), name.cend(), [&](QChar c) { return isControl(c) || isEscapedByte(c); }))
        return name;
    QString shown = name;
    std::replace_if(shown.begin(), shown.end(), isControl, QChar(u'?'));
    std::replace_if(shown.begin(), shown.end(), isEscapedByte, QChar::ReplacementCharacter);
    return shown;
}

#ifdef Q_OS_WIN

// Windows names are always text: nothing to keep beyond it.
QByteArray nativePath(const QString &path)
{
    return path.toUtf8();
}

QString pathFromNative(const QByteArray &native)
{
    return QString::fromUtf8(native);
}

#else

QByteArray nativePath(const QString &path)
{
    QByteArray native;
    for (qsizetype i = 0, run = 0; i <= path.size(); ++i) {
        if (i < path.size() && !isEscapedByte(path[i]))
            continue;
        native += QStringView(path).mid(run, i - run).toUtf8();
        if (i < path.size())
            native += char(path[i].unicode() - 0xDC00);
        run = i + 1;
    }
    return native;
}

QString pathFromNative(const QByteArray &native)
{
    QString path = QString::fromUtf8(native);
    if (!path.contains(QChar::ReplacementCharacter))
        return path;
    // Character by character: a sequence that decodes is kept, a byte that does not is escaped.
    path.clear();
    for (qsizetype i = 0; i < native.size();) {
        const auto lead = uchar(native[i]);
        const qsizetype length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        const QString decoded = QString::fromUtf8(native.mid(i, length));
        if (length > 0 && i + length <= native.size()
            && (!decoded.contains(QChar::ReplacementCharacter) || native.mid(i, length) == "\xEF\xBF\xBD")) {
            path += decoded;
            i += length;
        } else {
            path += QChar(char16_t(0xDC00 + uchar(native[i++])));
        }
    }
    return path;
}

#endif

} // namespace platform
