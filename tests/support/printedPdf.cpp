#include "printedPdf.h"

#include "platform/text/cp932.h"
#include "platform/window/fonts.h"

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

QList<QList<Row>> rows(const QString &pdfPath, QPrinter &printer)
{
    const qreal top = printer.pageLayout().paintRect(QPageLayout::Point).top();
    const qreal spacing =
        QFontMetricsF(platform::minchoFont(12), &printer).lineSpacing() * 72.0 / printer.resolution();
    QList<QList<Row>> pages(pageCount(pdfPath));
    for (const Word &word : words(pdfPath)) {
        QList<Row> &page = pages[word.page];
        const auto row = qsizetype(std::floor((word.box.bottom() - top) / spacing));
        if (page.size() <= row)
            page.resize(row + 1);
        page[row].append(word);
    }
    for (QList<Row> &page : pages) {
        for (Row &row : page)
            std::sort(row.begin(), row.end(), [](const Word &a, const Word &b) { return a.box.left() < b.box.left(); });
    }
    return pages;
}

QList<QStringList> lines(const QString &pdfPath, QPrinter &printer)
{
    const qreal left = printer.pageLayout().paintRect(QPageLayout::Point).left();
    QList<QStringList> pages;
    for (const QList<Row> &page : rows(pdfPath, printer)) {
        QStringList &text = pages.emplace_back();
        for (const Row &row : page) {
            QString line;
            for (const Word &word : row) {
                const int column = qRound((word.box.left() - left) / 6.0);
                // Two words on one line stand at least one space apart, or they would be one.
                line += QString(std::max(column - platform::displayCells(line), line.isEmpty() ? 0 : 1), u' ');
                line += word.text;
            }
            text.append(line);
        }
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
