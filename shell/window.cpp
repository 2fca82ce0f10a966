// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "shell/window.h"

int rendaroMain() { return {}; }
bool createMainClass() { return {}; }
int32_t mainWindowProc(uint32_t message,  uint32_t wParam,  int32_t lParam) { return {}; }
void onTap(int32_t x,  int32_t y) { }
void onCommand(uint32_t id) { }
