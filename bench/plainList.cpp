// The plain tool the list build is measured against: readdir, two stat passes and the
// time formatting, with nothing else around them.
#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    const std::string dir = argv[1];
    std::vector<std::string> names;
    if (DIR *d = opendir(dir.c_str())) {
        while (const dirent *e = readdir(d)) {
            if (e->d_name[0] != '.')
                names.emplace_back(e->d_name);
        }
        closedir(d);
    }
    long long width = 0;
    for (const auto &n : names) {
        struct stat st {};
        if (stat((dir + '/' + n).c_str(), &st) == 0)
            width = std::max<long long>(width, st.st_size);
    }
    long long total = 0;
    for (const auto &n : names) {
        struct stat st {};
        if (stat((dir + '/' + n).c_str(), &st) != 0)
            continue;
        total += st.st_size;
        char when[32];
        const std::tm *local = std::localtime(&st.st_mtime);
        std::strftime(when, sizeof when, "%y-%m-%d %H:%M:%S", local);
        std::printf("%-20s %13lld %s\n", n.c_str(), static_cast<long long>(st.st_size), when);
    }
    std::printf("%lld %lld\n", total, width);
    return 0;
}
