#pragma once

#include <QFont>
#include <QList>
#include <QString>

class QPrinter;

namespace platform {

// The printer as the print commands see it: a font, then one line after another, then the
// end of the document, or its discarding when a command gives up half way. Every step says
// whether it worked, so that a command can leave by its abort path.
class LinePrinter
{
public:
    virtual ~LinePrinter() = default;
    virtual bool setFontName(const QString &name) = 0;
    virtual bool setFontSize(qreal points) = 0;
    // The next line starts one line lower at the left edge; a line that no longer fits goes
    // to the top of a new page. Nothing is wrapped or cut.
    virtual bool printLine(const QString &text) = 0;
    // The pages printed so far go to the printer as one job.
    virtual bool endDocument() = 0;
    // Nothing of the document begun reaches the printer; the next line begins a new one.
    virtual void discardDocument() = 0;
};

// Prints on a QPrinter. The lines wait here until the document ends and only then go to the
// printer in one run, so that a discarded document never leaves half a job in the queue.
class QtLinePrinter final : public LinePrinter
{
public:
    explicit QtLinePrinter(QPrinter &printer);

    bool setFontName(const QString &name) override;
    bool setFontSize(qreal points) override;
    bool printLine(const QString &text) override;
    bool endDocument() override;
    void discardDocument() override;

private:
    struct Line
    {
        QFont font;
        QString text;
    };

    QPrinter &m_printer;
    QString m_fontName;
    qreal m_points = 12;
    QFont m_font;
    QList<Line> m_lines;
};

} // namespace platform
