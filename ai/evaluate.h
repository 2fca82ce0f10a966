// Computer move evaluation: the score ladder that is also every move's legality test.
#pragma once
#include <cstdint>

struct MoveScore {
    int16_t score;  // lower is better; 30000 and above: may not be played
    uint8_t legal;  // the token may move alone by the die
};

void evaluateMove(uint8_t colour, uint8_t token, uint8_t die, MoveScore& out);
bool partnerBlocksPairMove(uint8_t colour, uint8_t token, uint8_t die);
bool entryCaptureChance(uint8_t colour, uint32_t T);
// The sum of the turn's unplayed dice.
uint32_t unplayedDiceTotal();
