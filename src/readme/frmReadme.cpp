#include "frmReadme.h"

#include "readmeReader.h"

#include "platform/clickableLabel.h"
#include "platform/commonDialog.h"
#include "platform/fonts.h"
#include "platform/messageBox.h"
#include "platform/mousePointer.h"
#include "platform/twips.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>

using platform::placeAt;

namespace {

constexpr int kOuterWidthTwips = 8800;
constexpr int kOuterHeightTwips = 7000;
constexpr int kIndent = 15;

QString printWarningText()
{
    return QStringLiteral("プリンターの機種によっては、プログラムがダウンすることが有ります。");
}

QString printerFontName()
{
    return QStringLiteral("ＭＳ 明朝");
}

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
      m_dataDirectory(dataDirectory),
      m_outerSize(*this, kOuterWidthTwips, kOuterHeightTwips, platform::FixedOuterSize::Border::Fixed)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption());
    createControls();
    Form_Load();
}

QString frmReadme::caption()
{
    return QStringLiteral("お読み下さい");
}

void frmReadme::createControls()
{
    setColours(this, QPalette::Window, QColor(0xC0, 0xC0, 0xC0), QPalette::WindowText, palette().color(QPalette::WindowText));
    setAutoFillBackground(true);

    lstReadme = new QListWidget(this);
    lstReadme->setFont(platform::minchoFont(9.75));
    lstReadme->setSelectionMode(QAbstractItemView::SingleSelection);
    lstReadme->setSortingEnabled(false);
    lstReadme->setUniformItemSizes(true);
    placeAt(lstReadme, 840, 120, 6975, 5325);

    const struct {
        platform::ClickableLabel *&label;
        const char16_t *caption;
        QColor back;
        QColor fore;
        int left;
    } swatches[] = {
        {lblC1, u"C1", QColor(0x00, 0x00, 0x80), QColor(0xFF, 0xFF, 0x00), 1920},
        {lblC2, u"C2", QColor(0xFF, 0xFF, 0xFF), QColor(0x00, 0x00, 0x00), 2520},
        {lblC3, u"C3", QColor(0x00, 0x00, 0x00), QColor(0xFF, 0xFF, 0xFF), 3120},
        {lblC4, u"C4", QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0xFF, 0xFF), 3720},
    };
    for (const auto &s : swatches) {
        s.label = new platform::ClickableLabel(QString::fromUtf16(s.caption), this);
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
    // A missing or unreadable data file leaves the list empty; the window still opens.
    lstReadme->addItems(readme::readReadmeFile(m_dataDirectory).value_or(QStringList()));
}

void frmReadme::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    Form_Resize();
}

void frmReadme::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmReadme::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    m_outerSize.frameMayHaveChanged();
}

void frmReadme::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
    else if (event->type() == QEvent::ActivationChange)
        m_outerSize.frameMayHaveChanged();
}

void frmReadme::Form_Resize()
{
    m_outerSize.apply();
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
    platform::messageBox(this, printWarningText());

    platform::LinePrinter &printer = cdl_read->linePrinter();
    if (!cdl_read->ShowPrinter())
        return cdl_read->abortPrinting();
    platform::setMousePointer(this, platform::MousePointer::Hourglass);

    if (!printer.setFontName(printerFontName()) || !printer.setFontSize(12))
        return cdl_read->abortPrinting();

    // The file, not the list: what is printed is the text as it stands on disk now.
    const std::optional<QStringList> text = readme::readReadmeFile(m_dataDirectory);
    if (!text)
        return cdl_read->abortPrinting();
    const QString indent(kIndent, u' ');
    for (const QString &line : *text) {
        if (!printer.printLine(indent + line))
            return cdl_read->abortPrinting();
    }
    if (!printer.endDocument())
        return cdl_read->abortPrinting();

    platform::setMousePointer(this, platform::MousePointer::Default);
}

void frmReadme::closeEvent(QCloseEvent *event)
{
    // The close box ends the window as "閉じる" does, so the main window never keeps an
    // hourglass with no read-me window left to close.
    restoreMainPointer();
    QWidget::closeEvent(event);
}
