// Times the list build as a person triggers it (both passes and List1 filled) over a
// directory of 9,999 files with mixed names, against `ls -l` and a plain readdir/stat loop.
#include "benchSupport.h"

#include "main/frmVREL_FP.h"
#include "platform/controls/dirListBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include "platform/controls/listBox.h"
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

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString plainList = QCoreApplication::applicationDirPath() + QStringLiteral("/vrel-bench-plain-list");
    const int runs = 9;

    QTemporaryDir dir;
    makeFiles(dir.path(), 9999);

    frmVREL_FP window;
    window.show();
    window.Dir1->setPath(dir.path());
    const double build = bench::medianSeconds(runs, [&] { window.Combo1_KeyPress(13); });
    if (window.List1->count() != 9999)
        qFatal("the list build did not list every file");

    const double ls = bench::medianProcessSeconds(runs, QStringLiteral("ls -l '%1'").arg(dir.path()));
    const double plain = bench::medianProcessSeconds(runs, QStringLiteral("'%1' '%2'").arg(plainList, dir.path()));

    std::printf("list build (9,999 files): %.3f s\n", build);
    std::printf("ls -l (whole process): %.3f s\n", ls);
    std::printf("plain loop (whole process): %.3f s\n", plain);
    bench::printRatio(QStringLiteral("list build / ls -l"), build / ls);
    bench::printRatio(QStringLiteral("list build / plain loop"), build / plain);
    std::printf("peak resident memory with the list shown: %.1f MiB\n", bench::peakResidentMiB());
    return 0;
}
