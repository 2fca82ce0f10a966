// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "render/board.h"

void paintWindow() { }
void paintBoard() { }
void drawComputerMarks() { }
void drawStars() { }
void drawTurnMarker(bool erase) { }
void drawWinnerMarker() { }
