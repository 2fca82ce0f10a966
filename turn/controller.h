// The turn controller: the state machine that runs a game from taps, real and posted.
#pragma once
#include <cstdint>

// Every move the controller has played since start-up, for the simulator's tallies.
extern uint32_t movesPlayed;

// The record as the program starts, with default options, no turn under way and no message, and
// no move rated yet.
void resetTurnRecord();
// One tap with its drawing surface, then the save.
void handleTap(int32_t x, int32_t y);
// The tap's effect on the turn alone, on whatever surface is current (none draws nothing).
void playTap(int32_t x, int32_t y);
void postTap(int32_t x, int32_t y);
// A point of the Roll area: where the computer's taps land, and the keyboard's roll.
void rollTapPoint(int32_t& x, int32_t& y);
// After a restart: the message the turn flow would show at the restored moment of the turn.
void restoreMessage();
