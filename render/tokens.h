// Tokens, dice and move animation: stacks, erasing, the token flash, the dice row, Roll and the tumbling die.
#pragma once
#include <cstdint>

enum DieLook : uint8_t { DieNormal = 0, DieSelected = 1, DieUsed = 2, DieBlank = 3 };

void drawTokenDisc(uint8_t colour, int32_t x, int32_t y);
void drawStack(uint8_t slot);
void drawAllStacks();
void squareBrush(uint8_t square);
void eraseToken(uint8_t square, uint8_t colour, uint8_t token);
void drawStar(int32_t x, int32_t y);
void blinkMovableTokens();
void flashMovableTokens();
// The tokens the flash shows, as up to MaxMovableTokens (colour, token) pairs; returns how many.
constexpr int MaxMovableTokens = 8;
uint8_t listMovableTokens(uint8_t colours[MaxMovableTokens], uint8_t tokens[MaxMovableTokens]);
void drawDie(int32_t x, int32_t y, uint8_t value, DieLook look);
void drawDiceRow();
void drawRollButton();
int16_t rollAnimation(bool human);
