#include "batch.h"
#include "commandLine.h"
#include "main/frmVREL_FP.h"
#include "output/exportFileList.h"
#include "output/printFileList.h"
#include "platform/process/handOff.h"
#include "platform/process/singleCopy.h"
#include "platform/process/translation.h"
#include "readme/readmeOpener.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("vrel-fileprint"));
    QApplication::setApplicationVersion(QStringLiteral(VREL_VERSION));
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

    // A second copy leaves at once, silently; the first one is not disturbed.
    platform::SingleCopyLock lock;
    if (!lock.acquire())
        return handToRunningCopy(request);

    frmVREL_FP window;
    readme::attachReadme(window);
    output::attachPrinting(window);
    output::attachExport(window);

    // A folder handed over by a later start is listed here, in front of the person.
    platform::HandOffServer handOff;
    handOff.listen();
    QObject::connect(
        &handOff, &platform::HandOffServer::folderHandedOver, &window,
        [&window](const QString &folder, const QString &pattern) {
            window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
            window.raise();
            window.activateWindow();
            window.openFolder(folder, pattern);
        },
        Qt::QueuedConnection);

    window.show();
    if (!request.folder.isEmpty())
        window.openFolder(request.folder, request.pattern);
    return QApplication::exec();
}
