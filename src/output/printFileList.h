#pragma once

#include <QString>

class frmVREL_FP;

namespace output {

// Prints the window's list as it stands: header, every list line, rule, total line, each
// after a six-space indent.
void PrintFileList(frmVREL_FP &window);
// What it says of an empty list.
QString nothingToPrintText();
inline constexpr int kPrintIndent = 6;

// Answers the window's print requests (button and menu entry alike) with PrintFileList.
void attachPrinting(frmVREL_FP &window);

} // namespace output
