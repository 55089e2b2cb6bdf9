#include "startProgram.h"

#include <cstring>

namespace {

// Whether the start asks for a script's export, the one run that needs no window library; a
// word that is in fact another option's value is told apart by the export program itself,
// which reads the command line as the window program does and hands it on.
bool asksForExport(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (std::strcmp(argv[i], "--export") == 0 || std::strncmp(argv[i], "--export=", 9) == 0)
            return true;
    }
    return false;
}

} // namespace

// The command a person and a script start. Mapping the window's libraries is most of what a
// short run costs, so a script's export goes to a program of QtCore alone, all else to the
// window program; both lie in VREL_PROGRAMS, relative to this launcher.
int main(int argc, char *argv[])
{
    return startProgram(VREL_PROGRAMS, asksForExport(argc, argv) ? "vrel-fileprint-export" : "vrel-fileprint", argv);
}
