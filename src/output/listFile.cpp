#include "listFile.h"

#include "main/module1.h"
#include "platform/files/fileSystem.h"
#include "platform/files/paths.h"
#include "platform/text/cp932.h"
#include "platform/text/textFile.h"

#include <QDir>

namespace output {

namespace {

// Appends one record through a pointer into room made for every quote doubled: ten thousand
// records are written at once, and appends character by character would cost more than the
// whole conversion to code page 932.
void appendCsvRecord(QString &out, std::initializer_list<QStringView> fields)
{
    qsizetype room = 16;
    for (QStringView field : fields)
        room += 2 * field.size();
    const qsizetype start = out.size();
    out.resize(start + room);
    QChar *at = out.data() + start;
    for (QStringView field : fields) {
        if (at != out.data() + start)
            *at++ = u',';
        *at++ = u'"';
        for (const QChar c : field) {
            *at++ = c;
            if (c == u'"')
                *at++ = u'"';
        }
        *at++ = u'"';
    }
    *at++ = u'\r';
    *at++ = u'\n';
    out.truncate(at - out.constData());
}

} // namespace

QString listFileName(ListFormat format)
{
    return format == ListFormat::Txt ? QStringLiteral("VREL_FILE_LIST.TXT") : QStringLiteral("VREL_FILE_LIST.CSV");
}

QString listFilePath(const QString &directory, ListFormat format)
{
    return platform::pathInDirectory(directory, listFileName(format));
}

QByteArray listFileBytes(ListFormat format, const ShownList &shown)
{
    if (format == ListFormat::Txt)
        return platform::toCp932(listingText(shown));
    // Module1's values of each listed file, straight into one text, converted at once.
    QString text;
    const int records = int(std::min<qsizetype>(shown.count(), Module1::kMaxEntries));
    text.reserve(records * 64);
    for (int k = 1; k <= records; ++k) {
        appendCsvRecord(text, {Module1::gFileName[k], Module1::gFileExt[k], Module1::gRunningTotal[k], Module1::gFileDate[k],
                               Module1::gFileTime[k]});
    }
    return platform::toCp932(text);
}

SavedListFile saveListFile(ListFormat format, const ShownList &shown)
{
    const QString path = QDir::toNativeSeparators(listFilePath(shown.directory, format));
    QString reason;
    if (!platform::writeTextFile(path, listFileBytes(format, shown), &reason))
        return {path, QStringLiteral("ファイルリストを保存できませんでした") + u'\n' + platform::displayName(path) + u'\n' + reason};
    return {path, {}};
}

} // namespace output
