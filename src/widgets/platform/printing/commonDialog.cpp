#include "commonDialog.h"

#include "linePrinter.h"
#include "printerDialog.h"
#include "printServer.h"
#include "widgets/platform/window/diskWait.h"
#include "widgets/platform/window/messageBox.h"
#include "widgets/platform/window/mousePointer.h"

#include <QAction>
#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace platform {

namespace {

// The face the printed lines are laid out for: fixed pitch, full-width characters two cells wide.
constexpr char16_t kPrinterFont[] = u"ＭＳ 明朝";
constexpr qreal kPrinterPoints = 12;
// Long enough for a loaded server on the network, short enough for a person to wait out.
constexpr std::chrono::seconds kServerPatience(3);

} // namespace

CommonDialog::CommonDialog(QWidget *window, const QString &name) : QObject(window), m_window(window)
{
    setObjectName(name);
}

CommonDialog::~CommonDialog() = default;

QPrinter &CommonDialog::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

LinePrinter &CommonDialog::linePrinter()
{
    if (m_linePrinter)
        return *m_linePrinter;
    if (!m_qtLinePrinter)
        m_qtLinePrinter = std::make_unique<QtLinePrinter>(printer());
    return *m_qtLinePrinter;
}

PrintOutcome CommonDialog::printLines(const Lines &lines, int indent)
{
    if (const auto silence = serverSilence())
        return abortPrinting(*silence);
    if (!showPrinterDialog(m_window, printer()))
        return abortPrinting();
    return send(lines, indent);
}

PrintOutcome CommonDialog::printLinesOn(const QString &printerName, const Lines &lines, int indent)
{
    if (const auto silence = serverSilence())
        return abortPrinting(*silence);
    const QString name = printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : printerName;
    if (name.isEmpty())
        return abortPrinting(QStringLiteral("プリンタがありません"));
    if (!QPrinterInfo::availablePrinterNames().contains(name))
        return abortPrinting(QStringLiteral("プリンタ %1 がありません").arg(name));
    printer().setPrinterName(name);
    return send(lines, indent);
}

PrintOutcome CommonDialog::printLinesToPdf(const QString &file, const Lines &lines, int indent)
{
    // Making the printer would still ask the print server for its queues, and wait on one that
    // hangs: this thread is told there is none.
    forgetPrintServer();
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(file);
    return send(lines, indent);
}

PrintOutcome CommonDialog::previewLines(const Lines &lines, int indent)
{
    if (const auto ended = preview(lines, indent))
        return *ended;
    setMousePointer(m_window, MousePointer::Default);
    return printLines(lines, indent);
}

PrintOutcome CommonDialog::send(const Lines &lines, int indent)
{
    setMousePointer(m_window, MousePointer::Hourglass);
    m_refusal.clear();
    if (!typeset(lines, indent, true))
        return abortPrinting(m_refusal);
    return {};
}

std::optional<PrintOutcome> CommonDialog::preview(const Lines &lines, int indent)
{
    if (const auto silence = serverSilence())
        return abortPrinting(*silence);
    setMousePointer(m_window, MousePointer::Hourglass);
    const std::optional<QStringList> text = lines();
    if (!text)
        return abortPrinting();

    QPrintPreviewDialog dialog(&printer(), m_window);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー - ") + m_window->windowTitle());
    // The pages shown are drawn as they are printed, on this printer, whose page setup the
    // preview changes for the prints after it too. A failure closes the preview, then says so.
    bool drawn = true;
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *) {
        if (drawn && !(drawn = typeset([&text] { return text; }, indent, false)))
            QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
    });
    // Qt's print button would print through a printer dialog of its own; this one closes the
    // preview for the print command's way.
    for (QAction *action : dialog.findChildren<QAction *>()) {
        if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print")) {
            action->disconnect(&dialog);
            connect(action, &QAction::triggered, &dialog, &QDialog::accept);
        }
    }
    const bool print = showPrintPreview(dialog);
    if (!drawn)
        return abortPrinting();
    if (!print)
        return PrintOutcome{PrintOutcome::Ended::Cancelled, {}};
    return std::nullopt;
}

std::optional<QString> CommonDialog::serverSilence()
{
    // Making the printer, the printer dialog and the job all wait on the server as long as it
    // takes, so it is asked first, every time: one that answered the last print may not now.
    // The check gives up on a server that takes the connection and says nothing; the wait, on
    // a name that does not resolve, and a window that is shown has said so already.
    const QString server = printServerName();
    const auto answers = waitOnDisk(m_window, server, [](DiskProgress &) { return printServerAnswers(kServerPatience); });
    if (!answers)
        return m_window->isVisible() ? QString() : noAnswerText(server);
    if (!*answers)
        return noAnswerText(server, kServerPatience);
    return std::nullopt;
}

bool CommonDialog::typeset(const Lines &lines, int indent, bool send)
{
    LinePrinter &out = linePrinter();
    if (!out.setFontName(QString::fromUtf16(kPrinterFont)) || !out.setFontSize(kPrinterPoints))
        return false;
    const std::optional<QStringList> text = lines();
    if (!text)
        return false;
    // An empty document would still feed a blank sheet through the printer.
    if (text->isEmpty())
        return out.discardDocument(), true;
    const QString margin(indent, u' ');
    for (const QString &line : *text) {
        if (!out.printLine(margin + line))
            return false;
    }
    return send ? sendDocument(out) : out.endDocument();
}

bool CommonDialog::sendDocument(LinePrinter &out)
{
    // The job goes to the print server, or into a file that may lie on a share: either may stop
    // answering. Only a job sent through the server can be refused there; libcups keeps its
    // answer per thread, so it is read on the thread that sent the job, right after it.
    const bool throughServer = printer().outputFormat() == QPrinter::NativeFormat;
    struct Sent
    {
        bool ended = false;
        QString refusal;
    };
    struct Printers
    {
        std::unique_ptr<QPrinter> printer;
        std::unique_ptr<LinePrinter> linePrinter;
    };
    auto kept = std::make_shared<Printers>();
    const auto sent = waitOnDisk(m_window, throughServer ? printServerName() : printer().outputFileName(),
                                 [target = &out, kept, throughServer](DiskProgress &) {
                                     const bool ended = target->endDocument();
                                     return Sent{ended, throughServer ? printServerRefusal() : QString()};
                                 });
    if (!sent) {
        // The thread left waiting still holds the printer: it keeps it, and the next print
        // makes another.
        kept->printer = std::move(m_printer);
        kept->linePrinter = std::move(m_qtLinePrinter);
        return false;
    }
    m_refusal = sent->refusal;
    return sent->ended && m_refusal.isEmpty();
}

PrintOutcome CommonDialog::abortPrinting(const QString &reason)
{
    // No printer is made only to be told to drop nothing.
    if (LinePrinter *out = m_linePrinter ? m_linePrinter : m_qtLinePrinter.get())
        out->discardDocument();
    return {PrintOutcome::Ended::Aborted, reason};
}

QString printAbortedText(const QString &reason)
{
    return QStringLiteral("印刷処理を中断します") + (reason.isEmpty() ? QString() : u'\n' + reason);
}

void tellPrintOutcome(QWidget *window, const PrintOutcome &outcome)
{
    if (outcome.ended == PrintOutcome::Ended::Aborted)
        messageBox(window, printAbortedText(outcome.reason));
    setMousePointer(window, MousePointer::Default);
}

} // namespace platform
