#include "batch.h"
#include "core/files/paths.h"
#include "core/process/singleCopy.h"
#include "core/script/commandLine.h"
#include "core/text/translation.h"
#include "network/handOff.h"
#include "widgets/main/frmVREL_FP.h"
#include "widgets/output/exportFileList.h"
#include "widgets/output/printFileList.h"
#include "widgets/platform/window/diskWait.h"
#include "widgets/readme/readmeOpener.h"
#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

namespace {

// A second start: its folder goes to the copy already running; a plain one leaves silently.
int handToRunningCopy(const Request &request)
{
    if (request.folder.isEmpty())
        return ExitCode::Done;
    if (platform::handFolderOver(request.folder, request.pattern))
        return ExitCode::Done;
    tellOnStandardError(QStringLiteral("起動中の vrel-fileprint が%1秒以内に応答しませんでした。").arg(platform::kHandOffPatience.count()));
    return ExitCode::NoAnswer;
}

// A working directory the system cannot name (deeper than its path limit) would leave the
// directory list with nothing to show: the window starts in the home folder instead, and says so.
// A relative folder given there names nothing the window could show either.
void startSomewhereNamed(Request &request)
{
    if (!platform::workingDirectory().isEmpty())
        return;
    QDir::setCurrent(QDir::homePath());
    tellOnStandardError(QStringLiteral("作業ディレクトリの場所を特定できないため、ホームフォルダ %1 で開きます。")
                            .arg(QDir::toNativeSeparators(QDir::homePath())));
    if (QDir::isRelativePath(request.folder))
        request.folder.clear();
}

#ifdef Q_OS_WIN
// A program of the window subsystem starts with no standard streams when started from a console
// without redirection: Windows hands a console only to programs of the console subsystem. So
// that --help, --version, a script's export and the error lines reach the console a person or a
// script started it from, the streams that have nowhere to go are joined to that console; a
// stream already redirected to a file or a pipe is kept as it is. Started from Explorer or the
// Start menu there is no such console, and nothing changes.
bool goesSomewhere(DWORD stream)
{
    HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

void reachStartingConsole()
{
    const bool output = goesSomewhere(STD_OUTPUT_HANDLE);
    const bool errors = goesSomewhere(STD_ERROR_HANDLE);
    if ((output && errors) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    // The C runtime's streams were set up at start, when there was no console to set them on.
    if (!output)
        std::freopen("CONOUT$", "w", stdout);
    if (!errors)
        std::freopen("CONOUT$", "w", stderr);
}
#endif

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    reachStartingConsole();
#endif
    const std::variant<int, Request> read = readCommandLine(argc, argv);
    if (const int *exitCode = std::get_if<int>(&read))
        return *exitCode;
    Request request = std::get<Request>(read);
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

    // Listening from the moment the lock is held: a later start, while this one still builds its
    // window, waits in the socket rather than finding nobody. Where the socket cannot be made,
    // the window works all the same; a later start says it got no answer. Without the lock
    // another copy may be listening, whose socket must stay. A folder handed over before the
    // window is up is kept for it, the latest one.
    platform::HandOffServer handOff;
    if (claim == platform::SingleCopyLock::Claim::Taken)
        handOff.listen();
    const auto early = QObject::connect(&handOff, &platform::HandOffServer::folderHandedOver, &app,
                                        [&request](const QString &folder, const QString &pattern) {
                                            request.folder = folder;
                                            request.pattern = pattern;
                                        });
    startSomewhereNamed(request);

    frmVREL_FP window;
    readme::attachReadme(window);
    output::attachPrinting(window);
    output::attachExport(window);

    QObject::disconnect(early);
    QObject::connect(&handOff, &platform::HandOffServer::folderHandedOver, &window, &frmVREL_FP::takeHandedOverFolder);

    window.show();
    // Opened once the window is up and answering: the folder may lie on a share that does not.
    if (!request.folder.isEmpty())
        QMetaObject::invokeMethod(&window, [&window, request] { window.openFolder(request.folder, request.pattern); }, Qt::QueuedConnection);
    const int exitCode = QApplication::exec();
    // A thread held by a file system that stopped answering is left to it: waiting for it, or
    // for anything it holds, would keep the program from ending.
    if (platform::diskWorkLeftBehind()) {
        lock.release();
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    return exitCode;
}
