#pragma once

#include "readmeReader.h"

#include <QPointer>
#include <QWidget>

class QPushButton;

namespace platform {
class ClickableLabel;
class CommonDialog;
class ListBox;
} // namespace platform

// The read-me window: the program's read-me text, four colour swatches for it, and its
// print and close buttons. It reads the data file once, when it is created, and keeps
// nothing once closed: the next opening starts afresh.
class frmReadme : public QWidget
{
    Q_OBJECT

public:
    // `mainWindow` gets its default pointer back when this window closes; the data file is
    // looked for in `dataDirectory`.
    explicit frmReadme(QWidget *mainWindow, const QString &dataDirectory = readme::readmeDirectory());

    platform::ListBox *lstReadme = nullptr;
    platform::ClickableLabel *lblC1 = nullptr;
    platform::ClickableLabel *lblC2 = nullptr;
    platform::ClickableLabel *lblC3 = nullptr;
    platform::ClickableLabel *lblC4 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;
    platform::CommonDialog *cdl_read = nullptr;

    void lblC1_Click();
    void lblC2_Click();
    void lblC3_Click();
    void lblC4_Click();
    void Command1_Click();
    void Command2_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void recolourList(platform::ClickableLabel *swatch);
    void restoreMainPointer();

    std::optional<QStringList> readDataFile();

    QPointer<QWidget> m_mainWindow;
    QString m_dataDirectory;
};
