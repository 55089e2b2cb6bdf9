#pragma once

#include <QString>

#include <variant>

// What a start asks for: the window, on a folder or as a plain start, or one of the list's
// outputs made from a script, without a window.
struct Request
{
    enum class Output { Window, Txt, Csv, Pdf, Printer };
    Output output = Output::Window;
    QString folder; // absolute, as given, perhaps a file standing for its folder; empty for a plain start
    QString pattern = QStringLiteral("*.*");
    QString pdfFile;
    QString printerName; // empty: the default printer
};

// How a start from a script ended; --help lists them.
namespace ExitCode {
enum : int {
    Done = 0,
    WrongCommandLine = 1,
    CannotOpenDirectory = 2,
    NoFiles = 3,
    TooManyFiles = 4,
    NoPattern = 5,
    UnreadableFile = 6,
    NotSaved = 7,
    NotPrinted = 8,
    NoAnswer = 9,
    DiskDoesNotAnswer = 10,
};
} // namespace ExitCode

// Names the program and its version, answers --help and --version, and refuses what the program
// does not take, before any window exists: no display, no print server and no single-copy lock
// are needed for them. Gives the exit code when the program has answered, else what the start
// asks for.
std::variant<int, Request> readCommandLine(int argc, char *argv[]);

// One line on standard error, the words a message box would show.
void tellOnStandardError(const QString &text);
