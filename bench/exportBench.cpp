// Times the export command on a list of 9,999 files, as a person would run it: the real
// window, the real list build and the real write into the listed directory.
//
// Usage: bench_export WORKDIR RUNS
// Against iconv converting UTF-8 text of the list file's byte size to code page 932, as a whole
// process; the two run in turns. Prints, per format, "FORMAT export-ms iconv-ms bytes", medians.

#include "benchSupport.h"
#include "widgets/main/frmVREL_FP.h"
#include "core/list/listFile.h"
#include "core/text/cp932.h"
#include "widgets/output/exportFileList.h"
#include "widgets/output/printFileList.h"
#include "widgets/platform/controls/dirListBox.h"
#include "widgets/platform/controls/listBox.h"
#include "widgets/platform/window/messageBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFiles = 9999;

class AlwaysOk final : public platform::MessageBoxService
{
public:
    platform::Answer ask(QWidget *, const platform::Message &) override { return platform::Answer::Ok; }
};

// Mostly plain names, every tenth one in kanji, sizes over several column widths.
bool makeFiles(const QString &dir)
{
    const QDateTime base(QDate(1997, 10, 21), QTime(9, 5, 0));
    for (int i = 0; i < kFiles; ++i) {
        const QString name = i % 10 == 0 ? u"資料%1.doc"_s.arg(i, 4, 10, QChar(u'0'))
                                         : u"report%1.txt"_s.arg(i, 4, 10, QChar(u'0'));
        QFile f(dir + u'/' + name);
        if (!f.open(QIODevice::WriteOnly) || !f.resize(qint64(i) * 37 % 100000)
            || !f.setFileTime(base.addSecs(qint64(i) * 61), QFileDevice::FileModificationTime))
            return false;
    }
    return true;
}

// The same lines in UTF-8, cut or padded with ASCII to exactly `size` bytes.
bool writeIconvInput(const QStringList &lines, qint64 size, const QString &target)
{
    QByteArray text;
    for (const QString &line : lines) {
        const QByteArray next = line.toUtf8() + "\r\n";
        if (text.size() + next.size() > size)
            break;
        text += next;
    }
    text += QByteArray(size - text.size(), 'x');
    QFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(text) == text.size();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: bench_export WORKDIR RUNS\n");
        return 2;
    }
    const QString &work = args.at(1);
    const int runs = std::max(1, args.at(2).toInt());
    const QString listed = work + u"/listed"_s;
    if (!QDir().mkpath(listed) || !makeFiles(listed)) {
        std::fprintf(stderr, "bench_export: cannot make the listed files in %s\n", qPrintable(listed));
        return 1;
    }

    AlwaysOk ok;
    platform::setMessageBoxService(&ok);
    frmVREL_FP window;
    output::attachExport(window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.Dir1->setPath(listed);
    if (window.List1->count() != kFiles) {
        std::fprintf(stderr, "bench_export: listed %d files, not %d\n", window.List1->count(), kFiles);
        return 1;
    }

    const struct
    {
        QRadioButton *option;
        const char *label;
        QString fileName;
    } formats[] = {{window.Option1, "TXT", u"VREL_FILE_LIST.TXT"_s}, {window.Option2, "CSV", u"VREL_FILE_LIST.CSV"_s}};
    for (const auto &format : formats) {
        format.option->setChecked(true);
        // One export first, for the size of the file that the plain tool's input matches.
        output::ExportFileList(window);
        const QString listFile = listed + u'/' + format.fileName;
        const qint64 size = QFileInfo(listFile).size();
        const auto listFormat = format.option == window.Option1 ? output::ListFormat::Txt : output::ListFormat::Csv;
        const QString text = platform::fromCp932(output::listFileBytes(listFormat, output::shownList(window)));
        const QString iconvInput = work + u"/iconv-"_s + QLatin1StringView(format.label) + u".txt"_s;
        if (!writeIconvInput(text.split(u"\r\n"_s, Qt::SkipEmptyParts), size, iconvInput))
            return 1;
        const std::vector<std::function<void()>> work{
            [&window] { output::ExportFileList(window); },
            bench::spawned(u"iconv"_s, {u"-f"_s, u"UTF-8"_s, u"-t"_s, u"CP932"_s, u"-o"_s, iconvInput + u".out"_s, iconvInput})};
        bench::interleavedMedianSeconds(3, work);
        const std::vector<double> medians = bench::interleavedMedianSeconds(runs, work);
        std::printf("%s %.3f %.3f %lld\n", format.label, medians[0] * 1e3, medians[1] * 1e3, static_cast<long long>(size));
    }
    platform::setMessageBoxService(nullptr);
    return 0;
}
