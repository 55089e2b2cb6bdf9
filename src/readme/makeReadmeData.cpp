// Turns the UTF-8 read-me text into the data file the program reads: code page 932, CR LF
// after every line, and the end-of-text marker line last. Refuses a text that the program
// would not show whole, so a broken data file never reaches a build.
#include "readmeReader.h"

#include "platform/cp932.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

int fail(const QString &why)
{
    std::fprintf(stderr, "vrel_make_readme_data: %s\n", qUtf8Printable(why));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        return fail(QStringLiteral("usage: vrel_make_readme_data SOURCE.txt OUTPUT.vrl"));
    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    const QString outputPath = QString::fromLocal8Bit(argv[2]);

    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return fail(sourcePath + QStringLiteral(": ") + source.errorString());
    QString text = QString::fromUtf8(source.readAll());
    text.remove(u'\r');
    if (text.endsWith(u'\n'))
        text.chop(1);
    const QStringList lines = text.split(u'\n');
    if (lines.size() > readme::kMaxReadmeLines)
        return fail(QStringLiteral("%1 lines; the window shows only %2").arg(lines.size()).arg(readme::kMaxReadmeLines));

    QByteArray data;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QString where = sourcePath + u':' + QString::number(i + 1) + QStringLiteral(": ");
        if (readme::isEndMarker(line))
            return fail(where + QStringLiteral("a line starting with \"zeqa\" would end the text there"));
        const QByteArray bytes = platform::toCp932(line);
        if (platform::fromCp932(bytes) != line)
            return fail(where + QStringLiteral("a character without a code page 932 form"));
        data += bytes + "\r\n";
    }
    data += "zeqa\r\n";

    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly) || output.write(data) != data.size() || !output.commit())
        return fail(outputPath + QStringLiteral(": ") + output.errorString());
    return 0;
}
