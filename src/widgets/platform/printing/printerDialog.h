#pragma once

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace platform {

// The printer-selection dialog, shown modally on the printer the lines will go to, so that
// the printer chosen is the one printed on. Tests put a scripted one in its place.
class PrinterDialogService
{
public:
    virtual ~PrinterDialogService() = default;
    // True when the person chose a printer, false when the dialog was dismissed.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
};

class QtPrinterDialogService final : public PrinterDialogService
{
public:
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
};

// Swaps the service in use and returns the previous one; nullptr puts the Qt one back.
PrinterDialogService *setPrinterDialogService(PrinterDialogService *service);

bool showPrinterDialog(QWidget *parent, QPrinter &printer);

// The print preview, shown modally once it is made. Tests put a scripted one in its place.
class PrintPreviewService
{
public:
    virtual ~PrintPreviewService() = default;
    // True when the person asked for the pages to be printed, false when the preview was closed.
    virtual bool showPreview(QPrintPreviewDialog &dialog) = 0;
};

class QtPrintPreviewService final : public PrintPreviewService
{
public:
    bool showPreview(QPrintPreviewDialog &dialog) override;
};

// Swaps the service in use and returns the previous one; nullptr puts the Qt one back.
PrintPreviewService *setPrintPreviewService(PrintPreviewService *service);

bool showPrintPreview(QPrintPreviewDialog &dialog);

} // namespace platform
