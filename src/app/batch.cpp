#include "batch.h"

#include "core/script/script.h"

#include "core/files/diskWork.h"
#include "core/text/textFile.h"
#include "widgets/output/printFileList.h"
#include "widgets/platform/printing/commonDialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The window's print procedure with no one at the screen: on the printer the command line named,
// or into a PDF made aside and then put in place as the list files are, so that a failure
// leaves an earlier file whole.
std::optional<Refused> print(const Request &request, const output::ShownList &shown)
{
    QWidget window; // the procedure's pointer is set on it; never shown
    platform::CommonDialog dialog(&window, QStringLiteral("CommonDialog"));
    const auto lines = [&shown]() -> std::optional<QStringList> { return output::listTextLines(shown); };
    const QTemporaryDir made;
    const QString pdf = made.filePath(QStringLiteral("list.pdf"));
    using Ended = platform::PrintOutcome::Ended;
    const auto outcome = request.output == Request::Output::Printer
        ? dialog.printLinesOn(request.printerName, lines, output::kPrintIndent)
        : (made.isValid() ? dialog.printLinesToPdf(pdf, lines, output::kPrintIndent) : platform::PrintOutcome{Ended::Aborted, {}});
    if (outcome.ended != Ended::Printed)
        return Refused{ExitCode::NotPrinted, platform::printAbortedText(outcome.reason)};
    if (request.output != Request::Output::Pdf)
        return std::nullopt;
    QFile printed(pdf);
    const QByteArray bytes = printed.open(QIODevice::ReadOnly) ? printed.readAll() : QByteArray();
    const QString target = QDir::toNativeSeparators(QFileInfo(request.pdfFile).absoluteFilePath());
    const auto failure = platform::waitForDisk(target, [target, bytes](platform::DiskProgress &progress) -> std::optional<QString> {
        QString reason;
        if (bytes.isEmpty() || !platform::replaceFile(target, bytes, &reason, &progress))
            return reason;
        return std::nullopt;
    });
    if (!failure)
        return Refused{ExitCode::DiskDoesNotAnswer, platform::noAnswerText(target)};
    if (*failure)
        return Refused{ExitCode::NotSaved, QStringLiteral("PDFファイルを保存できませんでした\n") + target + u'\n' + **failure};
    std::fputs((target + u'\n').toLocal8Bit().constData(), stdout);
    return std::nullopt;
}

} // namespace

int runBatch(int argc, char *argv[], const Request &request)
{
    // The arguments outlive the application, which keeps them.
    std::vector<char *> arguments(argv, argv + argc + 1);
    int count = argc;
    std::unique_ptr<QCoreApplication> app;
    if (request.output == Request::Output::Pdf || request.output == Request::Output::Printer) {
        // Fonts and the printer need a GUI application, and a script may run with no display.
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
            && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            static char platformOption[] = "-platform", offscreen[] = "offscreen";
            arguments.insert(arguments.begin() + 1, {platformOption, offscreen});
            count += 2;
        }
        app = std::make_unique<QApplication>(count, arguments.data());
    } else {
        app = std::make_unique<QCoreApplication>(count, arguments.data());
    }
    if (request.output == Request::Output::Txt || request.output == Request::Output::Csv)
        return scriptExitCode(exportForScript(request));
    const auto listed = listForScript(request, output::nothingToPrintText());
    if (const auto *refused = std::get_if<Refused>(&listed))
        return scriptExitCode(*refused);
    return scriptExitCode(print(request, std::get<output::ShownList>(listed)));
}
