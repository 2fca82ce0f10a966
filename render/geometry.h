// Where the dice, the Roll button, the "Choose:" buttons and a token's tap box lie: one set for drawing and taps.
#pragma once
#include <cstdint>

#include "game/game_state.h"

// Heights are measured down from the board's bottom edge, widths from the screen's left.
constexpr uint8_t DiceInRow = 3;  // two sixes and the final roll
constexpr int32_t DieLeft = 4, DieWidth = 20, DiePitch = 24, DieTop = 5;
constexpr uint8_t ChooseButtons = MoveKindCapacity;
constexpr int32_t ChooseLeft = 65, ChooseWidth = 20, ChoosePitch = 30;
// The middle of the row: where the "Choose:" icons are centred and the keyboard's taps on the row land.
constexpr int32_t RowMiddle = 14;
// The Roll button starts this far left of the board's right edge; the computer's taps land one pixel in.
constexpr int32_t RollButtonInset = 34;
constexpr int32_t RollTapInset = RollButtonInset - 1;
// A tap this close to a token's point, across and down, picks it.
constexpr int32_t TokenHitRadius = 9;

constexpr int32_t dieLeft(int32_t i) { return DiePitch * i + DieLeft; }
constexpr int32_t chooseLeft(int32_t i) { return ChoosePitch * i + ChooseLeft; }
