#pragma once

#include "platform/text/format.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace platform {

// One plain file of a directory. The name is what a person sees; the native name is the
// file's own bytes on disk, which may not be valid in any encoding and are what we open.
struct ListedFile
{
    QString name;
    QByteArray nativeName;
};

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

// A path as the disk has it, and back: a path read from the disk finds the same file again,
// though its bytes be no valid text. displayName() shows such a byte as U+FFFD.
QByteArray nativePath(const QString &path);
QString pathFromNative(const QByteArray &native);

// The plain files of `directory` that match `patterns`, by name without regard to case, then
// by exact name. Patterns are as a person types them: "*" and "?" wildcards, case-insensitive,
// several separated by ";"; one ending in ".*" also takes names without a dot, so "*.*" takes
// all. Hidden files (a leading ".") are left out, as the desktop's own lists do. Returns
// nothing when the directory cannot be read.
std::optional<QList<ListedFile>> listFiles(const QString &directory, const QString &patterns);

// The visible subdirectories of `directory`, by name; nothing when it cannot be read.
std::optional<QStringList> listSubdirectories(const QString &directory);

// A name or path as one line of a list: control characters would break the line, so they show
// as "?"; a byte that is no valid text shows as U+FFFD.
QString displayName(const QString &name);

} // namespace platform
