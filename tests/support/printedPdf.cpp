#include "printedPdf.h"

#include "platform/cp932.h"
#include "platform/fonts.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace printedPdf {

namespace {

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

} // namespace

void printTo(QPrinter &printer, const QString &pdfPath)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
}

int pageCount(const QString &pdfPath)
{
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdfPath}));
    return QRegularExpression(QStringLiteral("^Pages:\\s*(\\d+)"), QRegularExpression::MultilineOption)
        .match(info)
        .captured(1)
        .toInt();
}

QList<Word> words(const QString &pdfPath)
{
    QXmlStreamReader xml(run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                                           QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")}));
    QList<Word> result;
    int page = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"page")
            ++page;
        if (xml.name() != u"word")
            continue;
        const auto a = xml.attributes();
        const auto at = [&a](const char *name) { return a.value(QLatin1StringView(name)).toDouble(); };
        result.append({page, QRectF(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax"))), xml.readElementText()});
    }
    return result;
}

QList<QList<Word>> wordLines(const QList<Word> &words, int page)
{
    // Words of one line share their font, hence the bottom of their boxes.
    const auto row = [](const Word &w) { return qRound(w.box.bottom() * 10); };
    QList<Word> onPage;
    for (const Word &w : words) {
        if (w.page == page)
            onPage.append(w);
    }
    std::stable_sort(onPage.begin(), onPage.end(), [&](const Word &a, const Word &b) {
        return row(a) != row(b) ? row(a) < row(b) : a.box.left() < b.box.left();
    });
    QList<QList<Word>> lines;
    for (const Word &w : onPage) {
        if (lines.isEmpty() || row(lines.last().first()) != row(w))
            lines.append(QList<Word>());
        lines.last().append(w);
    }
    return lines;
}

QList<QStringList> lines(const QString &pdfPath, QPrinter &printer)
{
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const qreal spacing =
        QFontMetricsF(platform::minchoFont(12), &printer).lineSpacing() * 72.0 / printer.resolution();
    QList<QStringList> pages(pageCount(pdfPath));
    for (const Word &word : words(pdfPath)) {
        QStringList &text = pages[word.page];
        const auto row = qsizetype(std::floor((word.box.bottom() - area.top()) / spacing));
        while (text.size() <= row)
            text.append(QString());
        QString &line = text[row];
        const int column = qRound((word.box.left() - area.left()) / 6.0);
        // Two words on one line stand at least one space apart, or they would be one.
        line += QString(std::max(column - platform::displayCells(line), line.isEmpty() ? 0 : 1), u' ') + word.text;
    }
    return pages;
}

QStringList seen(const QStringList &text, int indent)
{
    QStringList out;
    for (const QString &line : text) {
        QString printed = QString(indent, u' ') + line;
        while (printed.endsWith(u' '))
            printed.chop(1);
        out.append(printed);
    }
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

} // namespace printedPdf
