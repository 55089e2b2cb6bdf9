#include "singleCopy.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

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
    : m_lock(std::make_unique<QLockFile>((directory.isEmpty() ? lockDirectory() : directory)
                                         + QStringLiteral("/vrel-fileprint.lock")))
{
    // Never stale by age: only a dead owner frees it, so a long run keeps its claim.
    m_lock->setStaleLockTime(0);
}

SingleCopyLock::~SingleCopyLock() = default;

bool SingleCopyLock::acquire()
{
    return m_lock->tryLock(0);
}

} // namespace platform
