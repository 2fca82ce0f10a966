// The moves a side may make with its dice, each with the rating the ladder gives it at each difficulty.
#pragma once
#include <cstdint>

#include "ai/evaluate.h"
#include "game/position.h"

struct ListedMove {
    Move move;
    // The ladder's score where that difficulty would play this move (or one leaving the same position
    // but for which token of a square moved) for its token and die; ScoreNotEvaluated where it never would.
    int16_t rating[LadderCount];
};

// Per die still to play: eight single tokens, and on each of four shared squares three kinds of pair.
constexpr int MoveListCapacity = 40;
struct MoveList {
    uint8_t count;
    ListedMove moves[MoveListCapacity];
};

// Every move moveAllowed accepts for the side to play in pos with its dice left, one of each set of
// moves leaving the same position but for which token of a square moved: singles by the ladder's
// own test, own, partner and mixed pairs. The moves the ladder rates come first, in its order of
// rating, so that the first lowest rating is the move that difficulty plays.
void listMoves(const Position& pos, MoveList& out);
