#pragma once

#include "platform/linePrinter.h"

#include <QObject>
#include <QPrinter>

class frmVREL_FP;
class QWidget;

namespace output {

// The main window's printer: the dialog that picks it and the printer the listing goes to,
// one and the same QPrinter. It lives as a child of the window for the whole run, so a
// printer chosen once stays chosen for the next print.
class CommonDialog : public QObject
{
    Q_OBJECT

public:
    explicit CommonDialog(QWidget *window);

    // Modal; false when the dialog was dismissed.
    bool ShowPrinter();

    QPrinter &printer() { return m_printer; }
    platform::LinePrinter &linePrinter();
    // Tests print through a printer of their own; nullptr goes back to the real one.
    void setLinePrinter(platform::LinePrinter *linePrinter) { m_linePrinter = linePrinter; }

private:
    QWidget *m_window;
    QPrinter m_printer{QPrinter::HighResolution};
    platform::QtLinePrinter m_qtLinePrinter{m_printer};
    platform::LinePrinter *m_linePrinter = nullptr;
};

// The window's CommonDialog, made on first use.
CommonDialog &commonDialog(frmVREL_FP &window);

} // namespace output
