#pragma once

#include <optional>

// Answers --help and --version, and refuses what the program does not take, before any window
// exists: no display, no print server and no single-copy lock are needed for them. Gives the
// exit code when the program has answered, nothing when it should start as usual.
std::optional<int> answerCommandLine(int argc, char *argv[]);
