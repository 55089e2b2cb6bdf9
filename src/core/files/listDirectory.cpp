#include "listDirectory.h"

#include "diskWork.h"
#include "nativeNames.h"
#include "pattern.h"

#include <algorithm>

#ifdef Q_OS_WIN
#include <QDir>
#include <QFileInfo>
#else
#include <dirent.h>
#include <sys/stat.h>
#include <cerrno>
#include <memory>
#include <utility>
#endif

namespace platform {

namespace {

// Subdirectories in the order of the files: without regard to case, then exactly.
void sortDirectoryNames(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

} // namespace

#ifdef Q_OS_WIN

std::optional<ListedFiles> listFiles(const QString &directory, const QString &patterns, DiskProgress *progress)
{
    QDir dir(directory);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    ListedFiles files;
    const QFileInfoList infos = dir.entryInfoList(QDir::Files | QDir::System, QDir::NoSort);
    if (progress)
        progress->advance();
    const PatternSet wanted(patterns);
    for (const QFileInfo &info : infos) {
        if (wanted.matches(info.fileName()))
            files.append(displayName(info.fileName()), nativePath(info.fileName()));
    }
    files.squeeze();
    files.sortByName();
    return files;
}

std::optional<QStringList> listSubdirectories(const QString &directory, DiskProgress *progress)
{
    QDir dir(directory);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    QStringList dirs = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    if (progress)
        progress->advance();
    sortDirectoryNames(dirs);
    return dirs;
}

#else

namespace {

struct DirCloser
{
    void operator()(DIR *d) const { closedir(d); }
};

enum class Kind { File, Directory, Other };

DirectoryReader readEntry = ::readdir;

template<typename Visit>
bool forEachEntry(const QString &directory, DiskProgress *progress, Visit visit)
{
    const QByteArray dirPath = nativePath(directory);
    std::unique_ptr<DIR, DirCloser> dir(opendir(dirPath.constData()));
    if (!dir)
        return false;
    const QByteArray prefix = dirPath.endsWith('/') ? dirPath : dirPath + '/';
    // Only errno tells an error from the end of the directory.
    for (errno = 0; const dirent *e = readEntry(dir.get()); errno = 0) {
        if (progress) {
            progress->advance();
            // Nobody waits for a directory read given up on: it ends here rather than hold the path's thread.
            if (progress->abandoned())
                return false;
        }
        if (e->d_name[0] == '.')
            continue;
        const QByteArray name(e->d_name);
        Kind kind = Kind::Other;
        if (e->d_type == DT_REG) {
            kind = Kind::File;
        } else if (e->d_type == DT_DIR) {
            kind = Kind::Directory;
        } else if (e->d_type == DT_LNK || e->d_type == DT_UNKNOWN) {
            // stat, not lstat: a link counts as what it points to; a broken link is left out.
            struct stat st {};
            if (stat((prefix + name).constData(), &st) != 0)
                continue;
            kind = S_ISREG(st.st_mode) ? Kind::File : S_ISDIR(st.st_mode) ? Kind::Directory : Kind::Other;
        }
        visit(name, kind);
    }
    return errno == 0;
}

} // namespace

DirectoryReader setDirectoryReader(DirectoryReader reader)
{
    return std::exchange(readEntry, reader);
}

std::optional<ListedFiles> listFiles(const QString &directory, const QString &patterns, DiskProgress *progress)
{
    ListedFiles files;
    const PatternSet wanted(patterns);
    const bool ok = forEachEntry(directory, progress, [&](const QByteArray &name, Kind kind) {
        if (kind != Kind::File)
            return;
        if (wanted.matches(displayName(QString::fromUtf8(name))))
            files.append(name);
    });
    if (!ok)
        return std::nullopt;
    files.squeeze();
    files.sortByName();
    return files;
}

std::optional<QStringList> listSubdirectories(const QString &directory, DiskProgress *progress)
{
    QStringList dirs;
    const bool ok = forEachEntry(directory, progress, [&](const QByteArray &name, Kind kind) {
        if (kind == Kind::Directory)
            dirs.append(pathFromNative(name));
    });
    if (!ok)
        return std::nullopt;
    sortDirectoryNames(dirs);
    return dirs;
}

#endif

} // namespace platform
