#include "benchSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

namespace bench {

std::vector<double> interleavedMedianSeconds(int rounds, const std::vector<std::function<void()>> &work)
{
    std::vector<std::vector<double>> times(work.size());
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < work.size(); ++i) {
            QElapsedTimer timer;
            timer.start();
            work[i]();
            times[i].push_back(double(timer.nsecsElapsed()) / 1e9);
        }
    }
    std::vector<double> medians;
    for (std::vector<double> &t : times) {
        std::sort(t.begin(), t.end());
        medians.push_back(t[t.size() / 2]);
    }
    return medians;
}

std::function<void()> process(const QString &command)
{
    const QByteArray line = (command + QStringLiteral(" >/dev/null 2>&1")).toLocal8Bit();
    return [line] {
        if (std::system(line.constData()) != 0)
            std::fprintf(stderr, "failed: %s\n", line.constData());
    };
}

std::function<void()> spawned(const QString &program, const QStringList &arguments)
{
    std::vector<QByteArray> args{program.toLocal8Bit()};
    for (const QString &a : arguments)
        args.push_back(a.toLocal8Bit());
    return [args] {
        std::vector<char *> argv;
        for (const QByteArray &a : args)
            argv.push_back(const_cast<char *>(a.constData()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        int status = 0;
        if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0 || waitpid(pid, &status, 0) != pid
            || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            std::fprintf(stderr, "failed: %s\n", argv[0]);
        posix_spawn_file_actions_destroy(&actions);
    };
}

double peakResidentMiB()
{
    // VmHWM, not getrusage: a child's ru_maxrss keeps the high water of the parent it forked from.
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

double childPeakResidentMiB(const QString &program, const QStringList &arguments)
{
    QProcess child;
    child.start(program, arguments);
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return 0;
    return child.readAllStandardOutput().trimmed().toDouble();
}

void printRatio(const QString &label, double ratio)
{
    std::printf("%s: %.2f\n", label.toUtf8().constData(), ratio);
}

} // namespace bench
