// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "render/layout.h"

int16_t screenWidth{};
int16_t screenHeight{};
HBRUSH brushes[4][3]{};
HPEN pens[13]{};
HFONT boardFont{};
const Colour lightColours[4] = {};
HBITMAP images[9]{};
HDC drawSurface{};
void initScreenLayout() { }
bool createDrawingResources() { return {}; }
void loadImages() { }
void freeImages() { }
void destroyDrawingResources() { }
void drawTextAt(const char* text,  int32_t x,  int32_t y) { }
void copyImage(HBITMAP image,  int32_t x,  int32_t y,  int32_t width,  int32_t height,  uint32_t rop) { }
