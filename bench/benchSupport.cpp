#include "benchSupport.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/resource.h>

namespace bench {

double medianSeconds(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e9);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double medianProcessSeconds(int runs, const QString &command)
{
    const QByteArray line = (command + QStringLiteral(" >/dev/null 2>&1")).toLocal8Bit();
    return medianSeconds(runs, [&] {
        if (std::system(line.constData()) != 0)
            std::fprintf(stderr, "failed: %s\n", line.constData());
    });
}

double peakResidentMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void printRatio(const QString &label, double ratio)
{
    std::printf("%s: %.2f\n", label.toUtf8().constData(), ratio);
}

} // namespace bench
