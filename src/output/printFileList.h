#pragma once

class frmVREL_FP;

namespace platform {
class CommonDialog;
} // namespace platform

namespace output {

// Prints the window's list as it stands: header, every list line, rule, total line, each
// after a six-space indent, in Mincho at 12 points.
void PrintFileList(frmVREL_FP &window);

// Answers the window's print requests (button and menu entry alike) with PrintFileList.
platform::CommonDialog &attachPrinting(frmVREL_FP &window);

} // namespace output
