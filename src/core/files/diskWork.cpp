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
    // Told from the work's thread, under the mutex, the moment the work ends.
    std::function<void()> ended;
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
            if (job->ended)
                job->ended();
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

void DiskWork::whenEnded(std::function<void()> call)
{
    const std::lock_guard lock(m_job->mutex);
    if (m_job->done && call)
        call();
    else
        m_job->ended = std::move(call);
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

namespace {

// Looks at the work every so often to see whether it stalled, and at once when its thread says it
// ended: a print or a list that takes a moment is not kept waiting for the next look on top.
class EndWatch final : public QTimer
{
public:
    EndWatch(QObject *context, std::shared_ptr<DiskWork> work, std::chrono::milliseconds limit,
             std::function<void(bool ended)> ended)
        : QTimer(context), m_work(std::move(work)), m_limit(limit), m_ended(std::move(ended))
    {
        connect(this, &QTimer::timeout, this, &EndWatch::look);
        start(kLook);
        // The thread may only post to this watch while it lives: it is told under the work's
        // mutex, which the destructor takes to tell the work it is gone.
        m_work->whenEnded([this] { QMetaObject::invokeMethod(this, &EndWatch::look, Qt::QueuedConnection); });
    }
    ~EndWatch() override { m_work->whenEnded(nullptr); }
    EndWatch(const EndWatch &) = delete;
    EndWatch &operator=(const EndWatch &) = delete;

private:
    void look()
    {
        if (!isActive())
            return;
        const bool finished = m_work->finished();
        if (!finished && !m_work->stalled(m_limit))
            return;
        if (!finished)
            m_work->abandon();
        stop();
        deleteLater();
        m_ended(finished);
    }

    std::shared_ptr<DiskWork> m_work;
    std::chrono::milliseconds m_limit;
    std::function<void(bool ended)> m_ended;
};

} // namespace

void whenDiskWorkEnds(QObject *context, std::shared_ptr<DiskWork> work, std::chrono::milliseconds limit,
                      std::function<void(bool ended)> ended)
{
    new EndWatch(context, std::move(work), limit, std::move(ended));
}

bool diskWorkLeftBehind()
{
    return g_running > 0;
}

} // namespace platform
