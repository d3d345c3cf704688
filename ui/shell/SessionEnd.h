#pragma once
// The end of the desktop session, or SIGTERM or SIGHUP (a shutdown, a closed terminal):
// the open screens close from the top down, each saving as its own closing does, and
// then the program ends. Nobody is there to answer a question, so a failed save is
// noted and the closing goes on.

namespace SessionEnd {

// Installs the signal handlers and follows the session manager. Call once, after the
// application object exists.
void install();
// Closes every open window from the top down and quits the application.
void closeAll();

} // namespace SessionEnd
