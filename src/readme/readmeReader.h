#pragma once

#include "platform/paths.h"

#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// The read-me text is the head of the data file beside the program: its lines up to the first
// end-of-text marker line, at most a thousand of them. The read-me window and its printing
// both read it through here, so they always agree on what the text is.
namespace readme {

inline constexpr int kMaxReadmeLines = 1000;

QString dataFileName();

// The data file in `directory`, with one separator between them even for a root directory.
QString dataFilePath(const QString &directory, QChar separator = platform::nativeSeparator());

// A marker line starts with exactly "zeqa"; whatever follows on the line does not matter.
bool isEndMarker(QStringView line);

QStringList readReadmeText(QIODevice &device);

// The read-me text of the data file in `directory`; nothing when the file cannot be opened or read.
std::optional<QStringList> readReadmeFile(const QString &directory);

} // namespace readme
