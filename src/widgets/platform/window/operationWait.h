#pragma once

#include <QObject>

#include <functional>

namespace platform {

// One operation at a time. A wait on a disk, a message box, the printer dialog and the print
// preview each hold their operation in an event loop of its own, where events keep coming in:
// a folder handed over, a menu key. What would start another operation is kept, or its command
// disabled, until every such loop has ended.
class OperationWaits final : public QObject
{
    Q_OBJECT

public:
    static OperationWaits &instance();

    bool any() const { return m_count > 0; }

    // Runs `then` from the program's own event loop once no operation waits, never inside one
    // nor inside the handler that asks.
    void whenNone(QObject *context, std::function<void()> then);

signals:
    void changed(bool any);

private:
    OperationWaits() = default;
    friend class OperationWait;
    int m_count = 0;
};

// Held by an operation while its loop is up.
class OperationWait
{
public:
    OperationWait();
    ~OperationWait();
    OperationWait(const OperationWait &) = delete;
    OperationWait &operator=(const OperationWait &) = delete;
};

} // namespace platform
