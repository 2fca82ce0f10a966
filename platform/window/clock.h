// Time: the millisecond tick counter and the one pause of the program.
#pragma once
#include <cstdint>

// Milliseconds since some start; wraps like a 32-bit counter.
uint32_t GetTickCount();
// Busy-wait stand-in: returns once |ticks - start| >= ms, having shown the screen first (the game
// draws straight to the screen and a pause must show what was drawn). Handles no messages; the
// real back-end keeps the window alive meanwhile. A close request cuts it short. Returns the last
// tick reading.
uint32_t waitMs(int32_t ms);
