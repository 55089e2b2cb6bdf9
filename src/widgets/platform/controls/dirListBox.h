#pragma once

#include <QListWidget>

namespace platform {

// The directory list: the current directory's ancestors from the root down, the current
// directory itself, then its subdirectories. Opening an entry (double-click or Enter) makes it
// the current directory; only a change of the current directory reports `changed`.
class DirListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // False, with nothing changed, when the directory cannot be read or does not answer.
    bool setPath(const QString &path);
    // The same, telling why not: an unreadable directory is the caller's to report, one that did
    // not answer has been reported already.
    enum class Opened { Yes, Unreadable, NoAnswer };
    Opened open(const QString &path);

signals:
    void changed();
    // An entry opened by the person could not be read; the window that owns the list says so.
    void cannotOpen(const QString &path);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openEntry(QListWidgetItem *item);
    void fill(const QStringList &subdirectories);

    QString m_path;
};

} // namespace platform
