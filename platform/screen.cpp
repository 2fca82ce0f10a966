// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/screen.h"

void initScreen(int width,  int height) { }
int screenWidthPixels() { return {}; }
int screenHeightPixels() { return {}; }
const uint32_t* screenPixels() { return {}; }
uint32_t* screenPixelsMutable() { return {}; }
int clientTop() { return {}; }
int clientHeight() { return {}; }
bool writeScreenPng(const char* path) { return {}; }
