#include "listFile.h"

#include "core/files/fileSystem.h"
#include "core/files/paths.h"
#include "core/text/cp932.h"
#include "core/text/textFile.h"

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

QString nothingToExportText()
{
    return QStringLiteral("対象ファイルがありません");
}

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
        return platform::toCp932(listText(shown));
    // The per-file values of each listed file, straight into one text, converted at once. They
    // pass through two texts kept from record to record: nothing is made per file.
    const listBuild::FileTable &f = *shown.files;
    QString text;
    text.reserve(shown.count() * 64);
    QString fileName;
    QString values;
    for (qsizetype i = 0; i < shown.count(); ++i) {
        fileName.resize(0);
        f.appendFileName(i, fileName);
        const listBuild::NameParts parts = listBuild::splitFileName(fileName);
        values.resize(0);
        f.appendRunningTotal(i, values);
        const qsizetype totalChars = values.size();
        f.appendModified(i, values);
        const QStringView v(values);
        appendCsvRecord(text, {parts.name, parts.extension, v.first(totalChars), v.sliced(totalChars, listBuild::kDateChars),
                               v.last(listBuild::kTimeChars)});
    }
    return platform::toCp932(text);
}

namespace {

// Names counted, the first few kept to be named.
class CountedNames
{
public:
    void add(const QString &name)
    {
        if (++m_count <= kNamed)
            m_named.append(name);
    }
    int count() const { return m_count; }
    // "（a、b、c ほか）"
    QString named() const
    {
        return u'（' + m_named.join(u'、') + (m_count > kNamed ? QStringLiteral(" ほか") : QString()) + u'）';
    }

private:
    static constexpr int kNamed = 3;
    int m_count = 0;
    QStringList m_named;
};

QString lostCharactersLine(ListFormat format, const ShownList &shown)
{
    CountedNames names;
    for (qsizetype i = 0; i < shown.count(); ++i) {
        if (!shown.files->fileNameHasCp932Form(i))
            names.add(shown.files->fileName(i));
    }
    QStringList losing;
    if (format == ListFormat::Txt && !platform::hasCp932Form(headerDirectory(shown)))
        losing.append(QStringLiteral("ディレクトリ名"));
    if (format == ListFormat::Txt && !platform::hasCp932Form(headerPattern(shown)))
        losing.append(QStringLiteral("ファイルタイプ"));
    if (names.count() > 0)
        losing.append(QStringLiteral("ファイル名%1件").arg(names.count()));
    if (losing.isEmpty())
        return {};
    QString line = losing.join(u'と') + QStringLiteral("の一部の文字は「?」として保存されます");
    if (names.count() > 0)
        line += names.named();
    return line;
}

// A spreadsheet takes a cell that begins with one of these for a formula, quoted or not: a name
// such as =HYPERLINK(...).pdf becomes a live link, -draft.doc an error. A tab or a line break at
// the start would do the same, but no name is written with one: each is shown and written as "?".
QString formulaNamesLine(ListFormat format, const ShownList &shown)
{
    if (format != ListFormat::Csv)
        return {};
    CountedNames names;
    for (qsizetype i = 0; i < shown.count(); ++i) {
        // The first character alone decides, and ten thousand names need not be made for it.
        if (shown.files->fileNameBeginsWithOneOf(i, QLatin1StringView("=+-@")))
            names.add(shown.files->fileName(i));
    }
    if (names.count() == 0)
        return {};
    return QStringLiteral("ファイル名%1件は表計算ソフトで開くと数式として扱われます").arg(names.count()) + names.named();
}

} // namespace

QString exportCautions(ListFormat format, const ShownList &shown)
{
    QStringList lines{lostCharactersLine(format, shown), formulaNamesLine(format, shown)};
    lines.removeAll(QString());
    return lines.join(u'\n');
}

SavedListFile saveListFile(ListFormat format, const ShownList &shown, platform::DiskProgress *progress)
{
    const QString path = QDir::toNativeSeparators(listFilePath(shown.directory, format));
    QString reason;
    if (platform::replaceFile(path, listFileBytes(format, shown), &reason, progress))
        return {path, {}};
    return {path, QStringLiteral("ファイルリストを保存できませんでした") + u'\n' + platform::displayName(path) + u'\n' + reason};
}

} // namespace output
