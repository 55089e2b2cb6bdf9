#pragma once

#include "commandLine.h"
#include "core/list/listText.h"

#include <QString>

#include <optional>
#include <variant>

// A script's run needs no window up to the list and its files: this much runs on QtCore alone.

// Why a script's run made nothing: the words a box would show, and the exit code that says so.
struct Refused
{
    int exitCode;
    QString text;
};

// The window's list build, step for step, on the request's folder and pattern. `nothingText` is
// what the output asked for says of an empty list.
std::variant<Refused, output::ShownList> listForScript(const Request &request, const QString &nothingText);

// --export: the list file written into the folder as the window writes it, its path on standard
// output, and on standard error what the window's question would add: the characters lost.
std::optional<Refused> exportForScript(const Request &request);

// How the run ends: a refusal is told on standard error and gives its exit code; with a thread
// still held by a file system that stopped answering, the program ends here and at once.
int scriptExitCode(const std::optional<Refused> &refused);
