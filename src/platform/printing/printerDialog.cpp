#include "printerDialog.h"

#include <QPrintDialog>

namespace platform {

namespace {

PrinterDialogService *g_service = nullptr;

PrinterDialogService &service()
{
    static QtPrinterDialogService qtService;
    if (g_service)
        return *g_service;
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
    return service().choosePrinter(parent, printer);
}

} // namespace platform
