#include "textFile.h"

#include "core/files/diskWork.h"
#include "core/files/fileSystem.h"
#include "cp932.h"

#include <QIODevice>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_WIN
#include <QFileInfo>
#include <QSaveFile>
#else
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

TextFileReader::TextFileReader(QIODevice &device) : m_device(device) {}

bool TextFileReader::atEnd() const
{
    return m_device.atEnd();
}

QString TextFileReader::readLine()
{
    // No code page 932 trail byte is below 0x40, so a CR byte always ends the line.
    QByteArray bytes;
    char c = 0;
    while (m_device.getChar(&c)) {
        if (c == '\r') {
            char next = 0;
            if (m_device.peek(&next, 1) == 1 && next == '\n')
                m_device.skip(1);
            break;
        }
        bytes.append(c);
    }
    return fromCp932(bytes);
}

namespace {

// A share that answers slowly is waited for as long as each part of a file gets written.
constexpr qsizetype kWrittenPart = qsizetype {64} * 1024;

bool isAbandoned(const DiskProgress *progress)
{
    return progress && progress->abandoned();
}

// What stands under the list file's name and is no plain file is the person's, not ours to
// replace; a link counts as what it points to.
QString refusalText(bool directory)
{
    return directory ? QStringLiteral("同じ名前のディレクトリがあります")
                     : QStringLiteral("同じ名前の通常のファイルでないものがあります");
}

} // namespace

#ifdef Q_OS_WIN

bool replaceFile(const QString &path, const QByteArray &bytes, QString *reason, DiskProgress *progress)
{
    // QSaveFile writes through a link into the file it points to, and the link stays: a link
    // here is one the person made on purpose, and a mode carries no rights to lose or gain.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile()) {
        *reason = refusalText(existing.isDir());
        return false;
    }
    QSaveFile file(path);
    // Writing straight into the old file would lose it on the first failure.
    file.setDirectWriteFallback(false);
    // The explicit flush matters: a write that failed while still buffered (a full disk) shows
    // only there, and commit() would not see it.
    bool written = file.open(QIODevice::WriteOnly);
    for (qsizetype done = 0; written && done < bytes.size(); done += kWrittenPart) {
        const qsizetype part = std::min(kWrittenPart, bytes.size() - done);
        written = file.write(bytes.constData() + done, part) == part;
        if (progress)
            progress->advance();
    }
    if (written && file.flush()) {
        if (isAbandoned(progress)) {
            file.cancelWriting();
            reason->clear();
            return false;
        }
        if (file.commit())
            return true;
    }
    *reason = file.errorString();
    file.cancelWriting();
    return false;
}

#else

namespace {

// Why a write failed, in the words of this program for what a person can do something about,
// in the system's words for anything else.
QString reasonText(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("ディスクの空き領域が足りません");
    case EDQUOT:
        return QStringLiteral("ディスクの使用量が上限に達しています");
    case EROFS:
        return QStringLiteral("書き込みのできないディスクです");
    case EACCES:
    case EPERM:
        return QStringLiteral("書き込みが許可されていません");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名またはパスが長すぎます");
    case EIO:
        return QStringLiteral("ディスクの読み書きに失敗しました");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("ディレクトリが見つかりません");
    default:
        return qt_error_string(error);
    }
}

// A new file beside `target`, made with the mode the kernel gives any new file (0666 less the
// umask, or what the directory's default ACL says): asking for the umask means setting it, no
// call to make while other threads may be creating files.
int createTemporary(const QByteArray &target, QByteArray *name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd = ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Why the thing that stands at `target` may not be replaced; empty when it may. A link is
// replaced itself and what it points to stays as it was; a broken one is as good as nothing.
QString refusal(const QByteArray &target, const struct stat &existing)
{
    struct stat shown = existing;
    if (S_ISLNK(existing.st_mode) && ::stat(target.constData(), &shown) != 0)
        return QString();
    return S_ISREG(shown.st_mode) ? QString() : refusalText(S_ISDIR(shown.st_mode));
}

} // namespace

bool replaceFile(const QString &path, const QByteArray &bytes, QString *reason, DiskProgress *progress)
{
    // A new file beside the old one, renamed over it only once every byte is on the disk: until
    // then an earlier file stays as it was. Written by hand rather than through QSaveFile, to
    // know which step failed and why.
    const QByteArray target = nativePath(path);
    struct stat existing {};
    const bool exists = ::lstat(target.constData(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        *reason = reasonText(errno);
        return false;
    }
    if (const QString refused = exists ? refusal(target, existing) : QString(); !refused.isEmpty()) {
        *reason = refused;
        return false;
    }
    QByteArray temporary;
    const int fd = createTemporary(target, &temporary);
    if (fd < 0) {
        *reason = reasonText(errno);
        return false;
    }
    // A list file is never a program: of the file it replaces only the read and write bits carry
    // over, and only from a plain file, not from whatever a link points to.
    int error = exists && S_ISREG(existing.st_mode) && ::fchmod(fd, existing.st_mode & 0666) != 0 ? errno : 0;
    for (qsizetype done = 0; !error && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(std::min(kWrittenPart, bytes.size() - done)));
        if (n < 0 && errno != EINTR)
            error = errno;
        done += std::max<ssize_t>(n, 0);
        if (progress)
            progress->advance();
    }
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (!error && isAbandoned(progress)) {
        ::unlink(temporary.constData());
        reason->clear();
        return false;
    }
    if (!error && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (!error)
        return true;
    ::unlink(temporary.constData());
    *reason = reasonText(error);
    return false;
}

#endif

} // namespace platform
