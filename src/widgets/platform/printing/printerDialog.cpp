#include "printerDialog.h"

#include "widgets/platform/window/operationWait.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>

namespace platform {

namespace {

PrinterDialogService *g_service = nullptr;
PrintPreviewService *g_previewService = nullptr;

PrinterDialogService &service()
{
    static QtPrinterDialogService qtService;
    if (g_service)
        return *g_service;
    return qtService;
}

PrintPreviewService &previewService()
{
    static QtPrintPreviewService qtService;
    if (g_previewService)
        return *g_previewService;
    return qtService;
}

} // namespace

bool QtPrinterDialogService::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrinterDialogService *setPrinterDialogService(PrinterDialogService *replacement)
{
    PrinterDialogService *previous = g_service;
    g_service = replacement;
    return previous;
}

bool showPrinterDialog(QWidget *parent, QPrinter &printer)
{
    const OperationWait wait;
    return service().choosePrinter(parent, printer);
}

bool QtPrintPreviewService::showPreview(QPrintPreviewDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

PrintPreviewService *setPrintPreviewService(PrintPreviewService *replacement)
{
    PrintPreviewService *previous = g_previewService;
    g_previewService = replacement;
    return previous;
}

bool showPrintPreview(QPrintPreviewDialog &dialog)
{
    const OperationWait wait;
    return previewService().showPreview(dialog);
}

} // namespace platform
