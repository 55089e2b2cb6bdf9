#pragma once

#include "platform/printing/printerDialog.h"

#include <functional>

class QPrinter;

// Stands in for the person at the printer dialog: accepts (or cancels, when told to) without
// touching the printer's settings, and counts how often it was shown.
class ScriptedPrinterDialog final : public platform::PrinterDialogService
{
public:
    ScriptedPrinterDialog();
    ~ScriptedPrinterDialog() override;
    ScriptedPrinterDialog(const ScriptedPrinterDialog &) = delete;
    ScriptedPrinterDialog &operator=(const ScriptedPrinterDialog &) = delete;

    bool choosePrinter(QWidget *parent, QPrinter &printer) override;

    void setAccepting(bool accept) { m_accept = accept; }
    // Runs while the dialog is up: to look at the program, or to pick the printer.
    void onShow(std::function<void(QPrinter &)> hook) { m_hook = std::move(hook); }

    int timesShown() const { return m_shown; }
    QPrinter *lastPrinter() const { return m_lastPrinter; }

private:
    platform::PrinterDialogService *m_previous = nullptr;
    bool m_accept = true;
    int m_shown = 0;
    QPrinter *m_lastPrinter = nullptr;
    std::function<void(QPrinter &)> m_hook;
};
