#pragma once

#include "core/text/format.h"

#include <QByteArray>

#include <optional>

namespace platform {

struct FileFacts
{
    qint64 size = 0;
    DateTime modified; // local time
};

// A directory held open while its files are read, so that each file is found by its name in
// it rather than by walking its whole path from the root again.
class OpenDirectory
{
public:
    explicit OpenDirectory(const QByteArray &nativePath);
    ~OpenDirectory();
    OpenDirectory(const OpenDirectory &) = delete;
    OpenDirectory &operator=(const OpenDirectory &) = delete;

    const QByteArray &nativePath() const { return m_path; }
    // The open directory, or -1 where there is none to hold (Windows reads by path).
    int descriptor() const { return m_fd; }

private:
    QByteArray m_path;
    int m_fd = -1;
};

// Follows links, so a link to a file gives the target's size and time.
std::optional<FileFacts> readFileFacts(const OpenDirectory &directory, const QByteArray &nativeName);

} // namespace platform
