#include "frmVREL_FP.h"

#include "core/files/paths.h"
#include "core/list/module1.h"
#include "widgets/platform/controls/comboBoxName.h"
#include "widgets/platform/controls/dirListBox.h"
#include "widgets/platform/controls/driveListBox.h"
#include "widgets/platform/controls/fileListBox.h"
#include "widgets/platform/controls/listBox.h"
#include "widgets/platform/controls/patternBox.h"
#include "widgets/platform/printing/commonDialog.h"
#include "widgets/platform/window/diskWait.h"
#include "widgets/platform/window/fixedOuterSize.h"
#include "widgets/platform/window/fonts.h"
#include "widgets/platform/window/iconPixels.h"
#include "widgets/platform/window/messageBox.h"
#include "widgets/platform/window/mousePointer.h"
#include "widgets/platform/window/operationWait.h"
#include "widgets/platform/window/twips.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

using platform::placeAt;

namespace {

void paintBackground(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace

frmVREL_FP::frmVREL_FP(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("VREL's File Print"));
    // Rendered at build time from the program's one icon drawing, the SVG the desktop menus use,
    // and kept as pixels.
    setWindowIcon(platform::iconFromPixels(QStringLiteral(":/programIcon.pixels")));
    new platform::FixedOuterSize(*this, 8800, 7000, platform::FixedOuterSize::Border::Sizable);
    createControls();
    createMenus();
    Form_Load();
}

frmVREL_FP::~frmVREL_FP()
{
    // The controls outlive this part of the window; the pattern box, losing the focus as they
    // go, would report a pick to a window no longer there.
    disconnect(Combo1, nullptr, this, nullptr);
}

void frmVREL_FP::createControls()
{
    auto *client = new QWidget(this);
    paintBackground(client, QColor(0xC0, 0xC0, 0xC0));
    client->setMinimumSize(platform::twipsToPixelsX(8685, this), platform::twipsToPixelsY(6315, this));
    setCentralWidget(client);

    Label2 = new QLabel(client);
    Label2->setFont(platform::gothicFont(12));
    Label2->setAlignment(Qt::AlignCenter);
    paintBackground(Label2, QColor(0x80, 0xFF, 0x80));

    Label6 = new QLabel(QStringLiteral("印刷ファイルタイプ"), client);
    Label6->setAlignment(Qt::AlignCenter);
    paintBackground(Label6, QColor(0xC0, 0xFF, 0xC0));
    placeAt(Label6, 480, 600, 2175, 255);

    Combo1 = new platform::PatternBox(client);
    placeAt(Combo1, 480, 840, 2175, 300);

    Drive1 = new platform::DriveListBox(client);
    placeAt(Drive1, 480, 1320, 2175, 300);

    Dir1 = new platform::DirListBox(client);
    placeAt(Dir1, 480, 1680, 2175, 3390);

    File1 = new platform::FileListBox(client);
    placeAt(File1, 480, 5400, 2175, 270);

    List1 = new platform::ListBox(client);
    List1->setFont(platform::gothicFont(9));
    placeAt(List1, 2880, 600, 5535, 4560);

    Frame1 = new QGroupBox(QStringLiteral("ファイル形式"), client);
    placeAt(Frame1, 2880, 5280, 1215, 975);
    Option1 = new QRadioButton(QStringLiteral("TXT"), Frame1);
    placeAt(Option1, 120, 240, 975, 180);
    Option2 = new QRadioButton(QStringLiteral("CSV"), Frame1);
    placeAt(Option2, 120, 600, 975, 180);
    // A radio button's text is taller than 180 twips in most fonts; let it keep its own height.
    for (QRadioButton *option : {Option1, Option2}) {
        QRect r = option->geometry();
        r.setHeight(std::max(r.height(), option->sizeHint().height()));
        r.moveCenter(QPoint(r.center().x(), option->geometry().center().y()));
        option->setGeometry(r);
    }
    Option1->setChecked(true);

    Command2 = new QPushButton(QStringLiteral("ファイル出力"), client);
    placeAt(Command2, 4200, 5520, 1335, 375);
    Command1 = new QPushButton(QStringLiteral("印　刷"), client);
    placeAt(Command1, 6000, 5520, 1455, 375);
    // Enter presses the button that has the focus, as Space does.
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);
    CommonDialog = new platform::CommonDialog(this, QStringLiteral("CommonDialog"));

    for (QWidget *passive : {static_cast<QWidget *>(Label2), static_cast<QWidget *>(Label6),
                             static_cast<QWidget *>(Frame1)})
        passive->setFocusPolicy(Qt::NoFocus);
    setTabOrder(Combo1, Drive1);
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Command1);
    setTabOrder(Command1, File1);
    setTabOrder(File1, List1);
    setTabOrder(List1, Command2);
    setTabOrder(Command2, Option1);
    setTabOrder(Option1, Option2);

    connect(Drive1, &platform::DriveListBox::changed, this, &frmVREL_FP::Drive1_Change);
    connect(Dir1, &platform::DirListBox::changed, this, &frmVREL_FP::Dir1_Change);
    connect(Dir1, &platform::DirListBox::cannotOpen, this, &frmVREL_FP::showCannotOpen);
    connect(Combo1, &QComboBox::activated, this, &frmVREL_FP::Combo1_Click);
    connect(Combo1, &platform::PatternBox::patternEntered, this, [this] { Combo1_KeyPress(kEnterKeyAscii); });
    connect(Command1, &QPushButton::clicked, this, &frmVREL_FP::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmVREL_FP::Command2_Click);
    nameControls();
}

void frmVREL_FP::nameControls()
{
    // A screen reader announces a control by its name; without one it reads the box's current
    // text or nothing at all. Where a label stands beside a control, its words are the name.
    Label6->setBuddy(Combo1);
    platform::setComboBoxName(Combo1, Label6->text());
    Combo1->lineEdit()->setAccessibleName(Label6->text());
    Combo1->setAccessibleDescription(QStringLiteral("一覧にするファイルの名前の型。例えば *.txt"));
    platform::setComboBoxName(Drive1, QStringLiteral("ドライブ"));
    Dir1->setAccessibleName(QStringLiteral("ディレクトリ"));
    File1->setAccessibleName(QStringLiteral("ファイル"));
    List1->setAccessibleName(QStringLiteral("ファイル一覧"));
    List1->setAccessibleDescription(QStringLiteral("名前、拡張子、サイズ、更新日時"));
    // Read aloud, the ideographic space that spreads the caption would be a pause in a word.
    Command1->setAccessibleName(QStringLiteral("印刷"));
    Command1->setAccessibleDescription(QStringLiteral("ファイル一覧を印刷します"));
    Command2->setAccessibleDescription(QStringLiteral("ファイル一覧をディレクトリにファイル形式で書き出します"));
}

void frmVREL_FP::createMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    mnuFprint = mnuFile->addAction(QStringLiteral("印刷(&P)"));
    mnuFprint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFpreview = mnuFile->addAction(QStringLiteral("印刷プレビュー(&V)"));
    // Beside Ctrl+P, which prints what it shows; no editing key of the pattern box, nor a key
    // that the desktops keep for themselves.
    mnuFpreview->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    nmuEnd = mnuFile->addAction(QStringLiteral("終了(&X)"));
    nmuEnd->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    mnuHelp = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuVersion = mnuHelp->addAction(QStringLiteral("バージョン(&V)"));
    mnuVersion->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuReadme = mnuHelp->addAction(QStringLiteral("お読み下さい(&R)"));
    mnuReadme->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    connect(mnuFprint, &QAction::triggered, this, &frmVREL_FP::mnuFprint_Click);
    connect(mnuFpreview, &QAction::triggered, this, &frmVREL_FP::mnuFpreview_Click);
    connect(nmuEnd, &QAction::triggered, this, &frmVREL_FP::nmuEnd_Click);
    connect(mnuVersion, &QAction::triggered, this, &frmVREL_FP::mnuVersion_Click);
    connect(mnuReadme, &QAction::triggered, this, &frmVREL_FP::mnuReadme_Click);
    // Printing, the preview and the read-me window would start on top of an operation that
    // waits, on a list half built; ending the program and the version box may.
    connect(&platform::OperationWaits::instance(), &platform::OperationWaits::changed, this, [this](bool waiting) {
        for (QAction *command : {mnuFprint, mnuFpreview, mnuReadme})
            command->setEnabled(!waiting);
    });
}

void frmVREL_FP::Form_Load()
{
    Combo1->addItems({QStringLiteral("*.*"), QStringLiteral("*.jpg"), QStringLiteral("*.gif"), QStringLiteral("*.txt"),
                      QStringLiteral("*.doc")});
    Combo1->setEditText(QStringLiteral("*.*"));
    Label2->setText(QStringLiteral("指定ディレクトリ・同一拡張子のファイルを表示・印刷します "));
    // The banner grows to hold its text on one line; its left edge stays put.
    const QRect banner = platform::twipsRect(1740, 120, 5295, 240, this);
    Label2->setGeometry(banner.x(), banner.y(), std::max(banner.width(), Label2->sizeHint().width()),
                        std::max(banner.height(), Label2->sizeHint().height()));
    // Reading the directory waits for the file list's own turn, after the window is up.
    QMetaObject::invokeMethod(
        this,
        [this] {
            // A folder given on the command line may have been listed meanwhile.
            if (File1->readState() == platform::FileListBox::ReadState::NotRead)
                File1->reload();
            if (File1->listCount() > 0)
                File1->setCurrentRow(0);
        },
        Qt::QueuedConnection);
    Combo1->setFocus();
}

void frmVREL_FP::forgetList()
{
    List1->clear();
    Module1::gFiles.reset();
}

void frmVREL_FP::Dir1_Change()
{
    // A refused build leaves nothing of the last list; an accepted one replaces it. Either way
    // it goes first, so that the old list and the new one are never held at once.
    forgetList();
    const auto shown = [this] { return std::pair(Dir1->path(), Combo1->currentText()); };
    const auto readFor = shown();
    File1->setPath(readFor.first);
    const QString directory = File1->path();
    File1->setPattern(readFor.second);

    // Gone since it was shown, kept from us, or on a disk taken away: said so, not shown as a
    // directory without files. One that did not answer has been reported already.
    const auto listed = File1->reload();
    if (listed == platform::FileListBox::ReadState::NoAnswer)
        return;
    auto decided = listBuild::decideBuild(
        directory, listed == platform::FileListBox::ReadState::Read ? &File1->files() : nullptr, Combo1->currentText(),
        [&](const platform::ListedFiles &files) -> std::optional<listBuild::Built> {
            // Both passes read every file, on a share that may stop answering halfway.
            auto answered = platform::waitOnDisk(this, directory, [directory, files, read = m_readFacts](platform::DiskProgress &progress) {
                return listBuild::buildFileList(directory, files, read, &progress);
            });
            // The window may have gone on meanwhile: a list is shown only under the directory and
            // the pattern it was read for.
            if (shown() != readFor)
                return std::nullopt;
            return answered;
        });
    if (!decided)
        return;
    if (const auto *refused = std::get_if<listBuild::Refusal>(&*decided)) {
        using Reason = listBuild::Refusal::Reason;
        const auto buttons = refused->reason == Reason::BlankPattern ? platform::Buttons::RetryCancel : platform::Buttons::Ok;
        const auto icon = refused->reason == Reason::TooManyFiles ? platform::Icon::None : platform::Icon::Exclamation;
        if (platform::messageBox(this, refused->text, buttons, icon) == platform::Answer::Retry)
            Combo1->setFocus();
        return;
    }
    // The lines are laid out from the files the build kept whenever they are shown or read,
    // and the per-file values come from the same files.
    auto table = std::make_shared<const listBuild::FileTable>(std::get<listBuild::FileTable>(std::move(*decided)));
    List1->setLines(int(table->size()), [table](int row) { return table->line(row); });
    Module1::gFiles = std::move(table);
}

void frmVREL_FP::openFolder(const QString &folder, const QString &pattern)
{
    Combo1->setEditText(pattern);
    // A file stands for its folder; asking which is a call on a disk that may not answer.
    const auto asked = platform::waitOnDisk(this, folder, [folder](platform::DiskProgress &) { return platform::folderOf(folder); });
    if (!asked)
        return;
    const QString before = Dir1->path();
    const auto opened = Dir1->open(*asked);
    if (opened == platform::DirListBox::Opened::Unreadable)
        showCannotOpen(platform::directoryListPath(*asked));
    if (opened != platform::DirListBox::Opened::Yes)
        return;
    Drive1->showDriveOf(Dir1->path());
    // Moving has built the list already; staying put builds it as Enter in the box does.
    if (Dir1->path() == before)
        Dir1_Change();
}

void frmVREL_FP::takeHandedOverFolder(const QString &folder, const QString &pattern)
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    const bool alreadyKept = m_handedOver.has_value();
    m_handedOver = HandedOver{folder, pattern};
    if (alreadyKept)
        return;
    platform::OperationWaits::instance().whenNone(this, [this] {
        const HandedOver handed = *std::exchange(m_handedOver, std::nullopt);
        openFolder(handed.folder, handed.pattern);
    });
}

void frmVREL_FP::showCannotOpen(const QString &directory)
{
    platform::messageBox(this, listBuild::cannotOpenText(directory), platform::Buttons::Ok, platform::Icon::Exclamation);
}

void frmVREL_FP::Drive1_Change()
{
    // A drive that cannot be read is ignored: the directory list stays, so no build runs.
    Dir1->setPath(Drive1->drive());
}

void frmVREL_FP::Combo1_Click()
{
    Dir1_Change();
}

void frmVREL_FP::Combo1_KeyPress(int keyAscii)
{
    if (keyAscii == kEnterKeyAscii)
        Dir1_Change();
}

void frmVREL_FP::Command1_Click()
{
    emit printFileListRequested();
}

void frmVREL_FP::mnuFprint_Click()
{
    emit printFileListRequested();
}

void frmVREL_FP::mnuFpreview_Click()
{
    emit previewFileListRequested();
}

void frmVREL_FP::Command2_Click()
{
    emit exportFileListRequested();
}

void frmVREL_FP::nmuEnd_Click()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

void frmVREL_FP::mnuVersion_Click()
{
    platform::messageBox(this, QStringLiteral("Vrel's Listwright ver.1.00 (97/10/21)\r\r"));
}

void frmVREL_FP::mnuReadme_Click()
{
    platform::setMousePointer(this, platform::MousePointer::Hourglass);
    emit readmeRequested();
}
