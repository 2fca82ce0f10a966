// Leaving at once when the X display goes away: Xlib's I/O error handler replaced by a plain _exit.
#include "platform/sdl/display_lost.h"

#include <X11/Xlib.h>
#include <unistd.h>

namespace {

// Xlib's own handler calls exit(), whose handlers would call into SDL on the dead connection.
int leaveAtOnce(Display*) { _exit(DisplayLostStatus); }
// Xlib's default protocol error handler exits too: a wake-up sent by another thread to a window that is
// closing (BadWindow) would end a healthy program with status 1.
int carryOn(Display*, XErrorEvent*) { return 0; }

}  // namespace

void leaveWhenDisplayIsLost() {
    XSetIOErrorHandler(leaveAtOnce);
    XSetErrorHandler(carryOn);
}
