#include "support.h"

#include "widgets/platform/window/fonts.h"

#ifdef VREL_READS_PDF
#include <poppler/qt6/poppler-qt6.h>
#endif

#include <QFontMetricsF>
#include <QPrinter>
#include <QRegularExpression>

#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <fstream>

namespace fixtures {

#ifdef Q_OS_WIN
// Names on Windows are text, which the bytes given are, in UTF-8.
void makeFile(const QString &dir, const QByteArray &name, qint64 size, const QDateTime &modified)
{
    QFile f(dir + u'/' + QString::fromUtf8(name));
    QVERIFY2(f.open(QIODevice::WriteOnly) && f.resize(size) && f.setFileTime(modified, QFileDevice::FileModificationTime), qPrintable(f.fileName()));
}
#else
void makeFile(const QString &dir, const QByteArray &name, qint64 size, const QDateTime &modified)
{
    const QByteArray path = platform::nativePath(dir) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const timespec times[2] = {{modified.toSecsSinceEpoch(), 0}, {modified.toSecsSinceEpoch(), 0}};
    QVERIFY2(fd >= 0 && ::ftruncate(fd, off_t(size)) == 0 && ::futimens(fd, times) == 0, path.constData());
    ::close(fd);
}
#endif

QByteArray contents(const QString &path)
{
    // The path's own bytes on Linux, its UTF-8 on Windows: a name that is no text opens all the same.
    const QByteArray native = platform::nativePath(path);
    std::ifstream in(std::filesystem::path(std::u8string(native.begin(), native.end())), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    return in ? QByteArray(bytes.data(), qsizetype(bytes.size())) : QByteArray("(missing)");
}

void show(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("window not exposed");
}

static qreal lineSpacing(QPrinter &printer)
{
    return QFontMetricsF(platform::minchoFont(12), &printer).lineSpacing() * 72 / printer.resolution();
}

QList<QStringList> printedPages([[maybe_unused]] QPrinter &printer)
{
    QList<QStringList> pages;
#ifdef VREL_READS_PDF
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::load(printer.outputFileName());
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    for (int i = 0; document && i < document->numPages(); ++i) {
        QStringList &lines = pages.emplace_back();
        for (const auto &word : document->page(i)->textList()) {
            const QRectF box = word->boundingBox();
            const auto row = qsizetype(std::floor((box.bottom() - area.top()) / lineSpacing(printer)));
            lines.resize(std::max(lines.size(), row + 1));
            const int column = qRound((box.left() - area.left()) / 6);
            lines[row] += QString(std::max(column - platform::displayCells(lines[row]), 0), u' ') + word->text();
        }
    }
#endif
    return pages;
}

QList<QStringList> seen(const QStringList &lines, int indent, QPrinter &printer)
{
    const auto perPage = qsizetype(printer.pageLayout().paintRect(QPageLayout::Point).height() / lineSpacing(printer));
    QList<QStringList> pages;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i % perPage == 0)
            pages.emplace_back();
        pages.last().append(QString(QString(indent, u' ') + lines[i]).remove(QRegularExpression(u" +$"_s)));
    }
    return pages;
}

QStringList layoutOf(QWidget &window)
{
    QStringList lines;
    for (const QWidget *c : QWidgetList{&window} + window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QString line = c == &window ? u"window"_s : u"%1 %2,%3 %4x%5"_s.arg(QString::fromLatin1(c->metaObject()->className()).section(u"::"_s, -1)).arg(c->x()).arg(c->y()).arg(c->width()).arg(c->height());
        for (const char *text : {"windowTitle", "text", "title", "currentText"})
            line += c->property(text).toString().isEmpty() ? QString() : u" \""_s + c->property(text).toString() + u'"';
        line += c->autoFillBackground() ? u" %1 on %2"_s.arg(c->palette().windowText().color().name(), c->palette().window().color().name()) : QString();
        line += c->testAttribute(Qt::WA_SetFont) ? u" %1 %2pt%3"_s.arg(c->font().family()).arg(c->font().pointSizeF()).arg(c->font().bold() ? u" bold"_s : QString()) : QString();
        lines += c->isVisible() ? QStringList(line) : QStringList();
    }
    return lines;
}

} // namespace fixtures
