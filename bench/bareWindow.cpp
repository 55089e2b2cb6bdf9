// The yardstick for start to window and for memory: an empty main window and nothing else,
// built against the same Qt. With --quit it leaves once its first paint is surely done and
// prints its peak resident memory in MiB.
#include "benchSupport.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    if (!QCoreApplication::arguments().contains(QStringLiteral("--quit")))
        return QApplication::exec();
    QTimer::singleShot(200, &app, &QCoreApplication::quit);
    QApplication::exec();
    std::printf("%.1f\n", bench::peakResidentMiB());
    if (qEnvironmentVariableIsSet("STOPHERE")) { std::system(QStringLiteral("cp /proc/%1/smaps /tmp/smaps.bare").arg(QCoreApplication::applicationPid()).toLocal8Bit()); }
    return 0;
}
