#include "support.h"

#include "widgets/platform/window/fonts.h"

#ifdef VREL_READS_PDF
#include <poppler/qt6/poppler-qt6.h>
#endif

#include <QFontMetricsF>
#include <QPrinter>

#include <fcntl.h>

namespace fixtures {

// Opens `path` by its own bytes, which need be no text (by its text on Windows, where names are).
static bool openFile(QFile &f, const QString &path, QIODevice::OpenMode mode)
{
#ifdef Q_OS_WIN
    f.setFileName(path);
    return f.open(mode);
#else
    const int fd = ::open(nativePath(path).constData(), mode == QIODevice::ReadOnly ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC, 0644);
    return fd >= 0 && f.open(fd, mode, QFileDevice::AutoCloseHandle);
#endif
}

void makeFile(const QString &dir, const QByteArray &name, qint64 size, const QDateTime &modified)
{
    QFile f;
    QVERIFY2(openFile(f, dir + u'/' + pathFromNative(name), QIODevice::WriteOnly) && f.resize(size)
                 && f.setFileTime(modified, QFileDevice::FileModificationTime),
             name.constData());
}

QByteArray contents(const QString &path)
{
    QFile f;
    return openFile(f, path, QIODevice::ReadOnly) ? f.readAll() : "(missing)";
}

// The height of a printed line, in points.
static qreal lineSpacing(QPrinter &printer)
{
    return QFontMetricsF(minchoFont(12), &printer).lineSpacing() * 72 / printer.resolution();
}

Pages printedPages([[maybe_unused]] QPrinter &printer)
{
    Pages pages;
#ifdef VREL_READS_PDF
    const auto document = Poppler::Document::load(printer.outputFileName());
    const auto area = printer.pageLayout().paintRect(QPageLayout::Point);
    for (int i = 0; document && i < document->numPages(); ++i) {
        auto &lines = pages.emplace_back();
        for (const auto &word : document->page(i)->textList()) {
            const auto box = word->boundingBox();
            const auto row = qsizetype((box.bottom() - area.top()) / lineSpacing(printer));
            lines.resize(std::max(lines.size(), row + 1));
            const int column = qRound((box.left() - area.left()) / 6);
            lines[row] += QString(column - displayCells(lines[row]), u' ') + word->text(); // none where it reaches past
        }
    }
#endif
    return pages;
}

Pages seen(const QStringList &lines, int indent, QPrinter &printer)
{
    const auto perPage = qsizetype(printer.pageLayout().paintRect(QPageLayout::Point).height() / lineSpacing(printer));
    Pages pages;
    for (QString line : lines) {
        if (pages.isEmpty() || pages.last().size() == perPage)
            pages.emplace_back();
        line.prepend(QString(indent, u' '));
        while (line.endsWith(u' '))
            line.chop(1);
        pages.last().append(line);
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
        if (c->isVisible())
            lines += line;
    }
    return lines;
}

} // namespace fixtures
