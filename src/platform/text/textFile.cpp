#include "textFile.h"

#include "cp932.h"
#include "platform/files/fileSystem.h"

#include <QIODevice>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_WIN
#include <QSaveFile>
#else
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

#ifdef Q_OS_WIN

bool writeTextFile(const QString &path, const QByteArray &bytes, QString *reason, const std::atomic<bool> *abandoned)
{
    QSaveFile file(path);
    // Writing straight into the old file would lose it on the first failure.
    file.setDirectWriteFallback(false);
    // The explicit flush matters: a write that failed while still buffered (a full disk) shows
    // only there, and commit() would not see it.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && !(abandoned && *abandoned) && file.commit())
        return true;
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

} // namespace

bool writeTextFile(const QString &path, const QByteArray &bytes, QString *reason, const std::atomic<bool> *abandoned)
{
    // A new file beside the old one, renamed over it only once every byte is on the disk: until
    // then an earlier file stays as it was. Written by hand rather than through QSaveFile, to
    // know which step failed and why.
    const QByteArray target = nativePath(path);
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        *reason = reasonText(errno);
        return false;
    }
    // The mode a new file would get, or the one the file it replaces has.
    struct stat existing {};
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = ::stat(target.constData(), &existing) == 0 ? existing.st_mode & 07777 : 0666 & ~mask;
    int error = ::fchmod(fd, mode) == 0 ? 0 : errno;
    for (qsizetype done = 0; !error && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR)
            error = errno;
        done += std::max<ssize_t>(n, 0);
    }
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    const bool givenUp = !error && abandoned && *abandoned;
    if (!error && !givenUp && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (!error && !givenUp)
        return true;
    ::unlink(temporary.constData());
    *reason = givenUp ? QString() : reasonText(error);
    return false;
}

#endif

} // namespace platform
