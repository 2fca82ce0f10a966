// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "game/rules.h"

void scanSquares(uint8_t p,  uint8_t t,  TargetQuery* queries,  int count) { }
