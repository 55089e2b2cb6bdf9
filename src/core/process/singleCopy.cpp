#include "singleCopy.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QLockFile>
#else
#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

#ifndef Q_OS_WIN
// The temporary directory is everyone's: a directory named for the user, which another user may
// have made first, or put a link in place of.
QString ownTemporaryDirectory()
{
    return QDir::tempPath() + QStringLiteral("/vrel-fileprint-%1").arg(::geteuid());
}
#endif

} // namespace

QString userRuntimeDirectory()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
#ifdef Q_OS_WIN
    return QDir::tempPath();
#else
    const QString own = ownTemporaryDirectory();
    const QByteArray native = QFile::encodeName(own);
    ::mkdir(native.constData(), 0700);
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0)
        return QString();
    return own;
#endif
}

SingleCopyLock::SingleCopyLock(const QString &directory)
{
    const QString where = directory.isEmpty() ? userRuntimeDirectory() : directory;
    if (!where.isEmpty())
        m_path = where + QStringLiteral("/vrel-fileprint.lock");
}

#ifdef Q_OS_WIN

SingleCopyLock::~SingleCopyLock() = default;

void SingleCopyLock::release()
{
    m_lock.reset();
}

SingleCopyLock::Claim SingleCopyLock::acquire()
{
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: only a dead owner frees it, so a long run keeps its claim.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Claim::Taken;
    // A copy that was killed leaves its lock file, naming a process number the system may have
    // given since to another copy, even to this one (Wine numbers a new session's processes
    // alike). A live owner holds the file open, which keeps it from being deleted: a lock file
    // that can be deleted was nobody's.
    if (m_lock->error() == QLockFile::LockFailedError && m_lock->removeStaleLockFile() && m_lock->tryLock(0))
        return Claim::Taken;
    if (m_lock->error() == QLockFile::LockFailedError)
        return Claim::HeldByAnotherCopy;
    m_error = QDir::toNativeSeparators(m_path);
    return Claim::Unavailable;
}

#else

SingleCopyLock::~SingleCopyLock()
{
    release();
}

void SingleCopyLock::release()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}

SingleCopyLock::Claim SingleCopyLock::acquire()
{
    if (m_path.isEmpty()) {
        m_error = ownTemporaryDirectory() + QStringLiteral(": 利用者専用のディレクトリとして使えません");
        return Claim::Unavailable;
    }
    // A lock the kernel holds for the open file: it goes with the process however that ends,
    // and taking it costs one call, not the lock file's writing and reading back. A link, or a
    // file that is not the user's own, is no lock of this user's copies.
    if (m_fd < 0) {
        m_fd = open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        struct stat st {};
        if (m_fd >= 0 && (fstat(m_fd, &st) != 0 || st.st_uid != geteuid())) {
            close(m_fd);
            m_fd = -1;
            errno = EPERM;
        }
    }
    if (m_fd >= 0 && flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        return Claim::Taken;
    if (m_fd >= 0 && errno == EWOULDBLOCK)
        return Claim::HeldByAnotherCopy;
    m_error = m_path + QStringLiteral(": ") + qt_error_string(errno);
    return Claim::Unavailable;
}

#endif

} // namespace platform
