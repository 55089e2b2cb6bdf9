#include "printFileList.h"

#include "listing.h"
#include "main/frmVREL_FP.h"
#include "platform/controls/listBox.h"
#include "platform/printing/commonDialog.h"
#include "platform/window/messageBox.h"

namespace output {

void PrintFileList(frmVREL_FP &window)
{
    if (window.List1->count() < 1) {
        platform::messageBox(&window, QStringLiteral("印刷対象ファイルがありません"));
        return;
    }
    constexpr int kIndent = 6;
    window.CommonDialog->printLines([&window]() -> std::optional<QStringList> { return listingLines(shownList(window)); },
                                    kIndent);
}

void attachPrinting(frmVREL_FP &window)
{
    QObject::connect(&window, &frmVREL_FP::printFileListRequested, &window, [&window] { PrintFileList(window); });
}

} // namespace output
