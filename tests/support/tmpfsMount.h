#pragma once

#include <QByteArray>
#include <QString>

// A small file system of our own (a 64 KiB tmpfs) on `dir`, gone again however the test ends.
// Mounting needs root; isMounted() says whether it worked and error() why not. Linux only.
class TmpfsMount
{
public:
    explicit TmpfsMount(const QString &dir);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    bool isMounted() const { return m_mounted; }
    QString error() const { return m_error; }

    bool makeReadOnly();

    // Fills every free block with a file of its own, "filler"; returns false if the disk never filled.
    bool fill();

private:
    QByteArray m_dir;
    bool m_mounted = false;
    QString m_error;
};
