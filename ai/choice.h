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

void findMoves();
// The rating the last findMoves gave colour's token moving by die, copied into out; false when it
// rated no such move. Good only while the board and the dice are still those findMoves saw.
bool findRating(uint8_t colour, uint8_t token, uint8_t die, MoveScore& out);
void resetMoveScores();
