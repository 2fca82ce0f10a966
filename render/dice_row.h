// The dice row below the board, the Roll button and the tumbling die's frames.
#pragma once
#include <cstdint>

void drawDiceRow();
void drawRollButton();
// The die tumbles in from the right (from beyond the screen for the computer) and stops beside the
// sixes already rolled; returns the x where its last frame stood.
int16_t rollAnimation(bool human);
// Covers the last frame of the tumbling die, left where the animation stopped.
void eraseRollFrame(int32_t x);
