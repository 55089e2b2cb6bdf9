#include "script.h"

#include "core/files/diskWork.h"
#include "core/files/paths.h"
#include "core/list/listBuild.h"
#include "core/list/listFile.h"

#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

std::variant<Refused, output::ShownList> listOnDisk(const Request &request, const QString &nothingText,
                                                    platform::DiskProgress &progress)
{
    const QString directory = platform::directoryListPath(platform::folderOf(request.folder));
    const std::optional<platform::ListedFiles> files = platform::listFiles(directory, request.pattern, &progress);
    auto decided = *listBuild::decideBuild(directory, files ? &*files : nullptr, request.pattern,
                                         [&](const platform::ListedFiles &listed) -> std::optional<listBuild::Built> {
                                             return listBuild::buildFileList(directory, listed, platform::readFileFacts, &progress);
                                         });
    if (const auto *refused = std::get_if<listBuild::Refusal>(&decided)) {
        // In the order of the reasons.
        constexpr int kExitCodes[] = {ExitCode::CannotOpenDirectory, ExitCode::TooManyFiles, ExitCode::NoPattern, ExitCode::UnreadableFile};
        return Refused{kExitCodes[int(refused->reason)], refused->text};
    }
    auto table = std::make_shared<const listBuild::FileTable>(std::get<listBuild::FileTable>(std::move(decided)));
    if (table->size() < 1)
        return Refused{ExitCode::NoFiles, nothingText};
    return output::ShownList{directory, request.pattern, table};
}

} // namespace

std::variant<Refused, output::ShownList> listForScript(const Request &request, const QString &nothingText)
{
    // A script waits on a share as the window does, and gives up on it with the window's words.
    const QString directory = platform::directoryListPath(request.folder);
    auto listed = platform::waitForDisk(directory, [request, nothingText](platform::DiskProgress &progress) {
        return listOnDisk(request, nothingText, progress);
    });
    if (!listed)
        return Refused{ExitCode::DiskDoesNotAnswer, platform::noAnswerText(directory)};
    return std::move(*listed);
}

std::optional<Refused> exportForScript(const Request &request)
{
    const auto listed = listForScript(request, output::nothingToExportText());
    if (const auto *refused = std::get_if<Refused>(&listed))
        return *refused;
    const auto &shown = std::get<output::ShownList>(listed);
    const auto format = request.output == Request::Output::Csv ? output::ListFormat::Csv : output::ListFormat::Txt;
    // Said before the file is written, which it still is, as the window's question would.
    if (const QString lost = output::exportCautions(format, shown); !lost.isEmpty())
        std::fputs((lost + u'\n').toLocal8Bit().constData(), stderr);
    const QString path = QDir::toNativeSeparators(output::listFilePath(shown.directory, format));
    const auto saved = platform::waitForDisk(path, [format, shown](platform::DiskProgress &progress) {
        return output::saveListFile(format, shown, &progress);
    });
    if (!saved)
        return Refused{ExitCode::DiskDoesNotAnswer, platform::noAnswerText(path)};
    if (!saved->failure.isEmpty())
        return Refused{ExitCode::NotSaved, saved->failure};
    std::fputs((saved->path + u'\n').toLocal8Bit().constData(), stdout);
    return std::nullopt;
}

int scriptExitCode(const std::optional<Refused> &refused)
{
    if (!refused)
        return ExitCode::Done;
    tellOnStandardError(refused->text);
    // Given up on, a file system may still hold a thread of ours, and with it whatever the
    // thread holds: ending the usual way would wait for it, perhaps for good.
    if (platform::diskWorkLeftBehind()) {
        std::fflush(nullptr);
        std::_Exit(refused->exitCode);
    }
    return refused->exitCode;
}
