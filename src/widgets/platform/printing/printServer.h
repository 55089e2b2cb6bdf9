#pragma once

#include <QString>

#include <chrono>

namespace platform {

// Whether the print server, where there is one, answers within `timeout`. One that is not
// there at all (no socket, nobody listening) counts as answering: printing then finds no
// queues at once and offers a PDF file. Only a server that takes the connection and then
// says nothing is silent, and making a printer against it would wait on it for good.
bool printServerAnswers(std::chrono::milliseconds timeout);

// Where that server is, as libcups finds it without asking it and as a person writes it: a host,
// with its port where that is not IPP's own, or a socket's path; empty where nothing is printed
// through a server.
QString printServerName();

// Why the print server refused the last request this thread made of it, in its own words;
// empty when it took it, or where nothing is printed through a server. QPrinter sends a
// finished job and does not look at the answer. libcups keeps the answer per thread and
// leaves an earlier call's failure standing, so it means something only right after a job
// was sent, on the thread that sent it.
QString printServerRefusal();

// From here on this thread knows no print server: libcups, asked for queues by a printer made on
// it, finds none at once. For output that never goes through a server, a PDF file.
void forgetPrintServer();

} // namespace platform
