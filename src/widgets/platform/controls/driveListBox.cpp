#include "driveListBox.h"

#include "core/files/diskWork.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QWheelEvent>

#include <algorithm>
#include <atomic>
#include <vector>

#ifndef Q_OS_WIN
#include <sys/statvfs.h>
#endif

namespace platform {

namespace {

// How long the drive list waits for the file systems to say whether they hold files; one that
// has not answered by then is listed by its mount point all the same.
constexpr std::chrono::seconds kVolumeAnswer {2};

#ifdef Q_OS_WIN

QStringList scanDrives()
{
    QStringList drives;
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (volume.isValid() && volume.isReady())
            drives.append(QDir::toNativeSeparators(volume.rootPath()));
    }
    return drives;
}

QString rootOf(const QString &path)
{
    const QString clean = QDir::fromNativeSeparators(path);
    if (clean.size() >= 2 && clean[1] == u':')
        return QDir::toNativeSeparators(clean.first(2) + u'/');
    return QDir::toNativeSeparators(QStorageInfo(path).rootPath());
}

#else

struct Mount
{
    QString root;
    QByteArray type;
};

// The mount table as the kernel keeps it: reading it asks none of the file systems anything.
QList<Mount> mounts()
{
    QFile table(QStringLiteral("/proc/self/mounts"));
    QList<Mount> found;
    if (!table.open(QIODevice::ReadOnly))
        return found;
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3)
            continue;
        // The table writes a space, a tab, a line end and a backslash in octal.
        QByteArray root = fields[1];
        for (const char *escape : {"\\040", "\\011", "\\012", "\\134"})
            root.replace(escape, QByteArray(1, char(QByteArray(escape + 1).toInt(nullptr, 8))));
        found.append({QFile::decodeName(root), fields[2]});
    }
    return found;
}

bool holdsFiles(const QByteArray &type)
{
    static const QList<QByteArray> pseudo = {
        "proc",     "sysfs",     "cgroup",   "cgroup2", "devpts",  "devtmpfs", "mqueue",  "securityfs",
        "debugfs",  "tracefs",   "pstore",   "bpf",     "configfs", "fusectl", "hugetlbfs", "autofs",
        "binfmt_misc", "efivarfs", "nsfs",   "rpc_pipefs", "selinuxfs", "ramfs"};
    return !pseudo.contains(type);
}

// Asks every file system at once, each on a thread of its own, and takes what has answered by
// the deadline: a file server that stopped answering holds its thread, never the others.
QStringList scanDrives()
{
    QList<Mount> candidates = mounts();
    candidates.removeIf([](const Mount &m) { return !holdsFiles(m.type); });
    // Per mount: statvfs said it cannot be used. Shared with threads that may outlive the look.
    const auto fails = std::make_shared<std::vector<std::atomic<bool>>>(candidates.size());
    std::vector<std::unique_ptr<DiskWork>> asked;
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        asked.push_back(std::make_unique<DiskWork>(candidates[i].root, [fails, i, root = QFile::encodeName(candidates[i].root)](DiskProgress &) {
            struct statvfs st {};
            (*fails)[i] = ::statvfs(root.constData(), &st) != 0;
        }));
    }
    const auto deadline = std::chrono::steady_clock::now() + kVolumeAnswer;
    QStringList drives;
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (!asked[i]->finished(std::max(left, std::chrono::milliseconds(0))))
            asked[i]->abandon();
        if (!(*fails)[i])
            drives.append(candidates[i].root);
    }
    return drives;
}

// The mount point that holds `path`: the longest one it lies under, from the table alone.
QString rootOf(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    QString best = QStringLiteral("/");
    for (const Mount &m : mounts()) {
        const bool under = clean == m.root || clean.startsWith(m.root.endsWith(u'/') ? m.root : m.root + u'/');
        if (under && m.root.size() > best.size() && holdsFiles(m.type))
            best = m.root;
    }
    return best;
}

#endif

} // namespace

DriveListBox::DriveListBox(QWidget *parent) : QComboBox(parent)
{
    showDriveOf(QDir::currentPath());
    // The window shows the current drive without waiting for the others, which are looked for
    // on a thread: any of them may be a share that does not answer.
    auto found = std::make_shared<QStringList>();
    // Its line is this list's own, named as no path is: it waits behind no directory, server or
    // other window's look.
    const QString line = QStringLiteral("<drives of %1>").arg(quintptr(this), 0, 16);
    auto look = std::make_shared<DiskWork>(line, [found](DiskProgress &) {
        *found = scanDrives();
        found->removeDuplicates();
        std::sort(found->begin(), found->end());
    });
    whenDiskWorkEnds(this, std::move(look), kDiskWaitLimit, [this, found](bool ended) {
        if (!ended)
            return;
        const QString shown = currentText();
        clear();
        addItems(*found);
        selectDrive(shown);
    });
    connect(this, &QComboBox::activated, this, &DriveListBox::changed);
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
    selectDrive(rootOf(path));
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
