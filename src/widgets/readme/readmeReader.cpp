#include "readmeReader.h"

#include "core/files/paths.h"
#include "core/text/textFile.h"

#include <QDir>
#include <QFile>

namespace readme {

QString dataFileName()
{
    return QStringLiteral("VREL02.vrl");
}

QStringList readReadmeText(QIODevice &device)
{
    platform::TextFileReader in(device);
    QStringList lines;
    while (lines.size() < kMaxReadmeLines && !in.atEnd()) {
        QString line = in.readLine();
        if (line.startsWith(u"zeqa"))
            break;
        lines.append(std::move(line));
    }
    return lines;
}

std::optional<QStringList> readReadmeFile(const QString &directory)
{
    QFile file(platform::pathInDirectory(directory, dataFileName()));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines = readReadmeText(file);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return lines;
}

QString readmeDirectory()
{
    QString besideProgram = platform::programDirectory();
    if (QFile::exists(platform::pathInDirectory(besideProgram, dataFileName())))
        return besideProgram;
    return QDir::toNativeSeparators(QDir::cleanPath(besideProgram + QStringLiteral("/" VREL_DATA_FROM_PROGRAM)));
}

} // namespace readme
