#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>

#include <optional>

class QWidget;

namespace platform {

// Holds a top-level window at an outer size given in twips, the window manager's frame
// included, and centres it on its screen whenever its size or state changes. The frame is
// known only once the window manager has decorated the window, so moves and activations are
// watched too, and the size is applied again when the frame turns out other than it was.
class FixedOuterSize final : public QObject
{
    Q_OBJECT

public:
    enum class Border {
        Sizable, // the person may drag the border; the window springs back
        Fixed,   // the border gives nothing to drag
    };

    // Watches `window` for as long as it lives.
    FixedOuterSize(QWidget &window, int widthTwips, int heightTwips, Border border);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Sizes and centres the window; nothing while it is hidden, minimized or maximized.
    void apply();
    // The frame round the window; nothing while Qt knows no sensible one.
    std::optional<QMargins> frame() const;

    QWidget &m_window;
    int m_widthTwips;
    int m_heightTwips;
    Border m_border;
    QSize m_decorations;
};

} // namespace platform
