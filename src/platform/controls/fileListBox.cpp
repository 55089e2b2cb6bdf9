#include "fileListBox.h"

#include <QDir>
#include <QStringListModel>

namespace platform {

FileListBox::FileListBox(QWidget *parent) : QListView(parent), m_model(new QStringListModel(this))
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

const QList<ListedFile> &FileListBox::files() const
{
    if (!m_stale)
        return m_files;
    m_stale = false;
    // The old listing goes before the new one is read, so that the two are never held at once.
    m_model->setStringList({});
    m_files = {};
    auto listed = listFiles(m_path, m_pattern);
    m_readable = listed.has_value();
    m_files = std::move(listed).value_or(QList<ListedFile>{});
    QStringList names;
    names.reserve(m_files.size());
    for (const ListedFile &f : std::as_const(m_files))
        names.append(f.name);
    m_model->setStringList(names);
    return m_files;
}

void FileListBox::setCurrentRow(int row)
{
    files();
    setCurrentIndex(m_model->index(row));
}

} // namespace platform
