// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "turn/dice.h"

void rollDie() { }
void seedDice(uint32_t seed) { }
uint8_t nextDieValue() { return {}; }
void fixNextRolls(const uint8_t* values,  int count) { }
