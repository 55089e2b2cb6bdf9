#include "iconPixels.h"

#include <QDataStream>
#include <QFile>
#include <QPixmap>

namespace platform {

QByteArray iconPixels(const QList<IconImage> &images)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const IconImage &i : images) {
        out << qint32(i.mode) << qint32(i.state) << qint32(i.image.width()) << qint32(i.image.height())
            << qint32(i.image.format()) << qint32(i.image.bytesPerLine());
        out.writeRawData(reinterpret_cast<const char *>(i.image.constBits()), int(i.image.sizeInBytes()));
    }
    return bytes;
}

QIcon iconFromPixels(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return QIcon();
    QDataStream in(&file);
    QIcon icon;
    while (!in.atEnd()) {
        qint32 mode = 0, state = 0, width = 0, height = 0, format = 0, bytesPerLine = 0;
        in >> mode >> state >> width >> height >> format >> bytesPerLine;
        if (in.status() != QDataStream::Ok || format <= QImage::Format_Invalid || format >= QImage::NImageFormats)
            return QIcon();
        QImage image(width, height, QImage::Format(format));
        if (image.isNull() || image.bytesPerLine() != bytesPerLine
            || in.readRawData(reinterpret_cast<char *>(image.bits()), int(image.sizeInBytes())) != image.sizeInBytes())
            return QIcon();
        icon.addPixmap(QPixmap::fromImage(std::move(image)), QIcon::Mode(mode), QIcon::State(state));
    }
    return icon;
}

} // namespace platform
