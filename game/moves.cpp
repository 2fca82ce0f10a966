// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "game/moves.h"

uint32_t packMove(const PendingMove& move) { return {}; }
void playMove(uint32_t move,  uint8_t token2,  int16_t steps,  bool display) { }
uint8_t moveToken(uint8_t colour,  uint8_t token,  int32_t steps) { return {}; }
uint32_t sideProgress(uint8_t colour) { return {}; }
bool announceResult() { return {}; }
