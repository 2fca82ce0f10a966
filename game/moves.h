// Presenting a move: the game walked through its events with their sounds and pauses, and the result.
#pragma once
#include <cstdint>

#include "game/position.h"

// Plays move by die on the game as the turn flow shows it: walked on a copy first, then its events
// presented one by one on the game itself.
void playMove(const Move& move, uint8_t die);
// The events of a move walked from the game as it stands: each step replayed, redrawn and paused on,
// with the sounds of a yard exit, a step forward, a token home and a capture.
void presentMove(const MoveEvents& events);
// Sets the result message; true when the side of colour 0 has won.
bool announceResult();
