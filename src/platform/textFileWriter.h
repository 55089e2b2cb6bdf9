#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Lines as they stand in a text file of this program: code page 932, each line followed by
// CR LF, the last one included.
QByteArray textFileBytes(const QStringList &lines);

// Writes `bytes` into `path`, replacing the file of that name only once every byte has reached
// the disk: until then an earlier file stays as it was, and a failed write leaves no temporary
// file behind. On failure returns false with the system's reason in `error`.
bool writeTextFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace platform
