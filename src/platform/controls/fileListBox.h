#pragma once

#include "platform/files/fileSystem.h"

#include <QListView>

namespace platform {

class LineModel;

// The pattern-filtered file list of one directory. It rereads the directory whenever its
// path or pattern is set, and keeps the files' native names for whoever reads them next.
class FileListBox : public QListView
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString &path);
    void setPattern(const QString &pattern);

    int listCount() const { return int(files().size()); }
    void setCurrentRow(int row);
    // A path and a pattern are usually set one after the other: the directory is read once,
    // when the list is next looked at.
    const ListedFiles &files() const;
    // Whether the directory was read, and if not, why: it is gone or kept from us, or it lies
    // on a file system that did not answer in time (the person has been told).
    enum class Listing { Read, Unreadable, NoAnswer };
    Listing listing() const { return files(), m_listing; }

private:
    void invalidate();

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    mutable ListedFiles m_files;
    mutable bool m_stale = false;
    mutable Listing m_listing = Listing::Read;
    LineModel *m_model;
};

} // namespace platform
