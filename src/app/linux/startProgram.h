#pragma once

#include <string.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

// Replaces this process with one of the programs installed with it, found from where this one
// lies (`directory`, relative to its own directory), whatever the working directory and PATH.
// Same process, same arguments: whoever started it waits for, signals and reads that program.
// Returns only when it could not be started, having said why: the shell's code for that.
// The C library alone: a launcher that maps nothing else adds under 3 ms to a start.
inline int startProgram(const char *directory, const char *name, char *argv[])
{
    char path[PATH_MAX];
    const ssize_t size = readlink("/proc/self/exe", path, sizeof path - 1);
    char *slash = size > 0 ? static_cast<char *>(memrchr(path, '/', size_t(size))) : nullptr;
    if (!slash) {
        std::fprintf(stderr, "vrel-fileprint: プログラムの場所がわかりません: %s\n", std::strerror(errno));
        return 127;
    }
    const int length = std::snprintf(slash + 1, sizeof path - size_t(slash + 1 - path), "%s/%s", directory, name);
    if (length > 0 && size_t(length) < sizeof path - size_t(slash + 1 - path))
        execv(path, argv);
    else
        errno = ENAMETOOLONG;
    std::fprintf(stderr, "vrel-fileprint: %s を起動できません: %s\n", path, std::strerror(errno));
    return 127;
}
