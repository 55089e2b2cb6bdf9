#include "faultyLinePrinter.h"

bool FaultyLinePrinter::setFontName(const QString &name)
{
    m_fontName = name;
    return m_inner.setFontName(name);
}

bool FaultyLinePrinter::setFontSize(qreal points)
{
    m_fontSize = points;
    return m_inner.setFontSize(points);
}

bool FaultyLinePrinter::printLine(const QString &text)
{
    if (m_hook)
        m_hook(text);
    ++m_line;
    if (m_failAt > 0 && m_line >= m_failAt)
        return false;
    return m_inner.printLine(text);
}

bool FaultyLinePrinter::endDocument()
{
    ++m_ended;
    m_line = 0;
    return m_inner.endDocument();
}

void FaultyLinePrinter::discardDocument()
{
    ++m_discarded;
    m_line = 0;
    m_inner.discardDocument();
}
