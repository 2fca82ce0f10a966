// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/system.h"
void setModulePath(const std::string& path) {}
const std::string& GetModuleFileName() { static std::string s; return s; }
void startHelpViewer() {}
