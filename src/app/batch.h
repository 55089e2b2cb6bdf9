#pragma once

#include "core/script/commandLine.h"

// The list's outputs made without a window, for a script: the list built as the window builds
// it, then written, printed or made a PDF by the window's own code; on Linux a start that asks
// for --export is served by a smaller program of QtCore alone. Every refusal the window
// would show in a box is one line on standard error and an exit code of its own.
int runBatch(int argc, char *argv[], const Request &request);
