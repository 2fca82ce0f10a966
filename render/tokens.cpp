// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "render/tokens.h"

void drawTokenDisc(uint8_t colour,  int32_t x,  int32_t y) { }
void drawStack(uint8_t slot) { }
void drawAllStacks() { }
void squareBrush(uint8_t square) { }
void eraseToken(uint8_t square,  uint8_t colour,  uint8_t token) { }
void drawStar(int32_t x,  int32_t y) { }
void blinkMovableTokens() { }
void flashMovableTokens() { }
void drawDie(int32_t x,  int32_t y,  uint8_t value,  DieLook look) { }
void drawDiceRow() { }
void drawRollButton() { }
int16_t rollAnimation(bool human) { return {}; }
