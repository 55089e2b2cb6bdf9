#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// The directory of the user's own where the lock and the hand-off socket lie: the user's runtime
// directory, or where that cannot be used, one made for the user in the temporary directory, only
// if it is the user's own and closed to everyone else. Empty when neither can be had.
QString userRuntimeDirectory();

// Held for the whole run by the first copy of the program. A lock left behind by a copy that
// crashed belongs to a dead process and does not keep the next start out.
class SingleCopyLock
{
public:
    enum class Claim { Taken, HeldByAnotherCopy, Unavailable };

    // `directory` empty: userRuntimeDirectory().
    explicit SingleCopyLock(const QString &directory = QString());
    ~SingleCopyLock();
    SingleCopyLock(const SingleCopyLock &) = delete;
    SingleCopyLock &operator=(const SingleCopyLock &) = delete;

    Claim acquire();
    // Gives the claim up before the end of the run, for an end that runs no destructors: on
    // Windows the lock file would stay, and outlive even the program's removal.
    void release();
    // Why the lock is unavailable, naming its file.
    QString errorString() const { return m_error; }

private:
    QString m_path;
    QString m_error;
#ifdef Q_OS_WIN
    std::unique_ptr<QLockFile> m_lock;
#else
    int m_fd = -1;
#endif
};

} // namespace platform
