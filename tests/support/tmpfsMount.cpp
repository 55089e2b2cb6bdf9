#include "tmpfsMount.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

TmpfsMount::TmpfsMount(const QString &dir) : m_dir(QFile::encodeName(dir))
{
#ifdef Q_OS_LINUX
    if (::mount("tmpfs", m_dir.constData(), "tmpfs", 0, "size=64k") == 0)
        m_mounted = true;
    else
        m_error = QString::fromLocal8Bit(std::strerror(errno));
#else
    m_error = QStringLiteral("tmpfs is a Linux file system");
#endif
}

TmpfsMount::~TmpfsMount()
{
#ifdef Q_OS_LINUX
    if (m_mounted)
        ::umount2(m_dir.constData(), MNT_DETACH);
#endif
}

bool TmpfsMount::makeReadOnly()
{
#ifdef Q_OS_LINUX
    return ::mount(nullptr, m_dir.constData(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
#else
    return false;
#endif
}

bool TmpfsMount::fill()
{
#ifdef Q_OS_LINUX
    const int fd = ::open((m_dir + "/filler").constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'x');
    bool full = false;
    for (int i = 0; i < 1000 && !full; ++i)
        full = ::write(fd, block.constData(), size_t(block.size())) < 0 && errno == ENOSPC;
    ::close(fd);
    return full;
#else
    return false;
#endif
}
