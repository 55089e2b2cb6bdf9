#pragma once

#include "nameStore.h"

#include <QString>
#include <QStringList>

#include <optional>

#ifndef Q_OS_WIN
#include <dirent.h>
#endif

namespace platform {

class DiskProgress;

// The plain files of `directory` that match `patterns`, by name without regard to case, then
// by exact name. Patterns are as a person types them: "*" and "?" wildcards, case-insensitive,
// several separated by ";"; one ending in ".*" also takes names without a dot, so "*.*" takes
// all. Hidden files (a leading ".") are left out, as the desktop's own lists do. Returns
// nothing when the directory cannot be read. Each entry read advances `progress`.
std::optional<ListedFiles> listFiles(const QString &directory, const QString &patterns, DiskProgress *progress = nullptr);

// The visible subdirectories of `directory`, by name; nothing when it cannot be read.
std::optional<QStringList> listSubdirectories(const QString &directory, DiskProgress *progress = nullptr);

#ifndef Q_OS_WIN
// A fault-injection seam: the call that reads a directory's next entry, readdir(3) unless a test
// puts one in its place that fails as a disk can (a null entry with errno set). A read cut short
// so lists nothing rather than part of the directory. Returns the reader it replaces.
using DirectoryReader = dirent *(*)(DIR *);
DirectoryReader setDirectoryReader(DirectoryReader reader);
#endif

} // namespace platform
