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

// A window's printer: the dialog that picks it and the printer the lines go to, one and the
// same QPrinter. It lives as a child of its window, so a printer chosen once stays chosen for
// the next print from that window. The printer is made on the first print or preview, not before: making
// it loads the print support and asks the print server for its queues.
class CommonDialog : public QObject
{
    Q_OBJECT

public:
    CommonDialog(QWidget *window, const QString &name);
    ~CommonDialog() override;

    // The print procedure of both print commands: the printer dialog, the hourglass on the
    // window, the printers' face at 12 points, each of `lines` after `indent` spaces, the end of
    // the document, and the window's default pointer again. The lines are asked for once the
    // dialog has closed; when there are none, nothing reaches the printer. A step that fails,
    // the dialog dismissed, no lines to be had or the job refused, ends on the abort path. The
    // print server is asked whether it answers before anything else, and the job is sent, off
    // the window's thread within the wait's limit.
    void printLines(const std::function<std::optional<QStringList>()> &lines, int indent);
    // The same pages in Qt's print preview, drawn by the same steps on the same printer, the
    // hourglass up from before the lines are asked for until the preview closes. Its print
    // button closes it and runs printLines. No lines to be had, or a failure drawing them, ends
    // on the abort path.
    void previewLines(const std::function<std::optional<QStringList>()> &lines, int indent);

    // Why the print server refused the last job sent from here, in its own words; empty when
    // it took it, or no job went out.
    QString refusal() const { return m_refusal; }

    QPrinter &printer();
    LinePrinter &linePrinter();
    // A printer that fails on purpose, for tests; nullptr goes back to the real one.
    void setLinePrinter(LinePrinter *linePrinter) { m_linePrinter = linePrinter; }

private:
    // Whether the print server answers, asked off the window's thread.
    bool serverAnswers();
    // True when the person asked for the previewed pages to be printed.
    bool preview(const std::function<std::optional<QStringList>()> &lines, int indent);
    // The printers' face, then the lines, each after `indent` spaces, to the end of the document,
    // which is sent as a job, or only drawn for the preview.
    bool typeset(const std::function<std::optional<QStringList>()> &lines, int indent, bool send);
    bool sendDocument(LinePrinter &out);
    // Where the procedure goes when any step fails: the document begun is dropped and the
    // person is told, with the hourglass still up.
    void abortPrinting();

    QWidget *m_window;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<LinePrinter> m_qtLinePrinter;
    LinePrinter *m_linePrinter = nullptr;
    QString m_refusal;
};

} // namespace platform
