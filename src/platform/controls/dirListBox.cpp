#include "dirListBox.h"

#include "platform/files/fileSystem.h"
#include "platform/window/messageBox.h"

#include <QDir>
#include <QKeyEvent>
#include <QStyle>

namespace platform {

namespace {

constexpr int kPathRole = Qt::UserRole + 1;

QString nativeClean(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(path).absolutePath()));
}

} // namespace

DirListBox::DirListBox(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this, &DirListBox::openEntry);
    const QString start = nativeClean(QDir::currentPath());
    if (!setPath(start)) {
        m_path = start;
        fill({});
    }
}

bool DirListBox::setPath(const QString &path)
{
    const QString target = nativeClean(path);
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
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirIcon);

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

void DirListBox::showCannotOpen(const QString &path)
{
    messageBox(this, QStringLiteral("ディレクトリを開けません\n") + displayName(path), Buttons::Ok, Icon::Exclamation);
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
