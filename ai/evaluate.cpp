// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "ai/evaluate.h"

void evaluateMove(uint8_t colour,  uint8_t token,  uint8_t die,  MoveScore& out) { }
bool partnerBlocksPairMove(uint8_t colour,  uint8_t token,  uint8_t die) { return {}; }
bool entryCaptureChance(uint8_t colour,  uint32_t T) { return {}; }
uint32_t unplayedDiceTotal() { return {}; }
