// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "game/setup.h"

void requestNewGame(uint32_t command) { }
void newGame(uint32_t command) { }
void setUpBoard(uint32_t command) { }
