#pragma once

#include <QMargins>
#include <QSize>

#include <optional>

class QWidget;

namespace platform {

// Holds a top-level window at an outer size given in twips, the window manager's frame
// included, and centres it on its screen. The frame is known only once the window manager has
// decorated the window, so the window reports every move and activation here too, and the
// size is applied again when the frame turns out other than it was.
class FixedOuterSize
{
public:
    enum class Border {
        Sizable, // the person may drag the border; the window springs back
        Fixed,   // the border gives nothing to drag
    };

    FixedOuterSize(QWidget &window, int widthTwips, int heightTwips, Border border);

    // Sizes and centres the window; nothing while it is hidden, minimized or maximized.
    void apply();
    // Applies again only when the frame has changed since the last time: a plain drag of the
    // title bar keeps the frame as it was and leaves the window where it was put.
    void frameMayHaveChanged();

private:
    // The frame round the window; nothing while Qt knows no sensible one.
    std::optional<QMargins> frame() const;
    static QSize decorations(const QMargins &frame);

    QWidget &m_window;
    int m_widthTwips;
    int m_heightTwips;
    Border m_border;
    QSize m_decorations;
};

} // namespace platform
