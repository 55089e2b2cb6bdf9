#include "printFileList.h"

#include "listing.h"
#include "main/frmVREL_FP.h"
#include "main/module1.h"
#include "platform/controls/dirListBox.h"
#include "platform/controls/patternBox.h"
#include "platform/controls/listBox.h"
#include "platform/printing/commonDialog.h"
#include "platform/window/messageBox.h"

namespace output {

namespace {

using Procedure = platform::PrintOutcome (platform::CommonDialog::*)(const platform::CommonDialog::Lines &, int);

// The printed pages and their preview: the same check, the same lines, the same indent.
void runOnList(frmVREL_FP &window, Procedure procedure)
{
    if (window.List1->count() < 1) {
        platform::messageBox(&window, nothingToPrintText());
        return;
    }
    const auto lines = [&window]() -> std::optional<QStringList> { return listingLines(shownList(window)); };
    platform::tellPrintOutcome(&window, (window.CommonDialog->*procedure)(lines, kPrintIndent));
}

} // namespace

ShownList shownList(const frmVREL_FP &window)
{
    return {window.Dir1->path(), window.Combo1->currentText(), Module1::gFiles};
}

QString nothingToPrintText()
{
    return QStringLiteral("印刷対象ファイルがありません");
}

void PrintFileList(frmVREL_FP &window)
{
    runOnList(window, &platform::CommonDialog::printLines);
}

void PreviewFileList(frmVREL_FP &window)
{
    runOnList(window, &platform::CommonDialog::previewLines);
}

void attachPrinting(frmVREL_FP &window)
{
    QObject::connect(&window, &frmVREL_FP::printFileListRequested, &window, [&window] { PrintFileList(window); });
    QObject::connect(&window, &frmVREL_FP::previewFileListRequested, &window, [&window] { PreviewFileList(window); });
}

} // namespace output
