#include "singleCopy.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QLockFile>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

QString lockDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

} // namespace

SingleCopyLock::SingleCopyLock(const QString &directory)
    : m_path((directory.isEmpty() ? lockDirectory() : directory) + QStringLiteral("/vrel-fileprint.lock"))
{
}

#ifdef Q_OS_WIN

SingleCopyLock::~SingleCopyLock() = default;

bool SingleCopyLock::acquire()
{
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never stale by age: only a dead owner frees it, so a long run keeps its claim.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

#else

SingleCopyLock::~SingleCopyLock()
{
    if (m_fd >= 0)
        close(m_fd);
}

bool SingleCopyLock::acquire()
{
    // A lock the kernel holds for the open file: it goes with the process however that ends,
    // and taking it costs one call, not the lock file's writing and reading back.
    if (m_fd < 0)
        m_fd = open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return m_fd >= 0 && flock(m_fd, LOCK_EX | LOCK_NB) == 0;
}

#endif

} // namespace platform
