// Times the list build as a person triggers it (both passes, List1 and File1 filled) over a
// directory of 9,999 files with mixed names, against `ls -l` and a plain readdir/stat loop,
// the three in turn; then the peak memory of a fresh process that has built and shown the list
// once, as a person's program would have it, against a bare Qt window's.
#include "benchSupport.h"

#include "widgets/main/frmVREL_FP.h"
#include "widgets/platform/controls/dirListBox.h"
#include "widgets/platform/controls/listBox.h"
#include "widgets/platform/controls/patternBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void makeFiles(const QString &dir, int count)
{
    const QStringList stems = {QStringLiteral("report"), QStringLiteral("報告書"), QStringLiteral("ｶﾀｶﾅ"),
                               QStringLiteral("IMG_"), QStringLiteral("archive"), QStringLiteral("議事録ver")};
    const QStringList extensions = {QStringLiteral(".txt"), QStringLiteral(".jpg"), QStringLiteral(".tar.gz"),
                                    QString(), QStringLiteral(".doc"), QStringLiteral(".csv")};
    for (int i = 0; i < count; ++i) {
        QFile f(dir + u'/' + stems[i % stems.size()] + QString::number(i) + extensions[(i / 7) % extensions.size()]);
        if (!f.open(QIODevice::WriteOnly) || !f.resize((i * 7919) % 200000))
            qFatal("cannot make benchmark files");
    }
}

} // namespace

// With --shown DIR: one build of DIR shown, then this process's peak memory in MiB. Measured in
// a process of its own, so that the timing rounds and the files made for them are not counted.
int showOnce(const QString &dir)
{
    frmVREL_FP window;
    window.show();
    window.Dir1->setPath(dir); // a new directory is listed at once
    if (window.List1->count() != 9999)
        return 1;
    QCoreApplication::processEvents();
    std::printf("%.1f\n", bench::peakResidentMiB());
    return 0;
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && QByteArrayView(argv[1]) == "--shown")
        return showOnce(QString::fromLocal8Bit(argv[2]));
    const QString plainList = QCoreApplication::applicationDirPath() + QStringLiteral("/vrel-bench-plain-list");
    const QString bareWindow = QCoreApplication::applicationDirPath() + QStringLiteral("/vrel-bench-bare-window");
    const int rounds = 15;

    QTemporaryDir dir;
    makeFiles(dir.path(), 9999);

    frmVREL_FP window;
    window.show();
    window.Dir1->setPath(dir.path());
    const auto medians = bench::interleavedMedianSeconds(
        rounds, {[&] { window.Combo1_KeyPress(frmVREL_FP::kEnterKeyAscii); },
                 bench::process(QStringLiteral("ls -l '%1'").arg(dir.path())),
                 bench::process(QStringLiteral("'%1' '%2'").arg(plainList, dir.path()))});
    if (window.List1->count() != 9999)
        qFatal("the list build did not list every file");
    const double build = medians[0], ls = medians[1], plain = medians[2];

    std::printf("list build (9,999 files, median of %d): %.4f s\n", rounds, build);
    std::printf("ls -l (whole process): %.4f s\n", ls);
    std::printf("plain loop (whole process): %.4f s\n", plain);
    bench::printRatio(QStringLiteral("list build / ls -l"), build / ls);
    bench::printRatio(QStringLiteral("list build / plain loop"), build / plain);
    std::printf("peak resident memory with the list shown: %.1f MiB\n",
                bench::childPeakResidentMiB(QCoreApplication::applicationFilePath(), {QStringLiteral("--shown"), dir.path()}));
    std::printf("peak resident memory of a bare Qt window: %.1f MiB\n",
                bench::childPeakResidentMiB(bareWindow, {QStringLiteral("--quit")}));
    return 0;
}
