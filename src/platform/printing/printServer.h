#pragma once

#include <QString>

#include <chrono>

namespace platform {

// Whether the print server, where there is one, answers within `timeout`. One that is not
// there at all (no socket, nobody listening) counts as answering: printing then finds no
// queues at once and offers a PDF file. Only a server that takes the connection and then
// says nothing is silent, and making a printer against it would wait on it for good.
bool printServerAnswers(std::chrono::milliseconds timeout);

// Why the print server refused the last request this thread made of it, in its own words;
// empty when it took it, or where nothing is printed through a server. QPrinter sends a
// finished job and does not look at the answer.
QString printServerRefusal();

} // namespace platform
