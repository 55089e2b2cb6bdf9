#include "mousePointer.h"

#include <QWidget>

namespace platform {

void setMousePointer(QWidget *window, MousePointer pointer)
{
    if (pointer == MousePointer::Hourglass)
        window->setCursor(Qt::WaitCursor);
    else
        window->unsetCursor();
}

MousePointer mousePointer(const QWidget *window)
{
    return window->testAttribute(Qt::WA_SetCursor) && window->cursor().shape() == Qt::WaitCursor
               ? MousePointer::Hourglass
               : MousePointer::Default;
}

} // namespace platform
