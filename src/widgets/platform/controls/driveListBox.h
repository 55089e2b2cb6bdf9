#pragma once

#include <QComboBox>

namespace platform {

// The drive list: drive letters on Windows; here, the mount points of the file systems that
// hold files, a file system that does not answer among them. Picking one reports `changed`; the
// list shows the pick whatever follows.
class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveListBox(QWidget *parent = nullptr);

    QString drive() const;
    // Shows the drive that holds `path`.
    void showDriveOf(const QString &path);

signals:
    void changed();

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    void selectDrive(const QString &root);
};

} // namespace platform
