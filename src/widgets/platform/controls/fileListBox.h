#pragma once

#include "core/files/fileSystem.h"

#include <QListView>

namespace platform {

class LineModel;

// The pattern-filtered file list of one directory, as last read, with the files' native names.
class FileListBox : public QListView
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString &path);
    void setPattern(const QString &pattern);

    // Reads the directory at the path, for the pattern, now: a path and a pattern are usually
    // set one after the other, and the directory is read once, when asked.
    enum class ReadState { NotRead, Read, Unreadable, NoAnswer };
    ReadState reload();
    // Whether the directory was read, and if not, why: it is gone or kept from us, or it lies
    // on a file system that did not answer in time (the person has been told).
    ReadState readState() const { return m_readState; }
    const ListedFiles &files() const { return m_files; }
    int listCount() const { return int(m_files.size()); }
    void setCurrentRow(int row);

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    ListedFiles m_files;
    ReadState m_readState = ReadState::NotRead;
    LineModel *m_model;
};

} // namespace platform
