#include "fileFacts.h"

#ifdef Q_OS_WIN
#include "nativeNames.h"

#include <QDir>
#include <QFileInfo>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <ctime>
#endif

namespace platform {

#ifdef Q_OS_WIN

OpenDirectory::OpenDirectory(const QByteArray &nativePath) : m_path(nativePath) {}

OpenDirectory::~OpenDirectory() = default;

std::optional<FileFacts> readFileFacts(const OpenDirectory &directory, const QByteArray &nativeName)
{
    const QFileInfo info(QDir(pathFromNative(directory.nativePath())).filePath(pathFromNative(nativeName)));
    if (!info.exists() || !info.isFile())
        return std::nullopt;
    const QDateTime modified = info.lastModified();
    const QDate d = modified.date();
    const QTime t = modified.time();
    return FileFacts{info.size(), {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()}};
}

#else

OpenDirectory::OpenDirectory(const QByteArray &nativePath)
    : m_path(nativePath), m_fd(open(nativePath.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC))
{
}

OpenDirectory::~OpenDirectory()
{
    if (m_fd >= 0)
        close(m_fd);
}

std::optional<FileFacts> readFileFacts(const OpenDirectory &directory, const QByteArray &nativeName)
{
    struct stat st {};
    if (fstatat(directory.descriptor(), nativeName.constData(), &st, 0) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    tm local {};
    if (!localtime_r(&st.st_mtime, &local))
        return std::nullopt;
    // A leap second shows as the last second of its minute.
    return FileFacts{qint64(st.st_size), {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                          local.tm_min, std::min(local.tm_sec, 59)}};
}

#endif

} // namespace platform
