#include "printFileList.h"

#include "commonDialog.h"
#include "listingLayout.h"
#include "main/frmVREL_FP.h"
#include "main/module1.h"
#include "platform/dirListBox.h"
#include "platform/messageBox.h"
#include "platform/mousePointer.h"

#include <QComboBox>
#include <QListWidget>

#include <utility>

namespace output {

namespace {

QString noFilesText()
{
    return QStringLiteral("印刷対象ファイルがありません");
}

QString indent()
{
    return QString(6, u' ');
}

QString printerFontName()
{
    return QStringLiteral("ＭＳ 明朝");
}

} // namespace

void PrintFileList(frmVREL_FP &window)
{
    const int count = window.List1->count();
    if (count < 1) {
        platform::messageBox(&window, noFilesText());
        return;
    }

    CommonDialog &dialog = commonDialog(window);
    platform::LinePrinter &printer = dialog.linePrinter();
    if (!dialog.ShowPrinter())
        return dialog.abortPrinting();
    platform::setMousePointer(&window, platform::MousePointer::Hourglass);

    if (!printer.setFontName(printerFontName()) || !printer.setFontSize(12))
        return dialog.abortPrinting();

    QStringList lines = listingHeader(window.Dir1->path(), window.Combo1->currentText());
    lines.reserve(lines.size() + count + 2);
    for (int i = 0; i < count; ++i)
        lines.append(window.List1->item(i)->text());
    lines.append(listingRule());
    lines.append(listingTotalLine(count, Module1::gTotalBytes,
                                  Module1::gNameWidth + Module1::gExtWidth + Module1::gSizeWidth));

    const QString margin = indent();
    for (const QString &line : std::as_const(lines)) {
        if (!printer.printLine(margin + line))
            return dialog.abortPrinting();
    }
    if (!printer.endDocument())
        return dialog.abortPrinting();

    platform::setMousePointer(&window, platform::MousePointer::Default);
}

CommonDialog &attachPrinting(frmVREL_FP &window)
{
    CommonDialog &dialog = commonDialog(window);
    QObject::connect(&window, &frmVREL_FP::printFileListRequested, &dialog, [&window] { PrintFileList(window); });
    return dialog;
}

} // namespace output
