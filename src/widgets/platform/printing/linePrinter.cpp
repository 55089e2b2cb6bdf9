#include "linePrinter.h"

#include "widgets/platform/window/fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <optional>
#include <utility>

namespace platform {

namespace {

// Every line is printed in a fixed-pitch face, a list's in columns of cells: shaping moves none
// of their glyphs, and took a quarter of a print's time. Scripts that need it are shaped still.
QFont unshaped(QFont font)
{
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace

QtLinePrinter::QtLinePrinter(QPrinter &printer)
    : m_printer(printer)
    , m_font(namedFont(QString(), m_points))
{
}

bool QtLinePrinter::setFontName(const QString &name)
{
    m_fontName = name;
    m_font = namedFont(m_fontName, m_points);
    return true;
}

bool QtLinePrinter::setFontSize(qreal points)
{
    m_points = points;
    m_font = namedFont(m_fontName, m_points);
    return true;
}

bool QtLinePrinter::printLine(const QString &text)
{
    m_lines.append({m_font, text});
    return true;
}

bool QtLinePrinter::endDocument()
{
    const QList<Line> lines = std::exchange(m_lines, {});
    QPainter painter;
    if (!painter.begin(&m_printer))
        return false;
    // The painter's origin is the top left of the printable area.
    const qreal pageHeight = m_printer.height();
    qreal top = 0;
    bool ok = true;
    QFont current;
    std::optional<QFontMetricsF> metrics;
    for (const Line &line : lines) {
        if (!metrics || line.font != current) {
            current = line.font;
            painter.setFont(unshaped(current));
            metrics.emplace(current, &m_printer);
        }
        const qreal height = metrics->lineSpacing();
        if (top > 0 && top + height > pageHeight) {
            if (!m_printer.newPage()) {
                ok = false;
                break;
            }
            top = 0;
        }
        painter.drawText(QPointF(0, top + metrics->ascent()), line.text);
        top += height;
    }
    if (!ok)
        m_printer.abort();
    painter.end();
    return ok && m_printer.printerState() != QPrinter::Error;
}

void QtLinePrinter::discardDocument()
{
    m_lines.clear();
}

} // namespace platform
