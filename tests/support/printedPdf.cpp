#include "printedPdf.h"

#include <QProcess>
#include <QXmlStreamReader>

#include <algorithm>
#include <iterator>

namespace printedPdf {

namespace {

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

} // namespace

QList<QStringList> pages(const QString &pdfPath)
{
    QList<QStringList> result;
    const int count = pageCount(pdfPath);
    for (int page = 1; page <= count; ++page) {
        const QString pageText = QString::fromUtf8(
            run(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), QStringLiteral("-nopgbrk"),
                 QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page), pdfPath,
                 QStringLiteral("-")}));
        QStringList lines = pageText.split(u'\n');
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
            lines.removeLast();
        result.append(lines);
    }
    return result;
}

int pageCount(const QString &pdfPath)
{
    const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdfPath}));
    for (const QString &line : info.split(u'\n')) {
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return 0;
}

QList<Word> words(const QString &pdfPath)
{
    const QByteArray xhtml = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                                              QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
    QList<Word> result;
    QXmlStreamReader xml(xhtml);
    int page = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"page") {
            ++page;
        } else if (xml.name() == u"word") {
            const auto a = xml.attributes();
            const QPointF topLeft(a.value(QLatin1StringView("xMin")).toDouble(), a.value(QLatin1StringView("yMin")).toDouble());
            const QPointF bottomRight(a.value(QLatin1StringView("xMax")).toDouble(), a.value(QLatin1StringView("yMax")).toDouble());
            result.append({page, QRectF(topLeft, bottomRight), xml.readElementText()});
        }
    }
    return result;
}

QList<QList<Word>> wordLines(const QList<Word> &words, int page)
{
    QList<Word> onPage;
    std::copy_if(words.begin(), words.end(), std::back_inserter(onPage), [page](const Word &w) { return w.page == page; });
    // Words of one line share their font, hence the bottom of their boxes.
    const auto row = [](const Word &w) { return qRound(w.box.bottom() * 10); };
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

QStringList cellLines(const QString &pdfPath, qreal left, qreal cell)
{
    const QList<Word> all = words(pdfPath);
    const int pageTotal = all.isEmpty() ? 0 : all.last().page + 1;
    QStringList result;
    for (int page = 0; page < pageTotal; ++page) {
        for (const QList<Word> &line : wordLines(all, page)) {
            QString text;
            int column = 0;
            for (const Word &word : line) {
                const int start = qRound((word.box.left() - left) / cell);
                // Two words on one line stand at least one space apart, or they would be one.
                text += QString(std::max(start - column, column > 0 ? 1 : 0), u' ');
                text += word.text;
                column = start + qRound(word.box.width() / cell);
            }
            result.append(text);
        }
    }
    return result;
}

} // namespace printedPdf
