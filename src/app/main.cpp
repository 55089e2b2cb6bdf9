#include "commandLine.h"
#include "main/frmVREL_FP.h"
#include "output/exportFileList.h"
#include "output/printFileList.h"
#include "platform/files/diskWait.h"
#include "platform/process/singleCopy.h"
#include "platform/process/translation.h"
#include "readme/readmeOpener.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("vrel-fileprint"));
    QApplication::setApplicationVersion(QStringLiteral(VREL_VERSION));
    if (const std::optional<int> exitCode = answerCommandLine(argc, argv))
        return *exitCode;

    QApplication app(argc, argv);
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("jp.vrel.FilePrint"));
    platform::installJapaneseTranslation(app);

    // A second copy leaves at once, silently; the first one is not disturbed. A lock that cannot
    // be had at all keeps nobody out: one copy too many is better than none.
    platform::SingleCopyLock lock;
    switch (lock.acquire()) {
    case platform::SingleCopyLock::Claim::HeldByAnotherCopy:
        return 0;
    case platform::SingleCopyLock::Claim::Unavailable:
        std::fputs(QStringLiteral("二重起動を確かめられないまま起動します: %1\n").arg(lock.errorString()).toLocal8Bit().constData(), stderr);
        break;
    case platform::SingleCopyLock::Claim::Taken:
        break;
    }

    frmVREL_FP window;
    readme::attachReadme(window);
    output::attachPrinting(window);
    output::attachExport(window);
    window.show();
    const int exitCode = QApplication::exec();
    // A thread held by a file system that stopped answering is left to it: waiting for it, or
    // for anything it holds, would keep the program from ending.
    if (platform::diskWorkLeftBehind()) {
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    return exitCode;
}
