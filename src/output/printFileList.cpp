#include "printFileList.h"

#include "listing.h"
#include "main/frmVREL_FP.h"
#include "platform/controls/listBox.h"
#include "platform/printing/commonDialog.h"
#include "platform/window/messageBox.h"

namespace output {

QString nothingToPrintText()
{
    return QStringLiteral("印刷対象ファイルがありません");
}

void PrintFileList(frmVREL_FP &window)
{
    if (window.List1->count() < 1) {
        platform::messageBox(&window, nothingToPrintText());
        return;
    }
    window.CommonDialog->printLines([&window]() -> std::optional<QStringList> { return listingLines(shownList(window)); },
                                    kPrintIndent);
}

void attachPrinting(frmVREL_FP &window)
{
    QObject::connect(&window, &frmVREL_FP::printFileListRequested, &window, [&window] { PrintFileList(window); });
}

} // namespace output
