// Human move selection: taps on dice, tokens and the "Choose:" buttons become the pending move.
#pragma once
#include <cstdint>

// Set from a roll until the last state test of the same tap: keeps misses and refusals quiet.
extern bool rollTapActive;

void handleTokenTap(uint8_t colour, int32_t x, int32_t y);
void handleMoveKindTap(int32_t x, int32_t y);
// The kinds of move the pending token's square offers for die v, into game.moveKindChoices: each
// colour's first token alone, each colour's pair and the mixed pair, as the rules allow. Returns how many.
uint8_t listMoveKinds(uint8_t v);
// listMoveKinds, and a lone kind other than the token's own single taken at once, as if chosen.
uint8_t offerMoveKinds(uint8_t v);
// The pending move made of game.moveKind's tokens on the pending token's square.
void applyMoveKind();
// A pending token outside the current side (only a loaded record can name one) is no selection.
void dropForeignSelection();
// After a restart: the saved selection is made sound, and a game saved while choosing gets its
// "Choose:" choices back, and one saved while picking a token its movable tokens.
void restoreSelection();
// Where a tap picks die i of the row, and "Choose:" button i (the keyboard taps there too).
void dieTapPoint(uint8_t i, int32_t& x, int32_t& y);
void choiceTapPoint(uint8_t i, int32_t& x, int32_t& y);
