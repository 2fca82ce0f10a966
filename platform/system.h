// Process-level services: the program's own path and the help viewer.
#pragma once
#include <string>

// The program's own path, as the platform reports it (the saved game sits beside it).
void setModulePath(const std::string& path);
const std::string& GetModuleFileName();

// Starts the desktop's viewer on the installed help page; failure does nothing.
void startHelpViewer();
