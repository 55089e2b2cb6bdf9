#include "fileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifndef Q_OS_WIN
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace platform {

namespace {

bool wildcardMatch(QStringView name, QStringView pattern)
{
    // Iterative glob with one backtrack point: linear in practice, no recursion blow-up on "****".
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

bool byName(const ListedFile &a, const ListedFile &b)
{
    const int c = QString::compare(a.name, b.name, Qt::CaseInsensitive);
    if (c != 0)
        return c < 0;
    return a.nativeName < b.nativeName;
}

} // namespace

bool matchesPattern(const QString &name, const QString &patterns)
{
    const QStringList list = patterns.split(u';', Qt::SkipEmptyParts);
    if (list.isEmpty())
        return true;
    for (const QString &raw : list) {
        const QString pattern = raw.trimmed();
        if (pattern.isEmpty())
            continue;
        if (wildcardMatch(name, pattern))
            return true;
        if (pattern.endsWith(u".*") && !name.contains(u'.') && wildcardMatch(QString(name + u'.'), pattern))
            return true;
    }
    return false;
}

QString displayName(const QString &name)
{
    QString shown = name;
    for (QChar &c : shown) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u'?';
    }
    return shown;
}

QByteArray nativePath(const QString &path)
{
    return QFile::encodeName(path);
}

#ifdef Q_OS_WIN

std::optional<FileFacts> readFileFacts(const QByteArray &nativePath)
{
    const QFileInfo info(QFile::decodeName(nativePath));
    if (!info.exists() || !info.isFile())
        return std::nullopt;
    return FileFacts{info.size(), info.lastModified()};
}

std::optional<QList<ListedFile>> listFiles(const QString &directory, const QString &patterns)
{
    QDir dir(directory);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    QList<ListedFile> files;
    const QFileInfoList infos = dir.entryInfoList(QDir::Files | QDir::System, QDir::NoSort);
    for (const QFileInfo &info : infos) {
        if (matchesPattern(info.fileName(), patterns))
            files.append({displayName(info.fileName()), QFile::encodeName(info.fileName())});
    }
    std::sort(files.begin(), files.end(), byName);
    return files;
}

std::optional<QStringList> listSubdirectories(const QString &directory)
{
    QDir dir(directory);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    return dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

#else

namespace {

struct DirCloser
{
    void operator()(DIR *d) const { closedir(d); }
};

template<typename Visit>
bool forEachEntry(const QString &directory, Visit visit)
{
    const QByteArray dirPath = nativePath(directory);
    std::unique_ptr<DIR, DirCloser> dir(opendir(dirPath.constData()));
    if (!dir)
        return false;
    const QByteArray prefix = dirPath.endsWith('/') ? dirPath : dirPath + '/';
    while (const dirent *e = readdir(dir.get())) {
        if (e->d_name[0] == '.')
            continue;
        const QByteArray name(e->d_name);
        struct stat st {};
        // stat, not lstat: a link counts as what it points to; a broken link fails and is skipped.
        if (stat((prefix + name).constData(), &st) != 0)
            continue;
        visit(name, st);
    }
    return true;
}

} // namespace

std::optional<FileFacts> readFileFacts(const QByteArray &nativePath)
{
    struct stat st {};
    if (stat(nativePath.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileFacts{qint64(st.st_size), QDateTime::fromSecsSinceEpoch(qint64(st.st_mtime))};
}

std::optional<QList<ListedFile>> listFiles(const QString &directory, const QString &patterns)
{
    QList<ListedFile> files;
    const bool ok = forEachEntry(directory, [&](const QByteArray &name, const struct stat &st) {
        if (!S_ISREG(st.st_mode))
            return;
        const QString decoded = displayName(QString::fromUtf8(name));
        if (matchesPattern(decoded, patterns))
            files.append({decoded, name});
    });
    if (!ok)
        return std::nullopt;
    std::sort(files.begin(), files.end(), byName);
    return files;
}

std::optional<QStringList> listSubdirectories(const QString &directory)
{
    QStringList dirs;
    const bool ok = forEachEntry(directory, [&](const QByteArray &name, const struct stat &st) {
        if (S_ISDIR(st.st_mode))
            dirs.append(QString::fromUtf8(name));
    });
    if (!ok)
        return std::nullopt;
    std::sort(dirs.begin(), dirs.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return dirs;
}

#endif

} // namespace platform
