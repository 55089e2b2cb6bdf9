#include "fileListBox.h"

#include "lineModel.h"
#include "widgets/platform/window/diskWait.h"

#include <QDir>

namespace platform {

FileListBox::FileListBox(QWidget *parent) : QListView(parent), m_model(new LineModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_path = QDir::toNativeSeparators(QDir::currentPath());
}

void FileListBox::setPath(const QString &path)
{
    m_path = path;
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
}

FileListBox::ReadState FileListBox::reload()
{
    // The old list goes before the new one is read, so that the two are never held at once.
    m_model->setLines(0, {});
    m_files = {};
    auto listed = waitOnDisk(window(), m_path,
                             [path = m_path, pattern = m_pattern](DiskProgress &progress) { return listFiles(path, pattern, &progress); });
    m_readState = !listed ? ReadState::NoAnswer : !*listed ? ReadState::Unreadable : ReadState::Read;
    m_files = listed && *listed ? std::move(**listed) : ListedFiles{};
    m_model->setLines(int(m_files.size()), [this](int row) { return m_files.name(row); });
    return m_readState;
}

void FileListBox::setCurrentRow(int row)
{
    setCurrentIndex(m_model->index(row));
}

} // namespace platform
