#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QList>

// Icons kept as the pixels of their images rather than as image files. Reading an image file
// makes Qt load and question every image format plugin installed before it decodes the file;
// pixels drawn at build time need neither.
namespace platform {

struct IconImage
{
    QIcon::Mode mode;
    QIcon::State state;
    QImage image;
};

// The images of an icon as one run of bytes: each image's mode, state, size, pixel format and
// line length, then its pixels as this machine lays them out.
QByteArray iconPixels(const QList<IconImage> &images);

// The icon whose images `resource` holds in that form; a null icon when it holds none.
QIcon iconFromPixels(const QString &resource);

} // namespace platform
