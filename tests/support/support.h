#pragma once

#include "core/files/diskWork.h"
#include "core/files/fileSystem.h"
#include "core/text/cp932.h"
#include "widgets/platform/printing/linePrinter.h"
#include "widgets/platform/printing/printerDialog.h"
#include "widgets/platform/window/messageBox.h"

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// What only a Linux run can check: elsewhere the rest of the test function is skipped.
#ifdef Q_OS_LINUX
#define VREL_LINUX_ONLY(why)
// The Windows faces are not free: a Linux machine draws with their IPA stand-ins.
#define VREL_GOTHIC "IPAGothic"
#define VREL_MINCHO "IPAMincho"
#include <sys/mount.h>

// A small file system of the test's own (a 64 KiB tmpfs) on `dir` where one is `wanted`, gone
// again however the test ends; mounting needs root, or a user namespace of the test's own
// (tests/support/withMounts.sh), and `error` says why it failed.
struct Tmpfs
{
    explicit Tmpfs(const QString &d, bool wanted = true) : dir(QFile::encodeName(d))
    {
        if (wanted && ::mount("tmpfs", dir.constData(), "tmpfs", 0, "size=64k") != 0)
            error = qt_error_string(errno);
    }
    ~Tmpfs() { ::umount2(dir.constData(), MNT_DETACH); } // nothing where none was mounted
    Q_DISABLE_COPY(Tmpfs)
    QByteArray dir;
    QString error;
};
// A check that cannot run here fails, saying why: a skip would pass unseen.
#define VREL_FAIL_WITHOUT(tmpfs)                                                                                       \
    if (!(tmpfs).error.isEmpty())                                                                                      \
    QFAIL(qPrintable(u"mounting a tmpfs was refused: "_s + (tmpfs).error))
#else
#define VREL_LINUX_ONLY(why) QSKIP("Linux only: " why)
#define VREL_GOTHIC "ＭＳ ゴシック"
#define VREL_MINCHO "ＭＳ 明朝"
// Windows gives a test no file system of its own to fill, make read-only or hold 2^63-byte files.
struct Tmpfs { explicit Tmpfs(const QString &, bool wanted = true) : wanted(wanted) {} bool wanted; };
#define VREL_FAIL_WITHOUT(tmpfs) if ((tmpfs).wanted) VREL_LINUX_ONLY("a tmpfs of the test's own")
#endif

namespace fixtures {

using namespace platform;

// Stands in for the person at the screen, answering every message box, printer dialog and print
// preview the program shows, and for the printer, which it passes lines on to and can make fail
// mid-job. It notes what happened, in order, in `trace`, each step tagged by `mark` (with the
// pointer, say).
class Scripted final : public MessageBoxService, public PrinterDialogService, public PrintPreviewService, public LinePrinter
{
public:
    Scripted() { serve(this); }
    ~Scripted() override { serve(nullptr); } // the program's own boxes and dialogs back
    Q_DISABLE_COPY(Scripted)

    Answer ask(QWidget *, const Message &message) override
    {
        boxes.append(message);
        note(message.text);
        return answers.isEmpty() ? (message.buttons == Buttons::RetryCancel ? Answer::Retry : Answer::Ok) : answers.takeFirst();
    }
    bool choosePrinter(QWidget *, QPrinter &) override { return note(u"printer dialog"_s) && acceptDialog; }
    // Looks at the preview, shown as exec shows it, then closes it or presses its print button.
    bool showPreview(QPrintPreviewDialog &dialog) override
    {
        note(u"preview "_s + dialog.windowTitle());
        dialog.show();
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
    void discardDocument() override { note(u"discard"_s); inner->discardDocument(); }

    QList<Message> boxes;
    QList<Answer> answers; // given in turn; then OK, or Retry where there is no OK
    bool acceptDialog = true;
    std::function<void(QPrintPreviewWidget &)> looking;
    bool printFromPreview = false;
    int failAtLine = 0;            // from 1; 0 never
    LinePrinter *inner = nullptr; // where the lines go on to
    std::function<QString()> mark;
    std::function<void()> meanwhile; // once, while the next step is up
    QStringList trace;

private:
    static void serve(Scripted *by) { setMessageBoxService(by); setPrinterDialogService(by); setPrintPreviewService(by); }
    // What comes in meanwhile is run inside the step, as a box's own loop would run it.
    bool note(const QString &what) { trace.append(mark ? what + mark() : what); if (meanwhile) std::exchange(meanwhile, nullptr)(); return true; }
};

// A file of `size` bytes (sparse), its modification time set, by a name given as raw bytes.
void makeFile(const QString &dir, const QByteArray &name, qint64 size = 0,
              const QDateTime &modified = {QDate(1997, 10, 21), QTime(9, 5, 3)});
QByteArray contents(const QString &path);

// Printed pages, a list of lines each.
using Pages = QList<QStringList>;
// Each printed page as a person reads it: its words placed on the lines and in the columns
// (6 points a half-width cell of the 12-point printer face) they were printed in, from the top
// of the printable area down; a line of spaces keeps its place but shows nothing.
Pages printedPages(QPrinter &printer);
// What a person sees of `lines` printed after `indent` spaces on `printer`.
Pages seen(const QStringList &lines, int indent, QPrinter &printer);

// `window` as laid out, with nothing of how its fonts draw: a line of its own, then one per
// visible control in the order it was made: its class, its place and size in the window, its
// texts, and the colours and font it was given.
QStringList layoutOf(QWidget &window);

} // namespace fixtures
