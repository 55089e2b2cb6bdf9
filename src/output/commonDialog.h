#pragma once

#include "platform/commonDialog.h"

class frmVREL_FP;

namespace output {

using platform::CommonDialog;

// The main window's CommonDialog, made on first use.
CommonDialog &commonDialog(frmVREL_FP &window);

} // namespace output
