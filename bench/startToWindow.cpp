// Start to window: the time from starting a program to the MapNotify of its first top-level
// window, for two programs timed alternately in one run so that load moving between them
// moves both. Each window is then closed as a window manager would (WM_DELETE_WINDOW), so
// that the program leaves as a person would have it leave.
// Usage: vrel-bench-start-to-window RUNS PROGRAM_A PROGRAM_B; prints the medians as key=value
// lines a_ms and b_ms.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <sys/wait.h>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

extern char **environ;

namespace {

double now()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

long pidOf(Display *display, Window window)
{
    const Atom wmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, wmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            == Success
        && data && count == 1)
        pid = long(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

// The mapped window, or under a window manager the client inside the frame it mapped.
Window clientOf(Display *display, Window mapped, pid_t pid)
{
    if (pidOf(display, mapped) == pid)
        return mapped;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int n = 0;
    Window found = 0;
    if (XQueryTree(display, mapped, &root, &parent, &children, &n)) {
        for (unsigned int i = 0; i < n && !found; ++i) {
            if (pidOf(display, children[i]) == pid)
                found = children[i];
        }
        if (children)
            XFree(children);
    }
    return found;
}

bool waitFor(pid_t pid, double seconds)
{
    const double end = now() + seconds;
    int status = 0;
    while (now() < end) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return true;
        usleep(2000);
    }
    return false;
}

double startOnce(Display *display, const char *program)
{
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);

    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const double start = now();
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program);
        std::exit(1);
    }

    Window client = 0;
    pollfd connection {ConnectionNumber(display), POLLIN, 0};
    while (!client) {
        if (!XPending(display) && poll(&connection, 1, 10000) <= 0) {
            std::fprintf(stderr, "%s showed no window in 10 s\n", program);
            kill(pid, SIGKILL);
            std::exit(1);
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect)
            client = clientOf(display, event.xmap.window, pid);
    }
    const double seconds = now() - start;
    XSelectInput(display, root, NoEventMask);

    XEvent close {};
    close.xclient.type = ClientMessage;
    close.xclient.window = client;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, client, False, NoEventMask, &close);
    XFlush(display);
    if (!waitFor(pid, 10)) {
        kill(pid, SIGKILL);
        waitFor(pid, 10);
    }
    return seconds;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4)
        return 2;
    const int runs = std::atoi(argv[1]);
    Display *display = XOpenDisplay(nullptr);
    if (!display || runs < 1)
        return 2;
    // One start of each first, so that neither pays alone for a cold disk cache.
    startOnce(display, argv[2]);
    startOnce(display, argv[3]);
    std::vector<double> a, b;
    for (int i = 0; i < runs; ++i) {
        a.push_back(startOnce(display, argv[2]));
        b.push_back(startOnce(display, argv[3]));
    }
    std::printf("a_ms=%.1f\nb_ms=%.1f\n", median(a) * 1000, median(b) * 1000);
    XCloseDisplay(display);
    return 0;
}
