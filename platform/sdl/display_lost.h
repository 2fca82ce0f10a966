// Leaving at once when the X display goes away (the server ends, the session logs out).
#pragma once

// The exit status of a program whose display went away.
constexpr int DisplayLostStatus = 1;

// From here on a lost connection to the X display ends the process at once, running no exit handler
// or destructor: any SDL or X call on the dead connection could spin forever. A protocol error on a
// live connection is passed over.
void leaveWhenDisplayIsLost();
