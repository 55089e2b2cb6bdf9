#pragma once

#include "listExport.h"

class frmVREL_FP;

namespace output {

// The list and values as the window holds them at this moment.
ExportedList exportedList(const frmVREL_FP &window);

// The export command: asks, writes VREL_FILE_LIST.TXT or .CSV into the listed directory,
// and says how it went. An earlier file of that name survives any failure untouched.
void ExportFileList(frmVREL_FP &window);

// Answers the window's export requests for as long as it lives.
void attachExport(frmVREL_FP &window);

} // namespace output
