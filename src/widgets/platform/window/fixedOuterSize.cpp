#include "fixedOuterSize.h"

#include "twips.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace platform {

namespace {

QSize decorations(const QMargins &frame)
{
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

} // namespace

FixedOuterSize::FixedOuterSize(QWidget &window, int widthTwips, int heightTwips, Border border)
    : QObject(&window)
    , m_window(window)
    , m_widthTwips(widthTwips)
    , m_heightTwips(heightTwips)
    , m_border(border)
{
    window.installEventFilter(this);
}

bool FixedOuterSize::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        apply();
        break;
    case QEvent::Move:
    case QEvent::ActivationChange: {
        // A plain drag of the title bar keeps the frame as it was and leaves the window where
        // it was put; only a frame that has changed since the last time calls for the size again.
        const std::optional<QMargins> margins = m_window.isVisible() ? frame() : std::nullopt;
        if (margins && decorations(*margins) != m_decorations)
            apply();
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

std::optional<QMargins> FixedOuterSize::frame() const
{
    // Asked of the window itself: the widget's own idea of its frame is brought up to date
    // only by a move or resize, which need not follow the window manager's news.
    const QWindow *handle = m_window.windowHandle();
    if (!handle)
        return std::nullopt;
    // While the window manager is still putting its frame round the window, Qt may report
    // nonsense; that is no frame to size by.
    const QMargins m = handle->frameMargins();
    if (std::min({m.left(), m.top(), m.right(), m.bottom()}) < 0)
        return std::nullopt;
    return m;
}

void FixedOuterSize::apply()
{
    if ((m_window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        || !m_window.isVisible())
        return;
    const std::optional<QMargins> margins = frame();
    if (!margins)
        return;
    // Outer size: the decorations the window manager adds come off the client area.
    m_decorations = decorations(*margins);
    const QSize client = QSize(twipsToPixelsX(m_widthTwips, &m_window), twipsToPixelsY(m_heightTwips, &m_window))
                         - m_decorations;
    if (m_border == Border::Fixed) {
        if (m_window.minimumSize() != client || m_window.maximumSize() != client)
            m_window.setFixedSize(client);
    } else if (m_window.size() != client) {
        m_window.resize(client);
    }
    const QScreen *s = m_window.screen();
    if (!s)
        return;
    const QRect area = s->geometry();
    const QSize outer = m_window.size() + m_decorations;
    const float left = float(area.width() - outer.width()) / 2.0f;
    const float top = float(area.height() - outer.height()) / 2.0f;
    // Placed by its client area, whose offset in the frame is known here, rather than by a
    // frame position the widget would translate with a frame it may not have caught up with.
    const QPoint clientTopLeft(area.x() + int(left) + margins->left(), area.y() + int(top) + margins->top());
    if (m_window.geometry().topLeft() != clientTopLeft)
        m_window.setGeometry(QRect(clientTopLeft, m_window.size()));
}

} // namespace platform
