#include "commonDialog.h"

#include "main/frmVREL_FP.h"
#include "platform/printerDialog.h"

namespace output {

CommonDialog::CommonDialog(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("CommonDialog"));
}

bool CommonDialog::ShowPrinter()
{
    return platform::showPrinterDialog(m_window, m_printer);
}

platform::LinePrinter &CommonDialog::linePrinter()
{
    if (m_linePrinter)
        return *m_linePrinter;
    return m_qtLinePrinter;
}

CommonDialog &commonDialog(frmVREL_FP &window)
{
    if (auto *existing = window.findChild<CommonDialog *>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new CommonDialog(&window);
}

} // namespace output
