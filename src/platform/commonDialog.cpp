#include "commonDialog.h"

#include "messageBox.h"
#include "mousePointer.h"
#include "printerDialog.h"

#include <QWidget>

namespace platform {

CommonDialog::CommonDialog(QWidget *window, const QString &name)
    : QObject(window)
    , m_window(window)
{
    setObjectName(name);
}

bool CommonDialog::ShowPrinter()
{
    return showPrinterDialog(m_window, m_printer);
}

LinePrinter &CommonDialog::linePrinter()
{
    if (m_linePrinter)
        return *m_linePrinter;
    return m_qtLinePrinter;
}

void CommonDialog::abortPrinting()
{
    linePrinter().discardDocument();
    messageBox(m_window, QStringLiteral("印刷処理を中断します"));
    setMousePointer(m_window, MousePointer::Default);
}

} // namespace platform
