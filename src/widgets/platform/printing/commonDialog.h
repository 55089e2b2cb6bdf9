#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace platform {

class LinePrinter;

// How a print, or its preview, ended. Cancelled is the preview closed with nothing printed; the
// printer dialog dismissed aborts, as any step that fails does.
struct PrintOutcome
{
    enum class Ended { Printed, Cancelled, Aborted };
    Ended ended = Ended::Printed;
    // Why it was aborted, where more is known than that it stopped: no such printer, the print
    // server's silence, or its refusal in its own words.
    QString reason;
};

// What a person is told of an aborted print, and why where that is known.
QString printAbortedText(const QString &reason = {});
// The window's end of a print: an aborted one is told, with why, in a box under the pointer the
// print left up, then the window's default pointer is back, however it ended.
void tellPrintOutcome(QWidget *window, const PrintOutcome &outcome);

// A window's printer: the dialog that picks it and the printer the lines go to, one and the
// same QPrinter. It lives as a child of its window, so a printer chosen once stays chosen for
// the next print from that window. The printer is made on the first print or preview, not
// before: making it loads the print support and asks the print server for its queues.
class CommonDialog : public QObject
{
    Q_OBJECT

public:
    CommonDialog(QWidget *window, const QString &name);
    ~CommonDialog() override;

    using Lines = std::function<std::optional<QStringList>()>;

    // The print procedure of both print commands: the printer dialog, the hourglass on the
    // window, the printers' face at 12 points, each of `lines` after `indent` spaces, and the end
    // of the document. The lines are asked for once the dialog has closed; when there are none,
    // nothing reaches the printer. A step that fails, the dialog dismissed, no lines to be had or
    // the job refused, ends on the abort path. The print server is asked whether it answers
    // before anything else, and the job is sent, off the window's thread within the wait's limit.
    // The pointer is left as the procedure ends it, for tellPrintOutcome.
    PrintOutcome printLines(const Lines &lines, int indent);
    // The same, with no one to ask: on the printer named, or the default one for no name.
    PrintOutcome printLinesOn(const QString &printerName, const Lines &lines, int indent);
    // The same pages into a PDF file, with no print server asked or waited on.
    PrintOutcome printLinesToPdf(const QString &file, const Lines &lines, int indent);
    // The same pages in Qt's print preview, drawn by the same steps on the same printer, the
    // hourglass up from before the lines are asked for until the preview closes. Its print
    // button closes it and runs printLines. No lines to be had, or a failure drawing them, ends
    // on the abort path.
    PrintOutcome previewLines(const Lines &lines, int indent);

    QPrinter &printer();
    LinePrinter &linePrinter();
    // A printer that fails on purpose, for tests; nullptr goes back to the real one.
    void setLinePrinter(LinePrinter *linePrinter) { m_linePrinter = linePrinter; }

private:
    // Why the print server cannot be used now, asked off the window's thread (empty where a box
    // has said so); nothing when it answers.
    std::optional<QString> serverSilence();
    // Nothing when the person asked for the previewed pages to be printed.
    std::optional<PrintOutcome> preview(const Lines &lines, int indent);
    // The hourglass, then the pages typeset and sent as a job.
    PrintOutcome send(const Lines &lines, int indent);
    // The printers' face, then the lines, each after `indent` spaces, to the end of the document,
    // which is sent as a job, or only drawn for the preview.
    bool typeset(const Lines &lines, int indent, bool send);
    bool sendDocument(LinePrinter &out);
    // Where the procedure goes when any step fails: the document begun is dropped, the hourglass
    // still up.
    PrintOutcome abortPrinting(const QString &reason = {});

    QWidget *m_window;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<LinePrinter> m_qtLinePrinter;
    LinePrinter *m_linePrinter = nullptr;
    QString m_refusal;
};

} // namespace platform
