#include "paths.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

QChar nativeSeparator()
{
    return QDir::separator();
}

QString directoryPrefix(const QString &directory, QChar separator)
{
    // "C:\" keeps its drive letter and colon, "/" nothing, "/home/user/" its name.
    QString prefix = directory;
    while (prefix.endsWith(separator))
        prefix.chop(1);
    return prefix;
}

QString listingDirectory(const QString &directory, QChar separator)
{
    const QString prefix = directoryPrefix(directory, separator);
    return prefix.isEmpty() ? directory : prefix;
}

QString directoryListPath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(path).absolutePath()));
}

QString pathInDirectory(const QString &directory, const QString &name, QChar separator)
{
    return directoryPrefix(directory, separator) + separator + name;
}

QString programDirectory()
{
    QString dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (QDir(dir).isRoot() && !dir.endsWith(nativeSeparator()))
        dir += nativeSeparator();
    return dir;
}

} // namespace platform
