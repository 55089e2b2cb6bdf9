#pragma once

#include "listBuild.h"

#include <QtGlobal>

#include <memory>

// The process-wide list values. The list build is the only writer of the result, which the
// print and export commands read back; the main window stores the limit.
namespace Module1 {

extern qint16 gFileLimit;

// The one result of the last accepted build, its lines, widths, total and per-file values all
// read out of it (gFileName and gFileExt are splitFileName's parts of fileName(k - 1),
// gRunningTotal is runningTotal(k - 1), gFileDate and gFileTime the two halves of
// modified(k - 1)); none before the first build, nor after a refused one, so that no output
// can pair one build's lines with another's values.
extern std::shared_ptr<const listing::FileTable> gFiles;

} // namespace Module1
