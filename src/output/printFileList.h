#pragma once

class frmVREL_FP;

namespace output {

// Prints the window's list as it stands: header, every list line, rule, total line, each
// after a six-space indent.
void PrintFileList(frmVREL_FP &window);

// Answers the window's print requests (button and menu entry alike) with PrintFileList.
void attachPrinting(frmVREL_FP &window);

} // namespace output
