// The desktop window that shows the device screen, as the program's entry sets it up and takes it down.
#pragma once
#include <string>

// Starts SDL's video and opens the window at the default scale; false, with the reason, when there
// is no display to open it on. The screen (initScreen) must exist first.
bool openDesktop(std::string& error);
void closeDesktop();

// Safe from any thread: wake the event loop to bring the window to the front, or to close the
// program as message 1023 does.
void requestRaise();
void requestCloseProgram();
