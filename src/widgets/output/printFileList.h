#pragma once

#include "core/list/listText.h"

#include <QString>

class frmVREL_FP;

namespace output {

// The list as the window shows it, which printing and the export alike read at the click.
ShownList shownList(const frmVREL_FP &window);

// Prints the window's list as it stands: header, every list line, rule, total line, each
// after a six-space indent.
void PrintFileList(frmVREL_FP &window);
// What it says of an empty list.
QString nothingToPrintText();
inline constexpr int kPrintIndent = 6;

// The pages PrintFileList would print, in the print preview, from which they can be printed.
void PreviewFileList(frmVREL_FP &window);

// Answers the window's print requests (button and menu entry alike) with PrintFileList, and
// its preview requests with PreviewFileList.
void attachPrinting(frmVREL_FP &window);

} // namespace output
