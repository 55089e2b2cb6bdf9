#include "startProgram.h"

#include "core/script/script.h"

#include <QCoreApplication>

// What the launcher sends a start with --export to. The command line is read as the window
// program reads it; what it turns out to ask for other than an export (--export as another
// option's value) goes on to the window program, which lies beside this one.
int main(int argc, char *argv[])
{
    const std::variant<int, Request> read = readCommandLine(argc, argv);
    if (const int *exitCode = std::get_if<int>(&read))
        return *exitCode;
    const Request &request = std::get<Request>(read);
    if (request.output != Request::Output::Txt && request.output != Request::Output::Csv)
        return startProgram(".", "vrel-fileprint", argv);
    QCoreApplication app(argc, argv);
    return scriptExitCode(exportForScript(request));
}
