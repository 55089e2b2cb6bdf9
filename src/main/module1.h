#pragma once

#include "listBuild.h"

#include <QtGlobal>

#include <memory>

// The process-wide list values. The list build is the only writer of the result, which the
// print and export commands read back; the main window stores the limit.
namespace Module1 {

extern qint16 gFileLimit;

// The one result of the last accepted build, its lines, widths, total and per-file values
// (gFileName, gFileExt, gRunningTotal, gFileDate, gFileTime as the table's name, extension,
// runningTotal, date and time of entry k - 1) all read out of it; none before the first build,
// nor after a refused one, so that no output can pair one build's lines with another's values.
extern std::shared_ptr<const listing::FileTable> gFiles;

} // namespace Module1
