// Process-level services: the program's own path and the help viewer.
#pragma once
#include <string>

// The program's own path, as the platform reports it (the saved game sits beside it). Any length;
// when none was set, the running executable's path.
void setModulePath(const std::string& path);
const std::string& GetModuleFileName();

// Starts the desktop's viewer on the installed help page; failure does nothing. How the viewer
// starts is the back-end's choice.
void startHelpViewer();
// For a back-end with a desktop: opens the help page installed beside the program
// (../share/rendaro/rendaro.html or rendaro.html) with xdg-open, detached. False when there is no
// page or the viewer could not be started.
bool openHelpPage();
