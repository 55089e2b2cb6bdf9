#include "script.h"

#include "main/listBuild.h"
#include "output/listFile.h"
#include "platform/files/paths.h"

#include <cstdio>
#include <memory>

std::variant<Refused, output::ShownList> listForScript(const Request &request, const QString &nothingText)
{
    const QString directory = platform::directoryListPath(platform::folderOf(request.folder));
    const std::optional<platform::ListedFiles> files = platform::listFiles(directory, request.pattern);
    if (!files)
        return Refused{ExitCode::CannotOpenDirectory, listing::cannotOpenText(directory)};
    if (files->size() > listing::kFileLimit)
        return Refused{ExitCode::TooManyFiles, listing::tooManyFilesText(listing::kFileLimit)};
    if (listing::isBlankPattern(request.pattern))
        return Refused{ExitCode::NoPattern, listing::noPatternText()};
    auto built = listing::buildFileList(directory, *files);
    if (const auto *unreadable = std::get_if<listing::UnreadableFile>(&built))
        return Refused{ExitCode::UnreadableFile, listing::unreadableFileText(unreadable->path)};
    auto table = std::make_shared<const listing::FileTable>(std::get<listing::FileTable>(std::move(built)));
    if (table->size() < 1)
        return Refused{ExitCode::NoFiles, nothingText};
    return output::ShownList{directory, request.pattern, table};
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
    const output::SavedListFile saved = output::saveListFile(format, shown);
    if (!saved.failure.isEmpty())
        return Refused{ExitCode::NotSaved, saved.failure};
    std::fputs((saved.path + u'\n').toLocal8Bit().constData(), stdout);
    return std::nullopt;
}

int scriptExitCode(const std::optional<Refused> &refused)
{
    if (!refused)
        return ExitCode::Done;
    tellOnStandardError(refused->text);
    return refused->exitCode;
}
