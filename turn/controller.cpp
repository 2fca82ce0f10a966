// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "turn/controller.h"

bool rollTapActive{};
void handleTap(int32_t x,  int32_t y) { }
void playTurnMoves() { }
void endTurn() { }
void finishGame() { }
void prepareRoll() { }
void postTap(int32_t x,  int32_t y) { }
