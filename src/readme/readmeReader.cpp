#include "readmeReader.h"

#include "platform/textFileReader.h"

#include <QFile>

namespace readme {

QString dataFileName()
{
    return QStringLiteral("VREL02.vrl");
}

QString dataFilePath(const QString &directory, QChar separator)
{
    return platform::pathInDirectory(directory, dataFileName(), separator);
}

bool isEndMarker(QStringView line)
{
    return line.startsWith(u"zeqa");
}

QStringList readReadmeText(QIODevice &device)
{
    platform::TextFileReader in(device);
    QStringList lines;
    while (lines.size() < kMaxReadmeLines && !in.atEnd()) {
        QString line = in.readLine();
        if (isEndMarker(line))
            break;
        lines.append(std::move(line));
    }
    return lines;
}

std::optional<QStringList> readReadmeFile(const QString &directory)
{
    QFile file(dataFilePath(directory));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines = readReadmeText(file);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return lines;
}

} // namespace readme
