// Computer move evaluation: the score ladder that is also every move's legality test.
#pragma once
#include <cstdint>

#include "game/rules.h"

struct MoveScore {
    int16_t score;  // lower is better; 30000 and above: may not be played
    uint8_t legal;  // the token may move alone by the die
};

// A token's neighbourhood, surveyed by its first rating that needs it and kept for its other die.
struct TokenSight {
    bool surveyed;
    Neighbourhood around;
};

void evaluateMove(uint8_t colour, uint8_t token, uint8_t die, MoveScore& out);
// The same within one position: the track viewed once for the side, each token surveyed once.
void evaluateMove(const TrackView& track, uint8_t colour, uint8_t token, uint8_t die, MoveScore& out, TokenSight& sight);
bool partnerBlocksPairMove(uint8_t colour, uint8_t token, uint8_t die);
bool entryCaptureChance(uint8_t colour, uint32_t T);
// The sum of the turn's unplayed dice.
uint32_t unplayedDiceTotal();
