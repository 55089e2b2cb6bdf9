#pragma once

#include "fileSystem.h"

#include <QListWidget>

namespace platform {

// The pattern-filtered file list of one directory. It rereads the directory whenever its
// path or pattern is set, and keeps the files' native names for whoever reads them next.
class FileListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString &path);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);

    int listCount() const { return int(m_files.size()); }
    QString list(int index) const { return m_files.at(index).name; }
    const ListedFile &file(int index) const { return m_files.at(index); }

private:
    void refresh();

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    QList<ListedFile> m_files;
};

} // namespace platform
