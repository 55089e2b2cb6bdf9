#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

class QWidget;

// Real files for tests: exact sizes and modification times, so expected lines are known.
namespace fixtures {

// Writes `size` bytes into `dir`/`name` and sets its modification time (local time).
void makeFile(const QString &dir, const QString &name, qint64 size, const QDateTime &modified);

// The same with a name given as raw bytes, which need not be valid UTF-8.
void makeRawFile(const QString &dir, const QByteArray &rawName, qint64 size, const QDateTime &modified);

// Removes such a file again: a temporary directory cannot remove a name it cannot decode.
void removeRawFile(const QString &dir, const QByteArray &rawName);

QDateTime localTime(int year, int month, int day, int hour, int minute, int second);

// Whether this process can be kept out of a file by its permissions (not when running as root).
bool permissionsApply();

// Shows a window offscreen and waits until it takes input.
void show(QWidget &window);

// A file's bytes, or "(missing)".
QByteArray contents(const QString &path);

// Every name in `dir`, hidden ones included, sorted: what a stray temporary file would show in.
QStringList entries(const QString &dir);

} // namespace fixtures
