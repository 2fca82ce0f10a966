// Tokens: discs, stacks, square backgrounds, erasing, the star and the flash of the tokens that can move.
#pragma once
#include <cstdint>

#include "render/marks.h"

void drawTokenDisc(uint8_t colour, int32_t x, int32_t y, MarkPlace mark = MarkPlace::Middle);
void drawStack(uint8_t slot);
void drawAllStacks();
void eraseToken(uint8_t square, uint8_t colour, uint8_t token);
void drawStar(int32_t x, int32_t y);
void blinkMovableTokens();
void flashMovableTokens();
// The tokens the flash shows, as up to MaxMovableTokens (colour, token) pairs; returns how many.
constexpr int MaxMovableTokens = 8;
uint8_t listMovableTokens(uint8_t colours[MaxMovableTokens], uint8_t tokens[MaxMovableTokens]);
