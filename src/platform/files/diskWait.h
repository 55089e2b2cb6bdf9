#pragma once

#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace platform {

// How long the window waits on a disk, a share or a server before it gives up: long enough for
// a file server or a NAS that was asleep to spin up and answer, short enough that a person does
// not take the program for hung.
inline constexpr std::chrono::milliseconds kDiskWaitLimit {10000};

// The words a person gets when `path` did not answer within the limit.
QString noAnswerText(const QString &path);

// Runs `work` on a thread of its own, so that a file system that stops answering holds that
// thread and never the window. Work that ends at once returns at once; longer work shows the
// hourglass, and the windows keep painting, moving and closing and the menus answer while the
// controls take no input. After `limit` the person is told that `path` does not answer and the
// work is abandoned: `abandoned` becomes true for it, and a thread stuck in the kernel is left
// to it. Returns false when the work was abandoned, or the program is closing; true once it ran.
bool runOffWindow(QWidget *window, const QString &path, std::function<void(const std::atomic<bool> &abandoned)> work,
                  std::chrono::milliseconds limit = kDiskWaitLimit);

// The same, for work that gives a result.
template<typename Work>
auto waitOnDisk(QWidget *window, const QString &path, Work work, std::chrono::milliseconds limit = kDiskWaitLimit)
    -> std::optional<decltype(work(std::declval<const std::atomic<bool> &>()))>
{
    using Result = decltype(work(std::declval<const std::atomic<bool> &>()));
    // Shared with the thread, which may outlive this call when it is abandoned.
    auto result = std::make_shared<std::optional<Result>>();
    if (!runOffWindow(window, path, [result, work = std::move(work)](const std::atomic<bool> &abandoned) {
            result->emplace(work(abandoned));
        }, limit))
        return std::nullopt;
    return std::move(*result);
}

// Starts `work` on a thread of its own that nobody waits for: a file system that does not
// answer may hold it for good.
void detachDiskWork(std::function<void()> work);

// Whether such a thread is still held: the program then ends without waiting for it.
bool diskWorkLeftBehind();

} // namespace platform
