#include "driveListBox.h"

#include <QDir>
#include <QStorageInfo>
#include <QWheelEvent>

#include <algorithm>

namespace platform {

namespace {

bool holdsFiles(const QStorageInfo &volume)
{
    static const QList<QByteArray> pseudo = {
        "proc",     "sysfs",     "cgroup",   "cgroup2", "devpts",  "devtmpfs", "mqueue",  "securityfs",
        "debugfs",  "tracefs",   "pstore",   "bpf",     "configfs", "fusectl", "hugetlbfs", "autofs",
        "binfmt_misc", "efivarfs", "nsfs",   "rpc_pipefs", "selinuxfs", "ramfs"};
    return volume.isValid() && volume.isReady() && !pseudo.contains(volume.fileSystemType());
}

} // namespace

DriveListBox::DriveListBox(QWidget *parent) : QComboBox(parent)
{
    addItems(availableDrives());
    showDriveOf(QDir::currentPath());
    connect(this, &QComboBox::activated, this, &DriveListBox::changed);
}

QStringList DriveListBox::availableDrives()
{
    QStringList drives;
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        const QString root = QDir::toNativeSeparators(volume.rootPath());
        if (holdsFiles(volume) && !drives.contains(root))
            drives.append(root);
    }
    std::sort(drives.begin(), drives.end());
    return drives;
}

void DriveListBox::wheelEvent(QWheelEvent *event)
{
    // Turned over the list on the way to somewhere else, the wheel must not move to another drive.
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

QString DriveListBox::drive() const
{
    return currentText();
}

void DriveListBox::showDriveOf(const QString &path)
{
    const QString root = QDir::toNativeSeparators(QStorageInfo(path).rootPath());
    int index = findText(root);
    if (index < 0) {
        addItem(root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

} // namespace platform
