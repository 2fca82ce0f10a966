// Dice rolling: one roll for the current colour, with its animation, messages and outcomes.
#pragma once
#include <cstdint>

// What the roll leaves to the turn: its moves, another roll after a six, or the turn lost to three sixes.
enum class RollOutcome : uint8_t { Play, RollAgain, TurnLost };
RollOutcome rollDie();
// The dice generator: seeded once per game from the clock.
void seedDice(uint32_t seed);
uint8_t nextDieValue();
// Where the next rolls come from before the generator (the headless driver's `roll` lines): each
// call gives a value 1..6, or 0 when none is waiting. Null leaves the generator alone.
using FixedRollSource = uint8_t (*)();
void setFixedRollSource(FixedRollSource source);
