#pragma once

#include "core/list/listBuild.h"

#include <QMainWindow>

#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace platform {
class CommonDialog;
class DirListBox;
class DriveListBox;
class FileListBox;
class ListBox;
class PatternBox;
} // namespace platform

// The start-up window: the drive, directory and pattern choices, the file list they build,
// the two list outputs and the menus. Printing, exporting and the read-me window live
// elsewhere and are reached through the request signals.
class frmVREL_FP : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmVREL_FP(QWidget *parent = nullptr);
    ~frmVREL_FP() override;

    // The character code the pattern box reports for the Enter key.
    static constexpr int kEnterKeyAscii = 13;

    QLabel *Label2 = nullptr;
    QLabel *Label6 = nullptr;
    platform::PatternBox *Combo1 = nullptr;
    platform::DriveListBox *Drive1 = nullptr;
    platform::DirListBox *Dir1 = nullptr;
    platform::FileListBox *File1 = nullptr;
    platform::ListBox *List1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;
    platform::CommonDialog *CommonDialog = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuFprint = nullptr;
    QAction *mnuFpreview = nullptr;
    QAction *nmuEnd = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuVersion = nullptr;
    QAction *mnuReadme = nullptr;

    void Dir1_Change();
    void Drive1_Change();
    void Combo1_Click();
    void Combo1_KeyPress(int keyAscii);
    void Command1_Click();
    void Command2_Click();
    void mnuFprint_Click();
    void mnuFpreview_Click();
    void nmuEnd_Click();
    void mnuVersion_Click();
    void mnuReadme_Click();

    // Lists `folder` with `pattern` as a person would: the pattern typed into the box, the
    // directory chosen, the list built; a folder that cannot be read is said so.
    void openFolder(const QString &folder, const QString &pattern);
    // A folder handed over by a later start: opened once the operation under way has ended, on
    // the folder it began with; of several handed over meanwhile, the last.
    void takeHandedOverFolder(const QString &folder, const QString &pattern);

    // Where the list build reads each file's size and time; tests put a faulty disk here.
    void setFactsReader(listBuild::FactsReader reader) { m_readFacts = std::move(reader); }

signals:
    void printFileListRequested();
    void previewFileListRequested();
    void exportFileListRequested();
    void readmeRequested();

private:
    void Form_Load();
    void createControls();
    void createMenus();
    void nameControls();
    void forgetList();
    // Gone since it was shown, kept from us, or on a disk taken away.
    void showCannotOpen(const QString &directory);

    listBuild::FactsReader m_readFacts = platform::readFileFacts;
    struct HandedOver
    {
        QString folder;
        QString pattern;
    };
    std::optional<HandedOver> m_handedOver;
};
