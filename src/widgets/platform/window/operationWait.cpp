#include "operationWait.h"

namespace platform {

OperationWaits &OperationWaits::instance()
{
    static OperationWaits waits;
    return waits;
}

void OperationWaits::whenNone(QObject *context, std::function<void()> then)
{
    // Posted, so that the handler under way returns first; a loop up by the time it runs puts
    // it off until that loop has ended.
    QMetaObject::invokeMethod(
        context,
        [this, context, then = std::move(then)]() mutable {
            if (!any())
                return then();
            connect(this, &OperationWaits::changed, context,
                    [this, context, then = std::move(then)]() mutable { whenNone(context, std::move(then)); },
                    Qt::SingleShotConnection);
        },
        Qt::QueuedConnection);
}

OperationWait::OperationWait()
{
    OperationWaits &waits = OperationWaits::instance();
    if (++waits.m_count == 1)
        emit waits.changed(true);
}

OperationWait::~OperationWait()
{
    OperationWaits &waits = OperationWaits::instance();
    if (--waits.m_count == 0)
        emit waits.changed(false);
}

} // namespace platform
