// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/system.h"

void setModulePath(const std::string& path) { }
const std::string& GetModuleFileName() { static std::string s; return s; }
void startHelpViewer() { }
void enableMenuButton(uint32_t command,  bool on) { }
bool menuButtonEnabled(uint32_t command) { return {}; }
bool MessageBoxYesNo(int stringId) { return {}; }
