// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/clock.h"

uint32_t GetTickCount() { return {}; }
uint32_t waitMs(int32_t ms) { return {}; }
