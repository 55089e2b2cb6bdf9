#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {

namespace {

constexpr double kTwipsPerInch = 1440.0;
// What both Windows and X report when nothing says otherwise, for a window made before any screen.
constexpr double kStandardDpi = 96.0;

const QScreen *screenOf(const QWidget *reference)
{
    if (reference && reference->screen())
        return reference->screen();
    return QGuiApplication::primaryScreen();
}

int toPixels(int twips, double dpi)
{
    return int(std::lround(twips * dpi / kTwipsPerInch));
}

} // namespace

int twipsToPixelsX(int twips, const QWidget *reference)
{
    const QScreen *s = screenOf(reference);
    return toPixels(twips, s ? s->logicalDotsPerInchX() : kStandardDpi);
}

int twipsToPixelsY(int twips, const QWidget *reference)
{
    const QScreen *s = screenOf(reference);
    return toPixels(twips, s ? s->logicalDotsPerInchY() : kStandardDpi);
}

QRect twipsRect(int left, int top, int width, int height, const QWidget *reference)
{
    return {twipsToPixelsX(left, reference), twipsToPixelsY(top, reference), twipsToPixelsX(width, reference),
            twipsToPixelsY(height, reference)};
}

void placeAt(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twipsRect(left, top, width, height, control));
}

} // namespace platform
