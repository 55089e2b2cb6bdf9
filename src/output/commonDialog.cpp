#include "commonDialog.h"

#include "main/frmVREL_FP.h"

namespace output {

CommonDialog &commonDialog(frmVREL_FP &window)
{
    if (auto *existing = window.findChild<CommonDialog *>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new CommonDialog(&window, QStringLiteral("CommonDialog"));
}

} // namespace output
