#pragma once

#include "core/files/diskWork.h"

class QWidget;

namespace platform {

// Runs `work` on a thread of its own, so that a file system that stops answering holds that
// thread and never the window. Work that ends at once returns at once; longer work shows the
// hourglass, and the windows keep painting, moving and closing and the menus answer while the
// controls take no input. Once the work has not moved for `limit` the person is told that `path`
// does not answer and the work is abandoned, and a thread stuck in the kernel is left to it.
// Returns false when the work was abandoned, or the program is closing; true once it ran.
bool runOffWindow(QWidget *window, const QString &path, std::function<void(DiskProgress &)> work,
                  std::chrono::milliseconds limit = kDiskWaitLimit);

// The same, for work that gives a result.
template<typename Work>
auto waitOnDisk(QWidget *window, const QString &path, Work work, std::chrono::milliseconds limit = kDiskWaitLimit)
{
    return resultOfDiskWork(std::move(work), [&](std::function<void(DiskProgress &)> job) {
        return runOffWindow(window, path, std::move(job), limit);
    });
}

} // namespace platform
