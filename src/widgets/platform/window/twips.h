#pragma once

#include <QRect>

class QWidget;

// Layouts are given in twips (1/1440 inch); the screen's logical DPI turns them into pixels,
// so the windows keep their proportions at any scale.
namespace platform {

int twipsToPixelsX(int twips, const QWidget *reference = nullptr);
int twipsToPixelsY(int twips, const QWidget *reference = nullptr);
QRect twipsRect(int left, int top, int width, int height, const QWidget *reference = nullptr);

// Places `control` at a twips rectangle of its parent.
void placeAt(QWidget *control, int left, int top, int width, int height);

} // namespace platform
