#include "fileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <numeric>
#include <utility>
#include <vector>

#ifndef Q_OS_WIN
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <ctime>
#endif

namespace platform {

namespace {

// Case folding through the Unicode tables for every character of every name is the largest
// cost of a listing; ASCII, nearly every character of a pattern, folds by arithmetic.
bool sameFolded(QChar a, QChar b)
{
    if (a == b)
        return true;
    if (a.unicode() < 0x80 && b.unicode() < 0x80) {
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        return lower(a.unicode()) == lower(b.unicode());
    }
    return a.toCaseFolded() == b.toCaseFolded();
}

bool wildcardMatch(QStringView name, QStringView pattern)
{
    // Iterative glob with one backtrack point: linear in practice, no recursion blow-up on "****".
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || sameFolded(pattern[p], name[n]))) {
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

// Subdirectories in the order of the files: without regard to case, then exactly.
void sortDirectoryNames(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

// A pattern text split once per listing, not once per file.
class PatternSet
{
public:
    explicit PatternSet(const QString &patterns)
    {
        for (const QString &raw : patterns.split(u';', Qt::SkipEmptyParts)) {
            const QString p = raw.trimmed();
            if (!p.isEmpty())
                m_patterns.append(p);
        }
        m_takesAll = m_patterns.isEmpty() || m_patterns.contains(u"*") || m_patterns.contains(u"*.*");
    }

    bool matches(const QString &name) const
    {
        if (m_takesAll)
            return true;
        for (const QString &pattern : m_patterns) {
            if (wildcardMatch(name, pattern))
                return true;
            if (pattern.endsWith(u".*") && !name.contains(u'.') && wildcardMatch(QString(name + u'.'), pattern))
                return true;
        }
        return false;
    }

private:
    QStringList m_patterns;
    bool m_takesAll = false;
};

} // namespace

QString ListedFiles::name(qsizetype i) const
{
    const Span &f = m_files[i];
    if (f.nameLength < 0)
        return displayName(QString::fromUtf8(QByteArrayView(m_nativeNames).sliced(f.nativeStart, f.nativeLength)));
    return m_names.sliced(f.nameStart, f.nameLength);
}

QByteArray ListedFiles::nativeName(qsizetype i) const
{
    return m_nativeNames.sliced(m_files[i].nativeStart, m_files[i].nativeLength);
}

void ListedFiles::append(QByteArrayView nativeName)
{
    m_files.append({qint32(m_names.size()), -1, qint32(m_nativeNames.size()), qint32(nativeName.size())});
    m_nativeNames += nativeName;
}

void ListedFiles::append(QStringView name, QByteArrayView nativeName)
{
    m_files.append({qint32(m_names.size()), qint32(name.size()), qint32(m_nativeNames.size()), qint32(nativeName.size())});
    m_names += name;
    m_nativeNames += nativeName;
}

void ListedFiles::sortByName()
{
    std::vector<qsizetype> order(m_files.size());
    std::iota(order.begin(), order.end(), 0);
    {
        // The folded names are made once, not once per comparison, into one text, which goes
        // before the files are put in order.
        QString folded;
        folded.reserve(m_names.size());
        std::vector<qsizetype> starts;
        starts.reserve(m_files.size() + 1);
        for (qsizetype i = 0; i < m_files.size(); ++i) {
            starts.push_back(folded.size());
            folded += name(i).toCaseFolded();
        }
        starts.push_back(folded.size());
        const auto key = [&](qsizetype i) { return QStringView(folded).sliced(starts[i], starts[i + 1] - starts[i]); };
        const auto native = [&](qsizetype i) {
            return QByteArrayView(m_nativeNames).sliced(m_files[i].nativeStart, m_files[i].nativeLength);
        };
        std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
            const int c = key(a).compare(key(b));
            return c != 0 ? c < 0 : native(a) < native(b);
        });
    }
    QList<Span> sorted;
    sorted.reserve(m_files.size());
    for (qsizetype i : order)
        sorted.append(m_files[i]);
    m_files = std::move(sorted);
}

void ListedFiles::squeeze()
{
    m_names.squeeze();
    m_nativeNames.squeeze();
    m_files.squeeze();
}

namespace {

// A byte that is no part of valid UTF-8 stands in a path as U+DC80 + the byte, a code that
// valid text never holds, so that the path finds the same file again.
bool isEscapedByte(QChar c)
{
    return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
}

} // namespace

QString displayName(const QString &name)
{
    // C0 and C1 controls and DEL; the line and paragraph separators, which break a line as well;
    // and the bidirectional controls, which would let a name show its characters in another
    // order than they have (a name ending in "exe.txt" shown as one ending in "txt.exe").
    const auto isControl = [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029 || (u >= 0x202A && u <= 0x202E)
               || (u >= 0x2066 && u <= 0x2069) || u == 0x200E || u == 0x200F || u == 0x061C;
    };
    if (std::none_of(name.cbegin(), name.cend(), [&](QChar c) { return isControl(c) || isEscapedByte(c); }))
        return name;
    QString shown = name;
    std::replace_if(shown.begin(), shown.end(), isControl, QChar(u'?'));
    std::replace_if(shown.begin(), shown.end(), isEscapedByte, QChar::ReplacementCharacter);
    return shown;
}

#ifdef Q_OS_WIN

// Windows names are always text: nothing to keep beyond it.
QByteArray nativePath(const QString &path)
{
    return path.toUtf8();
}

QString pathFromNative(const QByteArray &native)
{
    return QString::fromUtf8(native);
}

#else

QByteArray nativePath(const QString &path)
{
    QByteArray native;
    for (qsizetype i = 0, run = 0; i <= path.size(); ++i) {
        if (i < path.size() && !isEscapedByte(path[i]))
            continue;
        native += QStringView(path).mid(run, i - run).toUtf8();
        if (i < path.size())
            native += char(path[i].unicode() - 0xDC00);
        run = i + 1;
    }
    return native;
}

QString pathFromNative(const QByteArray &native)
{
    QString path = QString::fromUtf8(native);
    if (!path.contains(QChar::ReplacementCharacter))
        return path;
    // Character by character: a sequence that decodes is kept, a byte that does not is escaped.
    path.clear();
    for (qsizetype i = 0; i < native.size();) {
        const auto lead = uchar(native[i]);
        const qsizetype length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        const QString decoded = QString::fromUtf8(native.mid(i, length));
        if (length > 0 && i + length <= native.size()
            && (!decoded.contains(QChar::ReplacementCharacter) || native.mid(i, length) == "\xEF\xBF\xBD")) {
            path += decoded;
            i += length;
        } else {
            path += QChar(char16_t(0xDC00 + uchar(native[i++])));
        }
    }
    return path;
}

#endif

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

std::optional<ListedFiles> listFiles(const QString &directory, const QString &patterns)
{
    QDir dir(directory);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    ListedFiles files;
    const QFileInfoList infos = dir.entryInfoList(QDir::Files | QDir::System, QDir::NoSort);
    const PatternSet wanted(patterns);
    for (const QFileInfo &info : infos) {
        if (wanted.matches(info.fileName()))
            files.append(displayName(info.fileName()), nativePath(info.fileName()));
    }
    files.squeeze();
    files.sortByName();
    return files;
}

std::optional<QStringList> listSubdirectories(const QString &directory)
{
    QDir dir(directory);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    QStringList dirs = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
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
bool forEachEntry(const QString &directory, Visit visit)
{
    const QByteArray dirPath = nativePath(directory);
    std::unique_ptr<DIR, DirCloser> dir(opendir(dirPath.constData()));
    if (!dir)
        return false;
    const QByteArray prefix = dirPath.endsWith('/') ? dirPath : dirPath + '/';
    // Only errno tells an error from the end of the directory.
    for (errno = 0; const dirent *e = readEntry(dir.get()); errno = 0) {
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

std::optional<ListedFiles> listFiles(const QString &directory, const QString &patterns)
{
    ListedFiles files;
    const PatternSet wanted(patterns);
    const bool ok = forEachEntry(directory, [&](const QByteArray &name, Kind kind) {
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

std::optional<QStringList> listSubdirectories(const QString &directory)
{
    QStringList dirs;
    const bool ok = forEachEntry(directory, [&](const QByteArray &name, Kind kind) {
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
