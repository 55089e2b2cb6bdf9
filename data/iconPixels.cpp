// Build-time tool: writes icons as the pixels of their images, so that the program shows them
// without reading an image file. Reading one makes Qt load and question every image format
// plugin installed, and the style looks for its folder icons in the desktop's icon theme first.
// Usage: vrel-icon-pixels OUT SOURCE, where SOURCE is an image file, or "folder-open" or "folder"
// for the Fusion style's own folder icons as it shows them where no icon theme has any.
#include "widgets/platform/window/iconPixels.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>

#include <cstdio>
#include <memory>

namespace {

// The images an icon shows, each as the pixmap it is drawn from.
QList<platform::IconImage> imagesOf(const QIcon &icon)
{
    QList<platform::IconImage> images;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
        for (QIcon::State state : {QIcon::Off, QIcon::On}) {
            for (const QSize &size : icon.availableSizes(mode, state))
                images.append({mode, state, icon.pixmap(size, 1.0, mode, state).toImage()});
        }
    }
    return images;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // No icon theme to look in.
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName(QString());
    const QString source = QString::fromLocal8Bit(argv[2]);
    QIcon icon;
    if (source == u"folder-open" || source == u"folder") {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        icon = fusion->standardIcon(source == u"folder" ? QStyle::SP_DirIcon : QStyle::SP_DirOpenIcon);
    } else {
        icon = QIcon(source);
    }
    const QList<platform::IconImage> images = imagesOf(icon);
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (images.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(platform::iconPixels(images)) <= 0) {
        std::fprintf(stderr, "vrel-icon-pixels: no icon written from %s\n", argv[2]);
        return 1;
    }
    return 0;
}
