#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// The read-me text is the head of the data file beside the program: its lines up to the first
// end-of-text marker line (its first four characters exactly "zeqa"), at most a thousand of
// them. The read-me window and its printing both read it through here, so they always agree
// on what the text is.
namespace readme {

inline constexpr int kMaxReadmeLines = 1000;

QStringList readReadmeText(QIODevice &device);

QString dataFileName();

// The read-me text of VREL02.vrl in `directory`; nothing when the file cannot be opened or read.
std::optional<QStringList> readReadmeFile(const QString &directory);

// Where VREL02.vrl is read from: beside the program when it is there (a portable copy, and
// Windows), otherwise share/vrel-fileprint of the installed tree the program's bin/ belongs to.
QString readmeDirectory();

} // namespace readme
