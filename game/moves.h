// Move execution: walking tokens, captures, the end-of-game measure and the result message.
#pragma once
#include <cstdint>

#include "game/game_state.h"

// Bytes 0..3 of a pending move, dieIndex lowest.
uint32_t packMove(const PendingMove& move);
void playMove(uint32_t move, uint8_t token2, int16_t steps, bool display);
uint8_t moveToken(uint8_t colour, uint8_t token, int32_t steps);
uint32_t sideProgress(uint8_t colour);
// Sets the result message; true when the side of colour 0 has won.
bool announceResult();
