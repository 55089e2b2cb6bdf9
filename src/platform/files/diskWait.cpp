#include "diskWait.h"

#include "nativeNames.h"
#include "platform/window/messageBox.h"
#include "platform/window/operationWait.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace platform {

namespace {

// Threads still running work of ours; abandoned ones included.
std::atomic<int> g_running {0};

struct Work
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::atomic<bool> abandoned {false};

    bool isDone()
    {
        const std::lock_guard lock(mutex);
        return done;
    }
};

// A wait this short is not worth a word: the window would only flicker.
constexpr std::chrono::milliseconds kUnnoticed {100};
constexpr std::chrono::milliseconds kPoll {20};

// Keeps the person's clicks and keys from the controls while they wait, so that nothing starts
// a second operation on top of the one waiting; the window disables the menu commands that
// would. Menus, closing and moving stay, and so does whatever modal box is up.
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

QString noAnswerText(const QString &path)
{
    return QStringLiteral("%1 秒待ちましたが応答がありません\n").arg(kDiskWaitLimit.count() / 1000) + displayName(path);
}

bool runOffWindow(QWidget *window, const QString &path, std::function<void(const std::atomic<bool> &)> work,
                  std::chrono::milliseconds limit)
{
    auto state = std::make_shared<Work>();
    detachDiskWork([state, work = std::move(work)] {
        work(state->abandoned);
        {
            const std::lock_guard lock(state->mutex);
            state->done = true;
        }
        state->finished.notify_all();
    });

    {
        std::unique_lock lock(state->mutex);
        if (state->finished.wait_for(lock, std::min(kUnnoticed, limit), [&] { return state->done; }))
            return true;
    }

    const QPointer<QWidget> shown(window);
    bool timedOut = false;
    {
        QEventLoop loop;
        // The thread cannot safely reach this loop, which may be gone by the time it ends.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (state->isDone())
                loop.quit();
        });
        poll.start(kPoll);
        QTimer::singleShot(limit - std::min(kUnnoticed, limit), &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        const InputHold hold;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        loop.exec();
        QApplication::restoreOverrideCursor();
    }
    if (state->isDone())
        return true;
    state->abandoned = true;
    // A loop left early means the program is closing: nothing more to say.
    if (timedOut && shown && shown->isVisible())
        messageBox(shown, noAnswerText(path), Buttons::Ok, Icon::Exclamation);
    return false;
}

void detachDiskWork(std::function<void()> work)
{
    ++g_running;
    std::thread([work = std::move(work)] {
        work();
        --g_running;
    }).detach();
}

bool diskWorkLeftBehind()
{
    return g_running > 0;
}

} // namespace platform
