// Human move selection: taps on dice, tokens and the "Choose:" buttons become the pending move.
#pragma once
#include <cstdint>

// Set from a roll until the last state test of the same tap: keeps misses and refusals quiet.
extern bool rollTapActive;

void handleTokenTap(uint8_t colour, int32_t x, int32_t y);
void handleMoveKindTap(int32_t x, int32_t y);
uint8_t listMoveKinds(uint8_t v);
void applyMoveKind();
// A pending token outside the current side (only a loaded record can name one) is no selection.
void dropForeignSelection();
// After a restart: the saved selection is made sound, and a game saved while choosing gets its
// "Choose:" choices back, and one saved while picking a token its movable tokens.
void restoreSelection();
// Where a tap picks die i of the row, and "Choose:" button i (the keyboard taps there too).
void dieTapPoint(uint8_t i, int32_t& x, int32_t& y);
void choiceTapPoint(uint8_t i, int32_t& x, int32_t& y);
