#pragma once

#include "platform/text/format.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

#ifndef Q_OS_WIN
#include <dirent.h>
#endif

namespace platform {

// The files of one listing, in order. All native names are kept in one run of bytes, and the
// names that are not simply the native name shown as text in one text, rather than as two
// strings a file, which for ten thousand files would cost several times their characters.
// Copies share them.
class ListedFiles
{
public:
    qsizetype size() const { return m_files.size(); }
    QString name(qsizetype i) const;
    QByteArray nativeName(qsizetype i) const;

    // A file whose name is its native name shown as text (displayName of its UTF-8).
    void append(QByteArrayView nativeName);
    void append(QStringView name, QByteArrayView nativeName);
    // By name without regard to case, then by the exact bytes, so that the order is total.
    void sortByName();
    // Gives back the room kept for files to come.
    void squeeze();

private:
    struct Span
    {
        qint32 nameStart;
        qint32 nameLength; // -1: the native name shown as text
        qint32 nativeStart;
        qint32 nativeLength;
    };

    QString m_names;
    QByteArray m_nativeNames;
    QList<Span> m_files;
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
std::optional<ListedFiles> listFiles(const QString &directory, const QString &patterns);

// The visible subdirectories of `directory`, by name; nothing when it cannot be read.
std::optional<QStringList> listSubdirectories(const QString &directory);

#ifndef Q_OS_WIN
// A fault-injection seam: the call that reads a directory's next entry, readdir(3) unless a test
// puts one in its place that fails as a disk can (a null entry with errno set). A read cut short
// so lists nothing rather than part of the directory. Returns the reader it replaces.
using DirectoryReader = dirent *(*)(DIR *);
DirectoryReader setDirectoryReader(DirectoryReader reader);
#endif

// A name, path or pattern as one line of a list or a file: control characters would break the
// line or reorder what it shows, so each shows as "?"; a byte that is no valid text as U+FFFD.
QString displayName(const QString &name);

} // namespace platform
