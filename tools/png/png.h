// PNG output of 0x00RRGGBB pixel buffers (the screen, and any picture a tool wants to look at).
#pragma once
#include <cstdint>

// Writes width x height row-major pixels as an 8-bit RGB PNG; false on any failure.
bool writePng(const char* path, const uint32_t* pixels, int width, int height);
