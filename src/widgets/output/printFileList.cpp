#include "printFileList.h"

#include "core/list/listText.h"
#include "core/list/module1.h"
#include "widgets/main/frmVREL_FP.h"
#include "widgets/platform/controls/dirListBox.h"
#include "widgets/platform/controls/listBox.h"
#include "widgets/platform/controls/patternBox.h"
#include "widgets/platform/printing/commonDialog.h"
#include "widgets/platform/window/messageBox.h"

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
    const auto lines = [&window]() -> std::optional<QStringList> { return listTextLines(shownList(window)); };
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
