// The turn controller: the state machine that runs a game from taps, real and posted.
#pragma once
#include <cstdint>

// Set from a roll until the last state test of the same tap: keeps misses and refusals quiet.
extern bool rollTapActive;

void handleTap(int32_t x, int32_t y);
void playTurnMoves();
void endTurn();
void finishGame();
void prepareRoll();
void postTap(int32_t x, int32_t y);
// After a restart: the message the turn flow would show at the restored moment of the turn.
void restoreMessage();
