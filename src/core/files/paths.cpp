#include "paths.h"

#include "nativeNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#endif

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

QString namedDirectory(const QString &directory, QChar separator)
{
    const QString prefix = directoryPrefix(directory, separator);
    return prefix.isEmpty() ? directory : prefix;
}

QString directoryListPath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(path).absolutePath()));
}

QString workingDirectory()
{
#ifdef Q_OS_WIN
    return QDir::currentPath();
#else
    // Read as bytes: a name that is no valid text is still a name the disk finds again.
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? pathFromNative(buffer) : QString();
#endif
}

QString absolutePath(const QString &path)
{
    if (QDir::isAbsolutePath(path))
        return path;
    const QString from = workingDirectory();
    return from.isEmpty() ? path : directoryPrefix(from, u'/') + u'/' + path;
}

QString folderOf(const QString &path)
{
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    return info.exists() && !info.isDir() ? info.path() : path;
#else
    struct stat st {};
    const bool file = ::stat(nativePath(path).constData(), &st) == 0 && !S_ISDIR(st.st_mode);
    return file ? QFileInfo(path).path() : path;
#endif
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
