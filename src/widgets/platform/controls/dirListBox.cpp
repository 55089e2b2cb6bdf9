#include "dirListBox.h"

#include "core/files/fileSystem.h"
#include "core/files/paths.h"
#include "widgets/platform/window/diskWait.h"
#include "widgets/platform/window/iconPixels.h"

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
    // The working directory may lie on a share that does not answer: its subdirectories are read
    // once the window is up and can show that it waits.
    m_path = directoryListPath(QDir::currentPath());
    fill({});
    QMetaObject::invokeMethod(this, [this] { open(m_path); }, Qt::QueuedConnection);
}

bool DirListBox::setPath(const QString &path)
{
    return open(path) == Opened::Yes;
}

DirListBox::Opened DirListBox::open(const QString &path)
{
    const QString target = directoryListPath(path);
    const auto subdirectories = waitOnDisk(this, target, [target](DiskProgress &progress) {
        return listSubdirectories(target, &progress);
    });
    if (!subdirectories)
        return Opened::NoAnswer;
    if (!*subdirectories)
        return Opened::Unreadable;
    const bool moved = target != m_path;
    m_path = target;
    fill(**subdirectories);
    if (moved)
        emit changed();
    return Opened::Yes;
}

void DirListBox::fill(const QStringList &subdirectories)
{
    clear();
    const QIcon openIcon = folderIcon(style(), QStyle::SP_DirOpenIcon, QStringLiteral(":/folder-open.pixels"));
    const QIcon closedIcon = folderIcon(style(), QStyle::SP_DirIcon, QStringLiteral(":/folder.pixels"));

    // The ancestors from the path's own words: asking the disk for each could wait on a share.
    // The root keeps its separator ("/" or "C:/"); a cleaned path has none at its end.
    const QString clean = QDir::fromNativeSeparators(m_path);
    const qsizetype rootEnd = clean.indexOf(u'/') + 1;
    QStringList chain {clean.first(rootEnd)};
    for (qsizetype slash = clean.indexOf(u'/', rootEnd); slash >= 0; slash = clean.indexOf(u'/', slash + 1))
        chain.append(clean.first(slash));
    if (clean.size() > rootEnd)
        chain.append(clean);
    qsizetype depth = 0;
    for (const QString &dir : std::as_const(chain)) {
        const QString label = depth == 0 ? dir : dir.sliced(dir.lastIndexOf(u'/') + 1);
        auto *item = new QListWidgetItem(openIcon, QString(depth * 2, u' ') + displayName(QDir::toNativeSeparators(label)), this);
        item->setData(kPathRole, QDir::toNativeSeparators(dir));
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
    if (open(target) == Opened::Unreadable)
        emit cannotOpen(target);
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
