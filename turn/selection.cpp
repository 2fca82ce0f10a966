// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "turn/selection.h"

void handleTokenTap(uint8_t colour,  int32_t x,  int32_t y) { }
void handleMoveKindTap(int32_t x,  int32_t y) { }
uint8_t listMoveKinds(uint8_t v) { return {}; }
void applyMoveKind() { }
