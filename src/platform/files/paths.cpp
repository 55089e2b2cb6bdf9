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
    if (!directory.endsWith(separator))
        return directory;
    // "C:\" keeps its drive letter and colon; "/" keeps nothing.
    return directory.left(directory.size() >= 3 && directory.at(1) == u':' ? 2 : 0);
}

QString listingDirectory(const QString &directory, QChar separator)
{
    const QString prefix = directoryPrefix(directory, separator);
    return prefix.isEmpty() ? directory : prefix;
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
