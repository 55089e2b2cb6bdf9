#include "batch.h"
#include "commandLine.h"
#include "main/frmVREL_FP.h"
#include "output/exportFileList.h"
#include "output/printFileList.h"
#include "platform/files/diskWait.h"
#include "platform/process/handOff.h"
#include "platform/process/singleCopy.h"
#include "platform/process/translation.h"
#include "readme/readmeOpener.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// A second start: its folder goes to the copy already running; a plain one leaves silently.
int handToRunningCopy(const Request &request)
{
    if (request.folder.isEmpty())
        return ExitCode::Done;
    using namespace std::chrono_literals;
    if (platform::handFolderOver(request.folder, request.pattern, 1s))
        return ExitCode::Done;
    tellOnStandardError(QStringLiteral("起動中の vrel-fileprint が1秒以内に応答しませんでした。"));
    return ExitCode::NoAnswer;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::variant<int, Request> read = readCommandLine(argc, argv);
    if (const int *exitCode = std::get_if<int>(&read))
        return *exitCode;
    const Request &request = std::get<Request>(read);
    if (request.output != Request::Output::Window)
        return runBatch(argc, argv, request);

    QApplication app(argc, argv);
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("jp.vrel.FilePrint"));
    platform::installJapaneseTranslation(app);

    // A second copy leaves at once, handing its folder, if any, to the first one. A lock that
    // cannot be had at all keeps nobody out: one copy too many is better than none.
    platform::SingleCopyLock lock;
    const auto claim = lock.acquire();
    if (claim == platform::SingleCopyLock::Claim::HeldByAnotherCopy)
        return handToRunningCopy(request);
    if (claim == platform::SingleCopyLock::Claim::Unavailable)
        std::fputs(QStringLiteral("二重起動を確かめられないまま起動します: %1\n").arg(lock.errorString()).toLocal8Bit().constData(), stderr);

    frmVREL_FP window;
    readme::attachReadme(window);
    output::attachPrinting(window);
    output::attachExport(window);

    // A folder handed over by a later start is listed here, in front of the person. Where the
    // socket cannot be made, the window works all the same; a later start says it got no answer.
    // Without the lock another copy may be listening, whose socket must stay.
    platform::HandOffServer handOff;
    if (claim == platform::SingleCopyLock::Claim::Taken)
        handOff.listen();
    QObject::connect(&handOff, &platform::HandOffServer::folderHandedOver, &window, &frmVREL_FP::takeHandedOverFolder);

    window.show();
    if (!request.folder.isEmpty())
        window.openFolder(request.folder, request.pattern);
    const int exitCode = QApplication::exec();
    // A thread held by a file system that stopped answering is left to it: waiting for it, or
    // for anything it holds, would keep the program from ending.
    if (platform::diskWorkLeftBehind()) {
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    return exitCode;
}
