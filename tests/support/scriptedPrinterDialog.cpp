#include "scriptedPrinterDialog.h"

ScriptedPrinterDialog::ScriptedPrinterDialog() : m_previous(platform::setPrinterDialogService(this)) {}

ScriptedPrinterDialog::~ScriptedPrinterDialog()
{
    platform::setPrinterDialogService(m_previous);
}

bool ScriptedPrinterDialog::choosePrinter(QWidget *, QPrinter &printer)
{
    ++m_shown;
    m_lastPrinter = &printer;
    if (m_hook)
        m_hook(printer);
    return m_accept;
}
