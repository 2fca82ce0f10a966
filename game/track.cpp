// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "game/track.h"

uint8_t squareOf(uint8_t p,  uint32_t r) { return {}; }
bool isSafeSquare(int32_t s) { return {}; }
void tokenPoint(uint8_t s,  uint8_t p,  uint8_t i,  int32_t& x,  int32_t& y) { }
void rotateForColour(int32_t& x,  int32_t& y,  uint8_t k) { }
bool isVerticalArmSquare(uint8_t s) { return {}; }
