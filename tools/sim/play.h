// One computer-only game played by the game's own turn controller, with no display, waits, sounds or saves.
#pragma once
#include <cstdint>

#include "tools/sim/options.h"

// What one game gives the tallies; fixed-size so forked jobs can fill a shared array.
struct GameResult {
    uint8_t winnerSide;  // 0 side 1, 1 side 2
    uint8_t firstSeatWon;
    uint16_t threeSixes;
    uint32_t captures;  // tokens sent back to their yard
    uint32_t turns;
    uint32_t moves;
    uint32_t faces[6];
};

// Where a played game's rolls go, in order (for replaying it elsewhere); may be null.
struct RollLog {
    uint8_t* values;
    int capacity;
    int count;
};

// The seed of game `index` in a run, and whether its sides sit in each other's seats.
uint32_t gameSeed(const SimOptions& options, int64_t index);
bool gameSwapped(const SimOptions& options, int64_t index);

// Sets up a new game of the run's rules, every colour in play a computer, awaiting its first roll.
void startGame(const SimOptions& options, uint32_t seed);
// Plays the started game to its end; false when it did not end within a sane number of taps.
bool finishGame(const SimOptions& options, bool swapped, GameResult& result, RollLog* log);
