#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// A path as the disk has it, and back: a path read from the disk finds the same file again,
// though its bytes be no valid text. displayName() shows such a byte as U+FFFD.
QByteArray nativePath(const QString &path);
QString pathFromNative(const QByteArray &native);

// A name, path or pattern as one line of a list or a file: control characters would break the
// line or reorder what it shows, so each shows as "?"; a byte that is no valid text as U+FFFD.
QString displayName(const QString &name);

} // namespace platform
