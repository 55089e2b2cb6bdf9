#pragma once

#include "listBuild.h"

#include <QtGlobal>

#include <memory>

// The process-wide list values. The list build is the only writer of the result, which the
// print and export commands read back.
namespace Module1 {

// The most files a build takes, the window's and a script's alike.
inline constexpr qint16 gFileLimit = 9999;

// The one result of the last accepted build: its lines, widths, total and each file's name,
// extension, running total, date and time are all read out of it. None before the first build,
// nor after a refused one, so that no output can pair one build's lines with another's values.
extern std::shared_ptr<const listBuild::FileTable> gFiles;

} // namespace Module1
