#pragma once

// Ends the application as Quit does when the session or a user asks it to: SIGTERM (a logout,
// `kill`), SIGINT (Ctrl+C in a terminal) and SIGHUP (its terminal closed), and for a terminal
// run SIGPIPE too (whoever read its output has gone, as `| head -1` does). The handler only
// writes a byte to a socket; the event loop reads it and calls QCoreApplication::quit(), so the
// batch is stopped and its temporary removed on the main thread, as after Quit. Once one has
// come, a second SIGTERM, SIGINT or SIGHUP ends the process at once, for a quit that is stuck.
namespace UnixSignals
{
enum class Output { kept, mayClose };
// Call once, after the QCoreApplication exists. False when the signals could not be taken over.
bool quitOnTermination(Output output = Output::kept);
// The signal that asked for the quit (SIGTERM, SIGINT, SIGHUP or SIGPIPE), or 0 while none has,
// so a terminal run can leave with the status a shell expects of it.
int received();
}
