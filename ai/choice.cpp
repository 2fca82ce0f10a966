// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "ai/choice.h"

BestMove bestMove{};
MoveScore moveScores[16]{};
void findMoves() { }
void resetMoveScores() { }
