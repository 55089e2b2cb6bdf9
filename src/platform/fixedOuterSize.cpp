#include "fixedOuterSize.h"

#include "twips.h"

#include <QScreen>
#include <QWidget>

namespace platform {

FixedOuterSize::FixedOuterSize(QWidget &window, int widthTwips, int heightTwips, Border border)
    : m_window(window)
    , m_widthTwips(widthTwips)
    , m_heightTwips(heightTwips)
    , m_border(border)
{
}

void FixedOuterSize::apply()
{
    if ((m_window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        || !m_window.isVisible())
        return;
    // Outer size: the decorations the window manager adds come off the client area.
    m_decorations = m_window.frameGeometry().size() - m_window.geometry().size();
    const QSize client = QSize(twipsToPixelsX(m_widthTwips, &m_window), twipsToPixelsY(m_heightTwips, &m_window))
                         - m_decorations;
    if (m_border == Border::Fixed) {
        if (m_window.minimumSize() != client || m_window.maximumSize() != client)
            m_window.setFixedSize(client);
    } else if (m_window.size() != client) {
        m_window.resize(client);
    }
    if (const QScreen *s = m_window.screen()) {
        const QRect area = s->geometry();
        const float left = float(area.width() - m_window.frameGeometry().width()) / 2.0f;
        const float top = float(area.height() - m_window.frameGeometry().height()) / 2.0f;
        m_window.move(area.x() + int(left), area.y() + int(top));
    }
}

void FixedOuterSize::frameMayHaveChanged()
{
    if (m_window.isVisible() && m_window.frameGeometry().size() - m_window.geometry().size() != m_decorations)
        apply();
}

} // namespace platform
