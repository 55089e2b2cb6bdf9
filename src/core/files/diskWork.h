#pragma once

#include <QString>

class QObject;

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

namespace platform {

// How long a disk, a share or a server may go without answering anything before it is given up
// on: long enough for a file server or a NAS that was asleep to spin up, short enough that a
// person does not take the program for hung. A share that keeps answering, however slowly, is
// waited for as long as it does.
inline constexpr std::chrono::milliseconds kDiskWaitLimit {10000};

// The words a person gets when `path` did not answer within `limit`.
QString noAnswerText(const QString &path, std::chrono::milliseconds limit = kDiskWaitLimit);

// What work on a disk tells whoever waits for it, from the thread it runs on.
class DiskProgress
{
public:
    // Something came back from the disk: an entry, a file's facts, a part of a file written.
    void advance() noexcept { m_steps.fetch_add(1, std::memory_order_relaxed); }
    // Whoever waited has given up: what the work still makes is nobody's.
    bool abandoned() const noexcept { return m_abandoned.load(); }
    quint64 steps() const noexcept { return m_steps.load(std::memory_order_relaxed); }

private:
    friend class DiskWork;
    std::atomic<quint64> m_steps {0};
    std::atomic<bool> m_abandoned {false};
};

// Work on the disk at `path`, run on a thread of its own so that a file system that stops
// answering holds that thread and nobody else. One thread at most serves a path: work asked for
// while a share still holds earlier work on it waits in line behind that, rather than leaving
// one more thread on the share with its own copy of what it works on.
class DiskWork
{
public:
    DiskWork(const QString &path, std::function<void(DiskProgress &)> work);
    DiskWork(const DiskWork &) = delete;
    DiskWork &operator=(const DiskWork &) = delete;

    // Whether the work has ended, waiting up to `within` for it.
    bool finished(std::chrono::milliseconds within = {});
    // Calls `call` on the work's thread as the work ends, or here and now if it has ended;
    // `nullptr` takes the call back. Whatever `call` reaches must live until it is taken back.
    void whenEnded(std::function<void()> call);
    // Whether `limit` has passed since the work last moved; asked again and again while waiting.
    bool stalled(std::chrono::milliseconds limit);
    // Nobody waits any more: work still in line never runs, running work learns it from its progress.
    void abandon();
    // Waits right here: true once the work ended, false once it stalled for `limit` and was abandoned.
    bool wait(std::chrono::milliseconds limit = kDiskWaitLimit);

private:
    std::shared_ptr<struct DiskJob> m_job;
    quint64 m_seen = 0;
    std::chrono::steady_clock::time_point m_moved;
};

// The result of `work` run by `run`, which gets the work as a function of its progress and says
// whether it ended; nothing when it did not. The result is shared with the thread, which may
// outlive the wait when it is abandoned.
template<typename Work, typename Run>
auto resultOfDiskWork(Work work, Run run) -> std::optional<std::invoke_result_t<Work &, DiskProgress &>>
{
    using Result = std::invoke_result_t<Work &, DiskProgress &>;
    auto result = std::make_shared<std::optional<Result>>();
    if (!run(std::function<void(DiskProgress &)>(
            [result, work = std::move(work)](DiskProgress &progress) mutable { result->emplace(work(progress)); })))
        return std::nullopt;
    return std::move(*result);
}

// Work that gives a result, waited for where no window is.
template<typename Work>
auto waitForDisk(const QString &path, Work work, std::chrono::milliseconds limit = kDiskWaitLimit)
{
    return resultOfDiskWork(std::move(work), [&](std::function<void(DiskProgress &)> job) {
        return DiskWork(path, std::move(job)).wait(limit);
    });
}

// Calls `ended` from the event loop of `context`'s thread once `work` has ended (true), or once
// it has gone `limit` without moving (false; it is then abandoned). Nothing waits meanwhile: the
// loop goes on serving the window, and nothing is called once `context` is gone.
void whenDiskWorkEnds(QObject *context, std::shared_ptr<DiskWork> work, std::chrono::milliseconds limit,
                      std::function<void(bool ended)> ended);

// Whether such a thread is still held: the program then ends without waiting for it.
bool diskWorkLeftBehind();

} // namespace platform
