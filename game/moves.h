// Presenting a move: the game walked through its events with their sounds and pauses, and the result.
#pragma once
#include <cstdint>

#include "game/position.h"

// Plays move by die on the game as the turn flow shows it: walked on a copy first, then its events
// presented one by one on the game itself; with nothing to draw on, walked on the game at once.
void playMove(const Move& move, uint8_t die);
// The events of a move, in order: the sounds of a yard exit, a step forward, a token home and a
// capture, and a pause for each step. Unless the game has already walked them, each step is
// replayed on it and its squares redrawn.
void presentMove(const MoveEvents& events, bool walked);
// Sets the result message; true when the side of colour 0 has won.
bool announceResult();
