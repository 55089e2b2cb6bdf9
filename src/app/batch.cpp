#include "batch.h"

#include "main/listBuild.h"
#include "output/exportFileList.h"
#include "output/listFile.h"
#include "output/listing.h"
#include "output/printFileList.h"
#include "platform/controls/dirListBox.h"
#include "platform/files/paths.h"
#include "platform/printing/commonDialog.h"
#include "platform/printing/printServer.h"
#include "platform/printing/printerDialog.h"
#include "platform/text/textFile.h"
#include "platform/window/messageBox.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

struct Refused
{
    int exitCode;
    QString text;
};

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
            printer.setOutputFileName(m_pdf.filePath(QStringLiteral("list.pdf")));
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
        std::rotate(unattended.told.begin(), unattended.told.end() - 1, unattended.told.end());
        return Refused{NotPrinted, unattended.told.join(u'\n')};
    }
    if (request.output != Request::Output::Pdf)
        return std::nullopt;
    QFile made(unattended.pdfPath());
    QString reason;
    const QString target = platform::directoryListPath(request.pdfFile);
    if (!made.open(QIODevice::ReadOnly) || !platform::writeTextFile(target, made.readAll(), &reason))
        return Refused{NotSaved, QStringLiteral("PDFファイルを保存できませんでした\n") + target + u'\n' + reason};
    std::fputs((target + u'\n').toLocal8Bit().constData(), stdout);
    return std::nullopt;
}

// The window's list build, step for step, and what follows it.
std::optional<Refused> listAndOutput(const Request &request)
{
    const QString directory = platform::directoryListPath(request.folder);
    const std::optional<platform::ListedFiles> files = platform::listFiles(directory, request.pattern);
    if (!files)
        return Refused{CannotOpenDirectory, platform::DirListBox::cannotOpenText(directory)};
    if (files->size() > listing::kFileLimit)
        return Refused{TooManyFiles, listing::tooManyFilesText(listing::kFileLimit)};
    if (listing::isBlankPattern(request.pattern))
        return Refused{NoPattern, listing::noPatternText()};
    auto built = listing::buildFileList(directory, *files);
    if (const auto *unreadable = std::get_if<listing::UnreadableFile>(&built))
        return Refused{UnreadableFile, listing::unreadableFileText(unreadable->path)};
    auto table = std::make_shared<const listing::FileTable>(std::get<listing::FileTable>(std::move(built)));
    const bool printing = request.output == Request::Output::Pdf || request.output == Request::Output::Printer;
    if (table->size() < 1)
        return Refused{NoFiles, printing ? output::nothingToPrintText() : output::nothingToExportText()};
    listing::storeInModule1(table);
    const output::ShownList shown{directory, request.pattern, table, table->totalBytes, table->nameWidth, table->extWidth,
                                  table->sizeWidth};
    if (printing)
        return print(request, shown);

    const auto format = request.output == Request::Output::Csv ? output::ListFormat::Csv : output::ListFormat::Txt;
    const output::SavedListFile saved = output::saveListFile(format, shown);
    if (!saved.failure.isEmpty())
        return Refused{NotSaved, saved.failure};
    std::fputs((saved.path + u'\n').toLocal8Bit().constData(), stdout);
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
    if (const std::optional<Refused> refused = listAndOutput(request)) {
        tellOnStandardError(refused->text);
        return refused->exitCode;
    }
    return Done;
}
