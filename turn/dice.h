// Dice rolling: one roll for the current colour, with its animation, messages and outcomes.
#pragma once
#include <cstdint>

// What the roll leaves to the turn: its moves, another roll after a six, or the turn lost to three sixes.
enum class RollOutcome : uint8_t { Play, RollAgain, TurnLost };
RollOutcome rollDie();
// The dice generator: seeded once per game from the clock.
void seedDice(uint32_t seed);
uint8_t nextDieValue();
// Values 1..6 the next rolls produce instead of the generator (the headless driver's `roll` lines).
// They queue up behind any still waiting, up to the capacity (room for every roll of a long game, so
// a recorded game can be replayed whole); other values and the overflow are ignored.
constexpr int FixedRollCapacity = 4096;
void fixNextRolls(const uint8_t* values, int count);
// Drops the fixed values still waiting, so the generator alone decides again.
void clearFixedRolls();
