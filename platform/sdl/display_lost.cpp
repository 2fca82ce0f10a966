// Leaving at once when the X display goes away: Xlib's I/O error handler replaced by a plain _exit.
#include "platform/sdl/display_lost.h"

#include <X11/Xlib.h>
#include <unistd.h>

namespace {

// Xlib's own handler calls exit(), whose handlers would call into SDL on the dead connection.
int leaveAtOnce(Display*) { _exit(DisplayLostStatus); }

}  // namespace

void leaveWhenDisplayIsLost() { XSetIOErrorHandler(leaveAtOnce); }
