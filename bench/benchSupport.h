#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Small timing helpers shared by the benchmark programs: medians of repeated runs, whole
// processes timed the same way as in-process work.
namespace bench {

double medianSeconds(int runs, const std::function<void()> &work);
// Runs `command` through /bin/sh with its output discarded; the time covers the whole process.
double medianProcessSeconds(int runs, const QString &command);
// Peak resident memory of this process so far, in MiB.
double peakResidentMiB();
void printRatio(const QString &label, double ratio);

} // namespace bench
