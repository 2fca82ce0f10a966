// Computer move choice: the best move and the number of distinct legal moves for the dice left.
#pragma once
#include <cstdint>

#include "ai/evaluate.h"

struct BestMove {
    uint8_t dieIndex;
    uint8_t player;
    uint8_t token;
    uint8_t player2;
    uint8_t token2;
    uint8_t countLast;
    uint8_t countSix;
    uint8_t moveCount;
    int16_t bestScore;
};

extern BestMove bestMove;
// Indexed candidate + 8 * die kind (0 the final roll, 1 a six).
extern MoveScore moveScores[16];

// Rates each candidate of the side to play in pos, for each of its dice left, on one ladder: the
// scores indexed as moveScores, the best and the counts into best.
void rateMoves(const Position& pos, Ladder ladder, MoveScore (&scores)[16], BestMove& best);
// rateMoves on the game at its difficulty, into moveScores and bestMove.
void rateTurnMoves();
// The best move rated becomes the pending one: always the computer's, a person's when it is the only one.
void pendChosenMove();
// The rating the last rateTurnMoves gave colour's token moving by die, copied into out; false when it
// rated no such move. Good only while the board and the dice are still those it saw.
bool findRating(uint8_t colour, uint8_t token, uint8_t die, MoveScore& out);
void resetMoveScores();
// Whether a score is one of the two rungs that move two tokens together.
bool isPairScore(int16_t score);
// The side token a pair rung moves beside colour's token: the first on its square, in bit order,
// that is not the token itself.
void pairPartner(const Position& pos, uint8_t colour, uint8_t token, uint8_t& colour2, uint8_t& token2);
