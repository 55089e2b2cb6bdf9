#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// Small timing helpers shared by the benchmark programs: medians of runs taken in turns, so
// that load which comes and goes during a run weighs on every contender alike, and whole
// processes timed the same way as in-process work.
namespace bench {

// Runs each piece of work once per round, `rounds` times in turn; the median time of each.
std::vector<double> interleavedMedianSeconds(int rounds, const std::vector<std::function<void()>> &work);
// Runs `command` through /bin/sh with its output discarded.
std::function<void()> process(const QString &command);
// Starts `program` itself, no shell between, with its output discarded, and waits for its end.
std::function<void()> spawned(const QString &program, const QStringList &arguments);
// Peak resident memory of this process so far, in MiB.
double peakResidentMiB();
// What `program` run to its end with `arguments` prints: its own peak resident memory, in MiB.
double childPeakResidentMiB(const QString &program, const QStringList &arguments);
void printRatio(const QString &label, double ratio);

} // namespace bench
