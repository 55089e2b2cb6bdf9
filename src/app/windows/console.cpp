#include "console.h"

#include <windows.h>

#include <cstdio>

namespace {

bool goesSomewhere(DWORD stream)
{
    HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

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
