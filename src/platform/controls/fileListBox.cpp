#include "fileListBox.h"

#include "lineModel.h"
#include "platform/files/diskWait.h"

#include <QDir>

namespace platform {

FileListBox::FileListBox(QWidget *parent) : QListView(parent), m_model(new LineModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_path = QDir::toNativeSeparators(QDir::currentPath());
    invalidate();
}

void FileListBox::setPath(const QString &path)
{
    m_path = path;
    invalidate();
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    invalidate();
}

void FileListBox::invalidate()
{
    if (m_stale)
        return;
    m_stale = true;
    // Nobody may ask before the next paint; the strip must show the new list all the same.
    QMetaObject::invokeMethod(this, [this] { files(); }, Qt::QueuedConnection);
}

const ListedFiles &FileListBox::files() const
{
    if (!m_stale)
        return m_files;
    m_stale = false;
    // The old listing goes before the new one is read, so that the two are never held at once.
    m_model->setLines(0, {});
    m_files = {};
    auto listed = waitOnDisk(window(), m_path,
                             [path = m_path, pattern = m_pattern](DiskProgress &progress) { return listFiles(path, pattern, &progress); });
    m_listing = !listed ? Listing::NoAnswer : !*listed ? Listing::Unreadable : Listing::Read;
    m_files = listed && *listed ? std::move(**listed) : ListedFiles{};
    m_model->setLines(int(m_files.size()), [this](int row) { return m_files.name(row); });
    return m_files;
}

void FileListBox::setCurrentRow(int row)
{
    files();
    setCurrentIndex(m_model->index(row));
}

} // namespace platform
