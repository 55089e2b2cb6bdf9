#include "dirListBox.h"

#include "platform/files/fileSystem.h"
#include "platform/files/paths.h"
#include "platform/window/iconPixels.h"
#include "platform/window/messageBox.h"

#include <QDir>
#include <QKeyEvent>
#include <QStyle>

namespace platform {

namespace {

constexpr int kPathRole = Qt::UserRole + 1;

// The style's folder icon. Where the desktop names no icon theme, the Fusion style shows its own
// drawings, which the build kept as pixels; Qt's fallback theme, which it searches for them
// first, holds programs' icons and no folders, and searching it takes longer than setting up
// the rest of the window.
QIcon folderIcon(const QStyle *style, QStyle::StandardPixmap folder, const QString &pixels)
{
    const QString theme = QIcon::themeName();
    if (style->name() == u"fusion" && (theme.isEmpty() || theme == u"hicolor"))
        return iconFromPixels(pixels);
    return style->standardIcon(folder);
}

} // namespace

DirListBox::DirListBox(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this, &DirListBox::openEntry);
    const QString start = directoryListPath(QDir::currentPath());
    if (!setPath(start)) {
        m_path = start;
        fill({});
    }
}

bool DirListBox::setPath(const QString &path)
{
    const QString target = directoryListPath(path);
    const auto subdirectories = listSubdirectories(target);
    if (!subdirectories)
        return false;
    const bool moved = target != m_path;
    m_path = target;
    fill(*subdirectories);
    if (moved)
        emit changed();
    return true;
}

void DirListBox::fill(const QStringList &subdirectories)
{
    clear();
    const QIcon openIcon = folderIcon(style(), QStyle::SP_DirOpenIcon, QStringLiteral(":/folder-open.pixels"));
    const QIcon closedIcon = folderIcon(style(), QStyle::SP_DirIcon, QStringLiteral(":/folder.pixels"));

    QStringList chain;
    for (QDir d(m_path);; ) {
        chain.prepend(QDir::toNativeSeparators(d.absolutePath()));
        if (d.isRoot() || !d.cdUp())
            break;
    }
    qsizetype depth = 0;
    for (const QString &dir : std::as_const(chain)) {
        const QString label = depth == 0 ? dir : QDir(dir).dirName();
        auto *item = new QListWidgetItem(openIcon, QString(depth * 2, u' ') + displayName(label), this);
        item->setData(kPathRole, dir);
        ++depth;
    }
    setCurrentRow(count() - 1);
    for (const QString &name : subdirectories) {
        auto *item = new QListWidgetItem(closedIcon, QString(depth * 2, u' ') + displayName(name), this);
        item->setData(kPathRole, QDir::toNativeSeparators(QDir(m_path).filePath(name)));
    }
}

void DirListBox::openEntry(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString target = item->data(kPathRole).toString();
    if (!setPath(target))
        showCannotOpen(target);
}

QString DirListBox::cannotOpenText(const QString &path)
{
    return QStringLiteral("ディレクトリを開けません\n") + displayName(path);
}

void DirListBox::showCannotOpen(const QString &path)
{
    messageBox(this, cannotOpenText(path), Buttons::Ok, Icon::Exclamation);
}

void DirListBox::keyPressEvent(QKeyEvent *event)
{
    // Enter opens the highlighted directory, as a double-click does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openEntry(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace platform
