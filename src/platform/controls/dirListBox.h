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
    // False, with nothing changed, when the directory cannot be read.
    bool setPath(const QString &path);
    // Tells the person that `path` cannot be read.
    void showCannotOpen(const QString &path);
    static QString cannotOpenText(const QString &path);

signals:
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openEntry(QListWidgetItem *item);
    void fill(const QStringList &subdirectories);

    QString m_path;
};

} // namespace platform
