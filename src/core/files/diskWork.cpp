#include "diskWork.h"

#include "nativeNames.h"

#include <QTimer>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

namespace platform {

struct DiskJob
{
    QString path;
    std::function<void(DiskProgress &)> work;
    DiskProgress progress;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
};

namespace {

// Threads still running work of ours; abandoned ones included.
std::atomic<int> g_running {0};

// How often a wait looks whether the work has moved.
constexpr std::chrono::milliseconds kLook {20};

// Starts `work` on a thread of its own that nobody waits for: a file system that does not
// answer may hold it for good.
void detachDiskWork(std::function<void()> work)
{
    ++g_running;
    std::thread([work = std::move(work)] {
        work();
        --g_running;
    }).detach();
}

// The work in line for each path that a thread serves; a path is here as long as its thread runs.
std::mutex g_linesMutex;
std::map<QString, std::deque<std::shared_ptr<DiskJob>>> g_lines;

// The next work in line for `path`; none, and the path given up by its thread, when the line is empty.
std::shared_ptr<DiskJob> nextInLine(const QString &path)
{
    const std::lock_guard lock(g_linesMutex);
    const auto line = g_lines.find(path);
    if (line->second.empty()) {
        g_lines.erase(line);
        return nullptr;
    }
    auto job = std::move(line->second.front());
    line->second.pop_front();
    return job;
}

void serve(const QString &path)
{
    for (auto job = nextInLine(path); job;) {
        if (!job->progress.abandoned()) {
            // Reaching work that waited in line means the share let go of the work before it.
            job->progress.advance();
            job->work(job->progress);
        }
        // What the work held goes now, not when its waiter lets go of it.
        job->work = nullptr;
        // The line is looked at before the waiter hears of the end: a script's run may end as
        // soon as it does, and its lines with it.
        auto following = nextInLine(path);
        {
            const std::lock_guard lock(job->mutex);
            job->done = true;
        }
        job->finished.notify_all();
        job = std::move(following);
    }
}

} // namespace

QString noAnswerText(const QString &path, std::chrono::milliseconds limit)
{
    return QStringLiteral("%1 秒待ちましたが応答がありません\n").arg(limit.count() / 1000) + displayName(path);
}

DiskWork::DiskWork(const QString &path, std::function<void(DiskProgress &)> work)
    : m_job(std::make_shared<DiskJob>()), m_moved(std::chrono::steady_clock::now())
{
    m_job->path = path;
    m_job->work = std::move(work);
    const std::lock_guard lock(g_linesMutex);
    auto [line, first] = g_lines.try_emplace(path);
    line->second.push_back(m_job);
    if (first)
        detachDiskWork([path] { serve(path); });
}

bool DiskWork::finished(std::chrono::milliseconds within)
{
    std::unique_lock lock(m_job->mutex);
    return m_job->finished.wait_for(lock, within, [this] { return m_job->done; });
}

bool DiskWork::stalled(std::chrono::milliseconds limit)
{
    const auto now = std::chrono::steady_clock::now();
    if (const quint64 steps = m_job->progress.steps(); steps != m_seen) {
        m_seen = steps;
        m_moved = now;
    }
    return now - m_moved >= limit;
}

void DiskWork::abandon()
{
    m_job->progress.m_abandoned = true;
    const std::lock_guard lock(g_linesMutex);
    // Its thread may have ended, and another taken the path since.
    if (const auto line = g_lines.find(m_job->path); line != g_lines.end())
        std::erase(line->second, m_job);
}

bool DiskWork::wait(std::chrono::milliseconds limit)
{
    while (!finished(kLook)) {
        if (stalled(limit)) {
            abandon();
            return false;
        }
    }
    return true;
}

void whenDiskWorkEnds(QObject *context, std::shared_ptr<DiskWork> work, std::chrono::milliseconds limit,
                      std::function<void(bool ended)> ended)
{
    // The thread cannot safely reach the loop, whose context may be gone by the time it ends.
    auto *poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, work = std::move(work), limit, ended = std::move(ended)] {
        const bool finished = work->finished();
        if (!finished && !work->stalled(limit))
            return;
        if (!finished)
            work->abandon();
        poll->stop();
        poll->deleteLater();
        ended(finished);
    });
    poll->start(kLook);
}

bool diskWorkLeftBehind()
{
    return g_running > 0;
}

} // namespace platform
