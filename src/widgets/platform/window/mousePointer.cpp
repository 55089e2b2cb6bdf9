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

} // namespace platform
