// Process-level services: the program's own path and the help viewer.
#pragma once
#include <string>

// The program's path as the saved game knows it: the record is kept beside it. The desktop program
// gives one in the user's state folder; empty (the start) when there is nowhere to keep a game.
void setModulePath(const std::string& path);
const std::string& GetModuleFileName();

// Starts the desktop's viewer on the installed help page; failure does nothing. How the viewer
// starts is the back-end's choice.
void startHelpViewer();
// For a back-end with a desktop: opens the help page installed beside the running program
// (../share/rendaro/rendaro.html or rendaro.html) with xdg-open, detached. False when there is no
// page or the viewer could not be started.
bool openHelpPage();
