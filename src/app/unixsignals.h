#pragma once

// Ends the application as Quit does when the session or a user asks it to: SIGTERM (a logout,
// `kill`), SIGINT (Ctrl+C in a terminal) and SIGHUP (its terminal closed). The handler only
// writes a byte to a socket; the event loop reads it and calls QCoreApplication::quit(), so the
// batch is stopped and its temporary removed on the main thread, as after Quit.
namespace UnixSignals
{
// Call once, after the QCoreApplication exists. False when the signals could not be taken over.
bool quitOnTermination();
// The signal that asked for the quit (SIGTERM, SIGINT or SIGHUP), or 0 while none has, so a
// terminal run can leave with the status a shell expects of it.
int received();
}
