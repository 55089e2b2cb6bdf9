// Prints a 9,999-line list to PDF through the program's own print path, and the same lines
// through a bare QPainter loop on a QPrinter in the same face, for run_print.sh to compare.
// Usage: vrel-bench-print WORKDIR [RUNS]; writes print.pdf, minimal.pdf and lines.txt there
// and reports key=value lines on standard output.

#include "widgets/main/frmVREL_FP.h"
#include "widgets/output/printFileList.h"
#include "widgets/platform/controls/dirListBox.h"
#include "widgets/platform/printing/commonDialog.h"
#include "widgets/platform/printing/linePrinter.h"
#include "widgets/platform/printing/printerDialog.h"
#include "widgets/platform/window/fonts.h"
#include "widgets/platform/window/messageBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include "widgets/platform/controls/listBox.h"
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kFiles = 9999 - 7; // the header, the closing rule and the total make up the rest

class AcceptingDialog final : public platform::PrinterDialogService
{
public:
    bool choosePrinter(QWidget *, QPrinter &) override { return true; }
};

// Any box at all means the print did not go through; say so and carry on.
class FailingBoxes final : public platform::MessageBoxService
{
public:
    platform::Answer ask(QWidget *, const platform::Message &message) override
    {
        std::fprintf(stderr, "message box: %s\n", qPrintable(message.text));
        failed = true;
        return platform::Answer::Ok;
    }
    bool failed = false;
};

// Passes the lines on and keeps a copy, for the other two printers to print the same.
class RecordingPrinter final : public platform::LinePrinter
{
public:
    explicit RecordingPrinter(platform::LinePrinter &inner) : m_inner(inner) {}
    bool setFontName(const QString &name) override { return m_inner.setFontName(name); }
    bool setFontSize(qreal points) override { return m_inner.setFontSize(points); }
    bool printLine(const QString &text) override
    {
        lines.append(text);
        return m_inner.printLine(text);
    }
    bool endDocument() override { return m_inner.endDocument(); }
    void discardDocument() override { m_inner.discardDocument(); }
    QStringList lines;

private:
    platform::LinePrinter &m_inner;
};

// The printer is made once, outside the timing, as the program's own printer is.
void minimalLoop(QPrinter &printer, const QStringList &lines)
{
    QPainter painter(&printer);
    painter.setFont(platform::minchoFont(12));
    const QFontMetricsF metrics(painter.font(), &printer);
    const qreal height = metrics.lineSpacing();
    qreal top = 0;
    for (const QString &line : lines) {
        if (top > 0 && top + height > printer.height()) {
            printer.newPage();
            top = 0;
        }
        painter.drawText(QPointF(0, top + metrics.ascent()), line);
        top += height;
    }
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s WORKDIR [RUNS]\n", argv[0]);
        return 2;
    }
    const QDir work(QString::fromLocal8Bit(argv[1]));
    const int runs = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 5;

    QTemporaryDir listed;
    for (int i = 1; i <= kFiles; ++i) {
        QFile file(listed.filePath(QStringLiteral("帳票%1.dat").arg(i, 4, 10, QChar(u'0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(i % 97, 'x')) != i % 97)
            return 1;
    }

    AcceptingDialog dialog;
    FailingBoxes boxes;
    platform::setPrinterDialogService(&dialog);
    platform::setMessageBoxService(&boxes);

    frmVREL_FP window;
    output::attachPrinting(window);
    window.show();
    QApplication::processEvents();
    if (!window.Dir1->setPath(listed.path()) || window.List1->count() != kFiles) {
        std::fprintf(stderr, "the list was not built: %d lines\n", int(window.List1->count()));
        return 1;
    }

    platform::CommonDialog &common = *window.CommonDialog;
    const QString printPdf = work.filePath(QStringLiteral("print.pdf"));
    common.printer().setOutputFormat(QPrinter::PdfFormat);
    common.printer().setOutputFileName(printPdf);

    RecordingPrinter recorder(common.linePrinter());
    common.setLinePrinter(&recorder);
    window.Command1_Click();
    common.setLinePrinter(nullptr);
    if (boxes.failed || recorder.lines.size() != 9999)
        return 1;

    const QString minimalPdf = work.filePath(QStringLiteral("minimal.pdf"));
    QPrinter minimalPrinter(QPrinter::HighResolution);
    minimalPrinter.setOutputFormat(QPrinter::PdfFormat);
    minimalPrinter.setOutputFileName(minimalPdf);

    // Turn about, so that whatever else the machine does falls on both alike.
    QList<double> printTimes;
    QList<double> minimalTimes;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        window.Command1_Click();
        printTimes.append(double(timer.nsecsElapsed()) / 1e9);
        timer.restart();
        minimalLoop(minimalPrinter, recorder.lines);
        minimalTimes.append(double(timer.nsecsElapsed()) / 1e9);
    }
    if (boxes.failed)
        return 1;

    QFile text(work.filePath(QStringLiteral("lines.txt")));
    if (!text.open(QIODevice::WriteOnly))
        return 1;
    text.write(recorder.lines.join(u'\n').toUtf8() + '\n');
    text.close();

    QTextStream out(stdout);
    out << "lines=" << recorder.lines.size() << '\n';
    out << "print_seconds=" << median(printTimes) << '\n';
    out << "print_bytes=" << QFileInfo(printPdf).size() << '\n';
    out << "minimal_seconds=" << median(minimalTimes) << '\n';
    out << "minimal_bytes=" << QFileInfo(minimalPdf).size() << '\n';
    return 0;
}
