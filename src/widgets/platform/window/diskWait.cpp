#include "diskWait.h"

#include "messageBox.h"
#include "operationWait.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace platform {

namespace {

// A wait this short is not worth a word: the window would only flicker.
constexpr std::chrono::milliseconds kUnnoticed {100};

// Keeps the person's clicks and keys from the controls while they wait. What else would start a
// second operation (a menu command, a folder handed over) is held off by the one-operation count
// this wait holds. Menus, closing and moving stay, and so does whatever modal box is up.
class InputHold final : public QObject
{
public:
    InputHold() { qApp->installEventFilter(this); }
    ~InputHold() override { qApp->removeEventFilter(this); }
    InputHold(const InputHold &) = delete;
    InputHold &operator=(const InputHold &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            break;
        default:
            return false;
        }
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        const QWidget *modal = QApplication::activeModalWidget();
        const QWidget *popup = QApplication::activePopupWidget();
        return widget->window() != modal && widget->window() != popup;
    }

private:
    const OperationWait m_wait;
};

} // namespace

bool runOffWindow(QWidget *window, const QString &path, std::function<void(DiskProgress &)> work,
                  std::chrono::milliseconds limit)
{
    const auto running = std::make_shared<DiskWork>(path, std::move(work));
    if (running->finished(std::min(kUnnoticed, limit)))
        return true;

    const QPointer<QWidget> shown(window);
    bool stalled = false;
    {
        QEventLoop loop;
        whenDiskWorkEnds(&loop, running, limit, [&](bool ended) {
            stalled = !ended;
            loop.quit();
        });
        const InputHold hold;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        loop.exec();
        QApplication::restoreOverrideCursor();
    }
    if (running->finished())
        return true;
    running->abandon();
    // A loop left early means the program is closing: nothing more to say.
    if (stalled && shown && shown->isVisible())
        messageBox(shown, noAnswerText(path), Buttons::Ok, Icon::Exclamation);
    return false;
}

} // namespace platform
