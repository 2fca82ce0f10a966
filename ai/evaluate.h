// Computer move evaluation: the score ladder that is also every move's legality test.
#pragma once
#include <cstdint>

#include "game/game_state.h"
#include "game/rules.h"

struct MoveScore {
    int16_t score;  // lower is better; ScoreNotEvaluated and above: may not be played
    uint8_t legal;  // the token may move alone by the die
};

// The difficulties that play by the ladder; Normal climbs rungs Easy never sees.
enum Ladder : uint8_t { LadderEasy, LadderNormal, LadderCount };
inline Ladder gameLadder(const Position& pos) { return flag(pos, FlagNormal) ? LadderNormal : LadderEasy; }

// A token's neighbourhood, surveyed by its first rating that needs it and kept for its other die.
struct TokenSight {
    bool surveyed;
    Neighbourhood around;
};

// What every rating within one position shares: the position, the difficulty, the track as the
// side to play sees it and the dice left to play, each worked out once.
struct Rating {
    const Position& pos;
    Ladder ladder;
    const TrackView& track;  // viewTrack(pos, the side's colour)
    uint32_t diceTotal;      // unplayedDiceTotal(pos)
};

// Colour's token moving by die, as the ladder rates it; each token surveyed once within one position.
void evaluateMove(const Rating& rating, uint8_t colour, uint8_t token, uint8_t die, MoveScore& out, TokenSight& sight);
// The same on the game at its own difficulty.
void evaluateMove(uint8_t colour, uint8_t token, uint8_t die, MoveScore& out);
bool partnerBlocksPairMove(const Position& pos, uint8_t colour, uint8_t token, uint8_t die);
bool entryCaptureChance(const Position& pos, uint8_t colour, uint32_t T);
// The sum of the turn's unplayed dice.
uint32_t unplayedDiceTotal(const Position& pos);
