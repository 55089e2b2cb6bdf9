#pragma once

#include "core/files/diskWork.h"
#include "core/files/fileSystem.h"
#include "core/text/cp932.h"
#include "widgets/platform/printing/linePrinter.h"
#include "widgets/platform/printing/printerDialog.h"
#include "widgets/platform/window/messageBox.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <limits>
#include <optional>

#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Stands in for the person at the screen, answering every message box, printer dialog and print
// preview the program shows, and for the printer, which it passes lines on to and can make fail
// mid-job. It notes what happened, in order, in `trace`, each step tagged by `mark` (with the
// pointer, say).
class Scripted final : public platform::MessageBoxService, public platform::PrinterDialogService, public platform::PrintPreviewService, public platform::LinePrinter
{
public:
    Scripted() : m_boxes(platform::setMessageBoxService(this)), m_dialog(platform::setPrinterDialogService(this)), m_preview(platform::setPrintPreviewService(this)) {}
    ~Scripted() override { platform::setMessageBoxService(m_boxes), platform::setPrinterDialogService(m_dialog), platform::setPrintPreviewService(m_preview); }
    Scripted(const Scripted &) = delete;
    Scripted &operator=(const Scripted &) = delete;

    platform::Answer ask(QWidget *, const platform::Message &message) override
    {
        boxes.append(message), note(message.text);
        const platform::Answer otherwise = message.buttons == platform::Buttons::RetryCancel ? platform::Answer::Retry : platform::Answer::Ok;
        return answers.isEmpty() ? otherwise : answers.takeFirst();
    }
    bool choosePrinter(QWidget *, QPrinter &) override { return note(u"printer dialog"_s) && acceptDialog; }
    // Looks at the preview, shown as exec shows it, then closes it or presses its print button.
    bool showPreview(QPrintPreviewDialog &dialog) override
    {
        note(u"preview "_s + dialog.windowTitle()), dialog.show();
        if (looking)
            looking(*dialog.findChild<QPrintPreviewWidget *>());
        for (QAction *action : dialog.findChildren<QAction *>()) {
            if (printFromPreview && action->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print"))
                action->trigger();
        }
        if (dialog.isVisible())
            dialog.reject();
        return dialog.result() == QDialog::Accepted;
    }
    bool setFontName(const QString &name) override { return note(u"font "_s + name) && inner->setFontName(name); }
    bool setFontSize(qreal points) override { return note(u"size %1"_s.arg(points)) && inner->setFontSize(points); }
    bool printLine(const QString &text) override { return note(text) && --failAtLine != 0 && inner->printLine(text); }
    bool endDocument() override { return note(u"end"_s) && inner->endDocument(); }
    void discardDocument() override { note(u"discard"_s), inner->discardDocument(); }

    QList<platform::Message> boxes;
    QList<platform::Answer> answers; // given in turn; then OK, or Retry where there is no OK
    bool acceptDialog = true;
    std::function<void(QPrintPreviewWidget &)> looking;
    bool printFromPreview = false;
    int failAtLine = 0;                     // from 1; 0 never
    platform::LinePrinter *inner = nullptr; // where the lines go on to
    std::function<QString()> mark;
    std::function<void()> meanwhile; // once, while the next step is up
    QStringList trace;

private:
    // What comes in meanwhile is run inside the step, as a box's own loop would run it.
    bool note(const QString &what) { trace.append(mark ? what + mark() : what); if (meanwhile) std::exchange(meanwhile, nullptr)(); return true; }
    platform::MessageBoxService *m_boxes;
    platform::PrinterDialogService *m_dialog;
    platform::PrintPreviewService *m_preview;
};

// What only a Linux run can check: elsewhere the rest of the test function is skipped.
#ifdef Q_OS_LINUX
#define VREL_LINUX_ONLY(why)
#include <sys/mount.h>

// A small file system of the test's own (a 64 KiB tmpfs) on `dir` where one is `wanted`, gone
// again however the test ends; mounting needs root, or a user namespace of the test's own
// (tests/support/withMounts.sh), and `error` says why it failed.
struct Tmpfs
{
    explicit Tmpfs(const QString &d, bool wanted = true) : dir(QFile::encodeName(d))
    {
        mounted = wanted && ::mount("tmpfs", dir.constData(), "tmpfs", 0, "size=64k") == 0;
        if (wanted && !mounted)
            error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~Tmpfs() { if (mounted) ::umount2(dir.constData(), MNT_DETACH); }
    Tmpfs(const Tmpfs &) = delete;
    Tmpfs &operator=(const Tmpfs &) = delete;
    bool makeReadOnly() { return ::mount(nullptr, dir.constData(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k") == 0; }
    bool fill() { return std::system(("dd if=/dev/zero of=" + dir + "/filler bs=4k status=none 2>/dev/null").constData()) != 0; } // every free block
    QByteArray dir;
    bool mounted = false;
    QString error;
};
// A check that cannot run here fails, saying why: a skip would pass unseen.
#define VREL_FAIL_WITHOUT(tmpfs)                                                                                       \
    if (!(tmpfs).error.isEmpty())                                                                                      \
    QFAIL(qPrintable(u"mounting a tmpfs was refused: "_s + (tmpfs).error))
#else
#define VREL_LINUX_ONLY(why) QSKIP("Linux only: " why)
// Windows gives a test no file system of its own to fill, make read-only or hold 2^63-byte files.
struct Tmpfs { explicit Tmpfs(const QString &, bool wanted = true) : wanted(wanted) {} bool makeReadOnly() { return false; } bool fill() { return false; }
               bool wanted; };
#define VREL_FAIL_WITHOUT(tmpfs) if ((tmpfs).wanted) VREL_LINUX_ONLY("a tmpfs of the test's own")
#endif

namespace fixtures {

// A file of `size` bytes (sparse), its modification time set, by a name given as raw bytes.
void makeFile(const QString &dir, const QByteArray &name, qint64 size = 0,
              const QDateTime &modified = QDateTime(QDate(1997, 10, 21), QTime(9, 5, 3)));
QByteArray contents(const QString &path);
void show(QWidget &window);

// Each printed page as a person reads it: its words placed on the lines and in the columns
// (6 points a half-width cell of the 12-point printer face) they were printed in, from the top
// of the printable area down; a line of spaces keeps its place but shows nothing.
QList<QStringList> printedPages(QPrinter &printer);
// What a person sees of `lines` printed after `indent` spaces on `printer`.
QList<QStringList> seen(const QStringList &lines, int indent, QPrinter &printer);

// `window` as laid out, with nothing of how its fonts draw: a line of its own, then one per
// visible control in the order it was made: its class, its place and size in the window, its
// texts, and the colours and font it was given.
QStringList layoutOf(QWidget &window);

} // namespace fixtures
