#pragma once

#include "listExport.h"

class frmVREL_FP;

namespace output {

// What `format` reads of the window at this moment: the lines for TXT, the per-file values
// of the list's files for CSV.
ExportedList exportedList(const frmVREL_FP &window, ListFormat format);

// The export command: asks, writes VREL_FILE_LIST.TXT or .CSV into the listed directory,
// and says how it went. An earlier file of that name survives any failure untouched.
void ExportFileList(frmVREL_FP &window);

// Answers the window's export requests for as long as it lives.
void attachExport(frmVREL_FP &window);

} // namespace output
