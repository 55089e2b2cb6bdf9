// The yardstick for start to window and for memory: an empty main window and nothing else,
// built against the same Qt. With --quit it leaves once its first paint is surely done and
// prints its peak resident memory in MiB. Built with VREL_WITH_TEXT it shows one line of
// Japanese and nothing else: the least any window of this program's kind must pay for its
// fonts, which the empty window never loads.
#include "benchSupport.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
#ifdef VREL_WITH_TEXT
    window.setCentralWidget(new QLabel(QStringLiteral("ファイル一覧")));
#endif
    window.show();
    if (!QCoreApplication::arguments().contains(QStringLiteral("--quit")))
        return QApplication::exec();
    QTimer::singleShot(200, &app, &QCoreApplication::quit);
    QApplication::exec();
    std::printf("%.1f\n", bench::peakResidentMiB());
    return 0;
}
