#pragma once

// A program of the window subsystem starts with no standard streams when started from a console
// without redirection: Windows hands a console only to programs of the console subsystem. So
// that --help, --version, a script's export and the error lines reach the console a person or a
// script started it from, the streams that have nowhere to go are joined to that console; a
// stream already redirected to a file or a pipe is kept as it is. Started from Explorer or the
// Start menu there is no such console, and nothing changes.
void reachStartingConsole();
