#include "support.h"

#include "platform/window/fonts.h"

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

void compareWithReference(const QImage &image, const QString &name)
{
    const QString reference = QStringLiteral(VREL_REFERENCES "/") + name + u".png"_s;
    if (qEnvironmentVariableIsSet("VREL_UPDATE_REFERENCES"))
        QVERIFY(image.save(reference));
    const QImage actual = image.convertToFormat(QImage::Format_RGB32);
    if (actual == QImage(reference).convertToFormat(QImage::Format_RGB32))
        return;
    actual.save(name + u".actual.png"_s);
    QFAIL(qPrintable(u"%1 differs from %2; see %1.actual.png in %3"_s.arg(name, reference, QDir::currentPath())));
}

} // namespace fixtures
