#pragma once

#include "linePrinter.h"

#include <QObject>
#include <QPrinter>

class QWidget;

namespace platform {

// A window's printer: the dialog that picks it and the printer the lines go to, one and the
// same QPrinter. It lives as a child of its window, so a printer chosen once stays chosen for
// the next print from that window.
class CommonDialog : public QObject
{
    Q_OBJECT

public:
    CommonDialog(QWidget *window, const QString &name);

    // Modal; false when the dialog was dismissed.
    bool ShowPrinter();

    QPrinter &printer() { return m_printer; }
    LinePrinter &linePrinter();
    // Tests print through a printer of their own; nullptr goes back to the real one.
    void setLinePrinter(LinePrinter *linePrinter) { m_linePrinter = linePrinter; }

    // Where a print command goes when any step fails: the document begun is dropped, the
    // person is told, and the window gets its default pointer back.
    void abortPrinting();

private:
    QWidget *m_window;
    QPrinter m_printer{QPrinter::HighResolution};
    QtLinePrinter m_qtLinePrinter{m_printer};
    LinePrinter *m_linePrinter = nullptr;
};

} // namespace platform
