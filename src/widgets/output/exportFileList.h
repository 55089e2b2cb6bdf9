#pragma once

#include <QString>

class frmVREL_FP;

namespace output {

// The export command: asks, writes VREL_FILE_LIST.TXT or .CSV into the listed directory,
// and says how it went. An earlier file of that name survives any failure untouched.
void ExportFileList(frmVREL_FP &window);

// Answers the window's export requests for as long as it lives.
void attachExport(frmVREL_FP &window);

} // namespace output
