// The turn controller: the state machine that runs a game from taps, real and posted.
#pragma once
#include <cstdint>

void handleTap(int32_t x, int32_t y);
void postTap(int32_t x, int32_t y);
