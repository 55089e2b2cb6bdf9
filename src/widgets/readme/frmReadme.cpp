#include "frmReadme.h"

#include "readmeReader.h"

#include "core/files/paths.h"
#include "widgets/platform/controls/clickableLabel.h"
#include "widgets/platform/controls/listBox.h"
#include "widgets/platform/printing/commonDialog.h"
#include "widgets/platform/window/diskWait.h"
#include "widgets/platform/window/fixedOuterSize.h"
#include "widgets/platform/window/fonts.h"
#include "widgets/platform/window/messageBox.h"
#include "widgets/platform/window/mousePointer.h"
#include "widgets/platform/window/twips.h"

#include <QCloseEvent>
#include <QPushButton>

using platform::placeAt;

namespace {

void setColours(QWidget *widget, QPalette::ColorRole background, const QColor &back, QPalette::ColorRole text,
                const QColor &fore)
{
    QPalette p = widget->palette();
    p.setColor(background, back);
    p.setColor(text, fore);
    widget->setPalette(p);
}

} // namespace

frmReadme::frmReadme(QWidget *mainWindow, const QString &dataDirectory)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint),
      m_mainWindow(mainWindow),
      m_dataDirectory(dataDirectory)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("お読み下さい"));
    new platform::FixedOuterSize(*this, 8800, 7000, platform::FixedOuterSize::Border::Fixed);
    createControls();
    Form_Load();
}

void frmReadme::createControls()
{
    setColours(this, QPalette::Window, QColor(0xC0, 0xC0, 0xC0), QPalette::WindowText, palette().color(QPalette::WindowText));
    setAutoFillBackground(true);

    lstReadme = new platform::ListBox(this);
    lstReadme->setFont(platform::minchoFont(9.75));
    placeAt(lstReadme, 840, 120, 6975, 5325);

    lstReadme->setAccessibleName(QStringLiteral("説明文"));

    // Heard rather than seen, a swatch says which colours it gives the text.
    const struct {
        platform::ClickableLabel *&label;
        const char16_t *caption;
        QColor back;
        QColor fore;
        int left;
        const char16_t *colours;
    } swatches[] = {
        {lblC1, u"C1", QColor(0x00, 0x00, 0x80), QColor(0xFF, 0xFF, 0x00), 1920, u"説明文を紺地に黄色の文字にします"},
        {lblC2, u"C2", QColor(0xFF, 0xFF, 0xFF), QColor(0x00, 0x00, 0x00), 2520, u"説明文を白地に黒の文字にします"},
        {lblC3, u"C3", QColor(0x00, 0x00, 0x00), QColor(0xFF, 0xFF, 0xFF), 3120, u"説明文を黒地に白の文字にします"},
        {lblC4, u"C4", QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0xFF, 0xFF), 3720, u"説明文を赤地に白の文字にします"},
    };
    for (const auto &s : swatches) {
        s.label = new platform::ClickableLabel(QString::fromUtf16(s.caption), this);
        s.label->setAccessibleName(QStringLiteral("表示色の見本 ") + s.label->text());
        s.label->setAccessibleDescription(QString::fromUtf16(s.colours));
        s.label->setFont(platform::gothicFont(12, QFont::Bold));
        s.label->setAlignment(Qt::AlignCenter);
        setColours(s.label, QPalette::Window, s.back, QPalette::WindowText, s.fore);
        s.label->setAutoFillBackground(true);
        placeAt(s.label, s.left, 5760, 375, 255);
    }

    Command2 = new QPushButton(QStringLiteral("印刷"), this);
    placeAt(Command2, 4800, 5760, 1215, 375);
    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    placeAt(Command1, 6360, 5760, 1335, 375);
    // Enter presses the button that has the focus, as on the desktop this window comes from.
    Command1->setAutoDefault(true);
    Command2->setAutoDefault(true);
    Command2->setAccessibleDescription(QStringLiteral("説明文を印刷します"));
    cdl_read = new platform::CommonDialog(this, QStringLiteral("cdl_read"));

    setTabOrder(Command1, lstReadme);
    setTabOrder(lstReadme, Command2);
    Command1->setFocus();

    connect(lblC1, &platform::ClickableLabel::clicked, this, &frmReadme::lblC1_Click);
    connect(lblC2, &platform::ClickableLabel::clicked, this, &frmReadme::lblC2_Click);
    connect(lblC3, &platform::ClickableLabel::clicked, this, &frmReadme::lblC3_Click);
    connect(lblC4, &platform::ClickableLabel::clicked, this, &frmReadme::lblC4_Click);
    connect(Command1, &QPushButton::clicked, this, &frmReadme::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmReadme::Command2_Click);
}

void frmReadme::Form_Load()
{
    // A missing, unreadable or silent data file leaves the list empty; the window still opens.
    lstReadme->addItems(readDataFile().value_or(QStringList()));
}

std::optional<QStringList> frmReadme::readDataFile()
{
    // A portable copy may run from a share: the window that asked waits without hanging. The
    // main window, since this one may not be shown yet.
    QWidget *waiting = m_mainWindow ? m_mainWindow.data() : this;
    const QString path = platform::pathInDirectory(m_dataDirectory, readme::dataFileName());
    return platform::waitOnDisk(waiting, path, [directory = m_dataDirectory](platform::DiskProgress &) {
               return readme::readReadmeFile(directory);
           }).value_or(std::nullopt);
}

void frmReadme::recolourList(platform::ClickableLabel *swatch)
{
    const QPalette &colours = swatch->palette();
    setColours(lstReadme, QPalette::Base, colours.color(QPalette::Window), QPalette::Text,
               colours.color(QPalette::WindowText));
}

void frmReadme::lblC1_Click()
{
    recolourList(lblC1);
}

void frmReadme::lblC2_Click()
{
    recolourList(lblC2);
}

void frmReadme::lblC3_Click()
{
    recolourList(lblC3);
}

void frmReadme::lblC4_Click()
{
    recolourList(lblC4);
}

void frmReadme::restoreMainPointer()
{
    if (m_mainWindow)
        platform::setMousePointer(m_mainWindow, platform::MousePointer::Default);
}

void frmReadme::Command1_Click()
{
    restoreMainPointer();
    close();
}

void frmReadme::Command2_Click()
{
    // Only a warning: whatever the answer, printing follows.
    platform::messageBox(this, QStringLiteral("プリンターの機種によっては、プログラムがダウンすることが有ります。"));
    // The file, not the list: what is printed is the text as it stands on disk now.
    constexpr int kIndent = 15;
    platform::tellPrintOutcome(this, cdl_read->printLines([this] { return readDataFile(); }, kIndent));
}

void frmReadme::closeEvent(QCloseEvent *)
{
    // The close box ends the window as "閉じる" does, so the main window never keeps an
    // hourglass with no read-me window left to close. The event stays accepted: it always closes.
    restoreMainPointer();
}
