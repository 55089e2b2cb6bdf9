#include "batch.h"

#include "script.h"

#include "output/printFileList.h"
#include "platform/files/diskWork.h"
#include "platform/printing/commonDialog.h"
#include "platform/printing/printerDialog.h"
#include "platform/text/textFile.h"
#include "platform/window/messageBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// In place of the print procedure's printer dialog and message boxes: the printer is the one
// the command line named, and what a box would say is kept for standard error.
class Unattended final : public platform::MessageBoxService, public platform::PrinterDialogService
{
public:
    explicit Unattended(const Request &request) : m_request(request)
    {
        platform::setMessageBoxService(this);
        platform::setPrinterDialogService(this);
    }
    ~Unattended() override
    {
        platform::setMessageBoxService(nullptr);
        platform::setPrinterDialogService(nullptr);
    }
    Unattended(const Unattended &) = delete;
    Unattended &operator=(const Unattended &) = delete;

    platform::Answer ask(QWidget *, const platform::Message &message) override
    {
        told.append(message.text);
        return platform::Answer::Cancel;
    }

    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        if (m_request.output == Request::Output::Pdf) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath());
            return m_pdf.isValid();
        }
        const QString name = m_request.printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : m_request.printerName;
        if (name.isEmpty() || !QPrinterInfo::availablePrinterNames().contains(name)) {
            told.append(name.isEmpty() ? QStringLiteral("プリンタがありません")
                                       : QStringLiteral("プリンタ %1 がありません").arg(name));
            return false;
        }
        printer.setPrinterName(name);
        return true;
    }

    QString pdfPath() const { return m_pdf.filePath(QStringLiteral("list.pdf")); }

    QStringList told;

private:
    const Request &m_request;
    QTemporaryDir m_pdf;
};

std::optional<Refused> print(const Request &request, const output::ShownList &shown)
{
    if (request.output == Request::Output::Pdf) {
        // A PDF needs no print server: libcups is pointed at none, so that making the printer
        // neither lists a server's queues nor waits on one that hangs.
        qputenv("CUPS_SERVER", "/nonexistent/vrel-fileprint");
    }
    Unattended unattended(request);
    QWidget window; // the procedure's pointer is set on it; never shown
    platform::CommonDialog dialog(&window, QStringLiteral("CommonDialog"));
    dialog.printLines([&shown]() -> std::optional<QStringList> { return output::listingLines(shown); }, output::kPrintIndent);
    if (!unattended.told.isEmpty()) {
        // The procedure's own words, then why: by itself it only says that it stopped.
        QStringList said = unattended.told;
        std::rotate(said.begin(), said.end() - 1, said.end());
        if (said.size() == 1 && request.output == Request::Output::Printer)
            said.append(dialog.refusal());
        said.removeAll(QString());
        return Refused{ExitCode::NotPrinted, said.join(u'\n')};
    }
    if (request.output != Request::Output::Pdf)
        return std::nullopt;
    // Made aside, then put in place as the list files are: a failure leaves an earlier file whole.
    QFile made(unattended.pdfPath());
    const QByteArray pdf = made.open(QIODevice::ReadOnly) ? made.readAll() : QByteArray();
    const QString target = QDir::toNativeSeparators(QFileInfo(request.pdfFile).absoluteFilePath());
    const auto failure = platform::waitForDisk(target, [target, pdf](platform::DiskProgress &progress) -> std::optional<QString> {
        QString reason;
        if (pdf.isEmpty() || !platform::replaceFile(target, pdf, &reason, &progress))
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
    std::unique_ptr<QCoreApplication> app;
    if (request.output == Request::Output::Pdf || request.output == Request::Output::Printer) {
        // Fonts and the printer need a GUI application, and a script may run with no display.
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
            && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    if (request.output == Request::Output::Txt || request.output == Request::Output::Csv)
        return scriptExitCode(exportForScript(request));
    const auto listed = listForScript(request, output::nothingToPrintText());
    if (const auto *refused = std::get_if<Refused>(&listed))
        return scriptExitCode(*refused);
    return scriptExitCode(print(request, std::get<output::ShownList>(listed)));
}
