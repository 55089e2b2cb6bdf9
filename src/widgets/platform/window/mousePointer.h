#pragma once

class QWidget;

namespace platform {

// A window's pointer: the last value set is the one that shows.
enum class MousePointer { Default = 0, Hourglass = 11 };

void setMousePointer(QWidget *window, MousePointer pointer);

} // namespace platform
