#include "fileListBox.h"

#include <QDir>

namespace platform {

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent)
{
    m_path = QDir::toNativeSeparators(QDir::currentPath());
    refresh();
}

void FileListBox::setPath(const QString &path)
{
    m_path = path;
    refresh();
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    refresh();
}

void FileListBox::refresh()
{
    m_files = listFiles(m_path, m_pattern).value_or(QList<ListedFile>{});
    setUpdatesEnabled(false);
    clear();
    QStringList names;
    names.reserve(m_files.size());
    for (const ListedFile &f : std::as_const(m_files))
        names.append(f.name);
    addItems(names);
    setUpdatesEnabled(true);
}

} // namespace platform
