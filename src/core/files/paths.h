#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

QChar nativeSeparator();

// The prefix is what a file name is joined to with one separator: the directory without the
// separators it ends with, so "C:" for "C:\" and "" for "/".
QString directoryPrefix(const QString &directory, QChar separator = nativeSeparator());

// How the list's header names its directory: the prefix, except that the root of a file system
// whose prefix would be empty keeps its "/" rather than naming nothing.
QString namedDirectory(const QString &directory, QChar separator = nativeSeparator());

// A directory as the directory list names it: absolute, from the working directory when
// relative, cleaned, with native separators.
QString directoryListPath(const QString &path);

// The working directory as the disk names it; empty where the system cannot name it (deeper than
// its path limit, or removed).
QString workingDirectory();

// `path` made absolute from the working directory by its words alone: nothing on the disk is
// asked, so a share that does not answer holds nobody here. Left as given where the working
// directory cannot be named.
QString absolutePath(const QString &path);

// The folder `path` stands for: itself, or for a file the folder that holds it. Asks the disk,
// which may not answer: the window asks it off its own thread.
QString folderOf(const QString &path);

// The full path of `name` in `directory`, with exactly one separator between them.
QString pathInDirectory(const QString &directory, const QString &name, QChar separator = nativeSeparator());

// The directory that holds the program file, in native form; ends with a separator only
// when it is a root directory.
QString programDirectory();

} // namespace platform
