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

QString lockPath()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime + QStringLiteral("/vrel-fileprint.lock");
#ifdef Q_OS_WIN
    return QDir::tempPath() + QStringLiteral("/vrel-fileprint.lock");
#else
    // The temporary directory is everyone's: a lock named for the user, so that no other user's
    // copy, nor a file another user made there first, keeps this one out.
    return QDir::tempPath() + QStringLiteral("/vrel-fileprint-%1.lock").arg(::geteuid());
#endif
}

} // namespace

SingleCopyLock::SingleCopyLock(const QString &directory)
    : m_path(directory.isEmpty() ? lockPath() : directory + QStringLiteral("/vrel-fileprint.lock"))
{
}

#ifdef Q_OS_WIN

SingleCopyLock::~SingleCopyLock() = default;

SingleCopyLock::Claim SingleCopyLock::acquire()
{
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: only a dead owner frees it, so a long run keeps its claim.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Claim::Taken;
    if (m_lock->error() == QLockFile::LockFailedError)
        return Claim::HeldByAnotherCopy;
    m_error = QDir::toNativeSeparators(m_path);
    return Claim::Unavailable;
}

#else

SingleCopyLock::~SingleCopyLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

SingleCopyLock::Claim SingleCopyLock::acquire()
{
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
