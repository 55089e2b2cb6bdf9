#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {

namespace {

constexpr double kTwipsPerInch = 1440.0;

QScreen *screenOf(const QWidget *reference)
{
    if (reference && reference->screen())
        return reference->screen();
    return QGuiApplication::primaryScreen();
}

double dpiX(const QWidget *reference)
{
    const QScreen *s = screenOf(reference);
    return s ? s->logicalDotsPerInchX() : 96.0;
}

double dpiY(const QWidget *reference)
{
    const QScreen *s = screenOf(reference);
    return s ? s->logicalDotsPerInchY() : 96.0;
}

} // namespace

int twipsToPixelsX(int twips, const QWidget *reference)
{
    return int(std::lround(twips * dpiX(reference) / kTwipsPerInch));
}

int twipsToPixelsY(int twips, const QWidget *reference)
{
    return int(std::lround(twips * dpiY(reference) / kTwipsPerInch));
}

int pixelsToTwipsX(int pixels, const QWidget *reference)
{
    return int(std::lround(pixels * kTwipsPerInch / dpiX(reference)));
}

int pixelsToTwipsY(int pixels, const QWidget *reference)
{
    return int(std::lround(pixels * kTwipsPerInch / dpiY(reference)));
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
