#pragma once

#include <chrono>

namespace platform {

// Whether the print server, where there is one, answers within `timeout`. One that is not
// there at all (no socket, nobody listening) counts as answering: printing then finds no
// queues at once and offers a PDF file. Only a server that takes the connection and then
// says nothing is silent, and making a printer against it would wait on it for good.
bool printServerAnswers(std::chrono::milliseconds timeout);

} // namespace platform
