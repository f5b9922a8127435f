#pragma once

#include <functional>

namespace halvo
{

// Ends the program the way its Exit command does when it is asked to stop
// with SIGTERM (a log-out, kill) or SIGHUP (its terminal went away), so the
// database is closed and the socket removed as on any other exit. The
// signal handler only writes a byte to a pipe; the window thread reads it,
// calls quit, and ends every message loop (a modal dialog's as well).
void QuitOnSignals(std::function<void()> quit);

} // namespace halvo
