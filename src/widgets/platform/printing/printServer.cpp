#include "printServer.h"

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <QByteArray>
#include <QLibrary>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace platform {

#ifdef Q_OS_WIN

// Windows prints through its own spooler, which never holds the window up this way.
bool printServerAnswers(std::chrono::milliseconds)
{
    return true;
}

QString printServerName()
{
    return {};
}

QString printServerRefusal()
{
    return {};
}

void forgetPrintServer() {}

#else

namespace {

using Clock = std::chrono::steady_clock;

enum class Reply { Answered, Absent, Silent };

int msLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

// Waits for `events` on `fd` until the deadline; false when the time ran out.
bool await(int fd, short events, Clock::time_point deadline)
{
    pollfd p {fd, events, 0};
    int ready = 0;
    do
        ready = poll(&p, 1, msLeft(deadline));
    while (ready < 0 && errno == EINTR);
    return ready > 0;
}

Reply ask(const sockaddr *address, socklen_t length, const QByteArray &host, Clock::time_point deadline)
{
    const int fd = socket(address->sa_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Reply::Absent;
    Reply reply = Reply::Absent;
    if (connect(fd, address, length) == 0 || errno == EINPROGRESS) {
        int error = 0;
        socklen_t size = sizeof error;
        if (!await(fd, POLLOUT, deadline))
            reply = Reply::Silent;
        else if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0) {
            // Any reply at all, even a refusal or the line closing, shows the server at work.
            const QByteArray request = "OPTIONS * HTTP/1.1\r\nHost: " + host + "\r\n\r\n";
            const bool sent = send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) > 0;
            reply = sent && !await(fd, POLLIN, deadline) ? Reply::Silent : Reply::Answered;
        }
    }
    close(fd);
    return reply;
}

// libcups by name, so that a system without it still runs: without the library nothing is
// printed through a server at all.
QFunctionPointer cups(const char *function)
{
    return QLibrary(QStringLiteral("cups"), 2).resolve(function);
}

// Where CUPS itself would go: its variable, its client configuration or its default socket,
// and the port it would ask there.
struct Server
{
    QByteArray name;
    int port = 0;
};

Server cupsServer()
{
    const auto name = reinterpret_cast<const char *(*)()>(cups("cupsServer"));
    const auto port = reinterpret_cast<int (*)()>(cups("ippPort"));
    if (!name || !port)
        return {};
    return {name(), port()};
}

} // namespace

QString printServerName()
{
    const Server s = cupsServer();
    if (!s.name.isEmpty() && !s.name.startsWith('/') && s.port != 631)
        return QString::fromLocal8Bit(s.name + ':' + QByteArray::number(s.port));
    return QString::fromLocal8Bit(s.name);
}

bool printServerAnswers(std::chrono::milliseconds timeout)
{
    const Server s = cupsServer();
    const QByteArray &server = s.name;
    if (server.isEmpty())
        return true;
    const Clock::time_point deadline = Clock::now() + timeout;

    if (server.startsWith('/')) {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        if (size_t(server.size()) >= sizeof address.sun_path)
            return true;
        std::memcpy(address.sun_path, server.constData(), size_t(server.size()));
        return ask(reinterpret_cast<const sockaddr *>(&address), sizeof address, "localhost", deadline)
            != Reply::Silent;
    }

    addrinfo hints {};
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_ADDRCONFIG;
    addrinfo *found = nullptr;
    if (getaddrinfo(server.constData(), QByteArray::number(s.port).constData(), &hints, &found) != 0)
        return true;
    Reply reply = Reply::Absent;
    for (const addrinfo *a = found; a && reply == Reply::Absent; a = a->ai_next)
        reply = ask(a->ai_addr, a->ai_addrlen, server, deadline);
    freeaddrinfo(found);
    return reply != Reply::Silent;
}

QString printServerRefusal()
{
    const auto lastError = reinterpret_cast<int (*)()>(cups("cupsLastError"));
    const auto lastErrorText = reinterpret_cast<const char *(*)()>(cups("cupsLastErrorString"));
    // IPP's successful answers are all below 0x0100.
    if (!lastError || !lastErrorText || lastError() < 0x0100)
        return {};
    return QString::fromUtf8(lastErrorText());
}

void forgetPrintServer()
{
    // libcups keeps its server per thread; a socket that cannot exist is refused at once.
    if (const auto setServer = reinterpret_cast<void (*)(const char *)>(cups("cupsSetServer")))
        setServer("/nonexistent/vrel-fileprint");
}

#endif

} // namespace platform
