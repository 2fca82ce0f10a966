// Process-level services: the program's path, the help viewer, the menu bar's Undo switch, the question.
#pragma once
#include <cstdint>
#include <string>

// The program's own path, as the platform reports it (the saved game sits beside it).
void setModulePath(const std::string& path);
const std::string& GetModuleFileName();

// Starts the desktop's viewer on the installed help page; failure does nothing.
void startHelpViewer();

// The menu bar's button switch (TB_ENABLEBUTTON): command id and on/off. A request that changes
// nothing is still a request.
void enableMenuButton(uint32_t command, bool on);
bool menuButtonEnabled(uint32_t command);

// The modal Yes/No question with the text of string id; true for Yes. Runs its own message loop.
bool MessageBoxYesNo(int stringId);
