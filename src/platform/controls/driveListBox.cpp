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
    showDriveOf(QDir::currentPath());
    // Listing the drives asks every mounted file system for its state, a slow network one
    // included; the window shows the current drive without waiting for the others.
    QMetaObject::invokeMethod(this, &DriveListBox::addOtherDrives, Qt::QueuedConnection);
    connect(this, &QComboBox::activated, this, &DriveListBox::changed);
}

void DriveListBox::addOtherDrives()
{
    const QString shown = currentText();
    clear();
    addItems(availableDrives());
    selectDrive(shown);
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
    selectDrive(QDir::toNativeSeparators(QStorageInfo(path).rootPath()));
}

void DriveListBox::selectDrive(const QString &root)
{
    int index = findText(root);
    if (index < 0) {
        addItem(root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

} // namespace platform
