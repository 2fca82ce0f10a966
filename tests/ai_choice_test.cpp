// Move choice: the best move, ties, the count of distinct moves, pair partners and whole games.
#include <gtest/gtest.h>

#include "ai/choice.h"
#include "game/game_state.h"
#include "game/moves.h"
#include "game/rules.h"
#include "game/setup.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"

namespace {

void expectPending(uint8_t die, uint8_t colour, uint8_t token, uint8_t colour2, uint8_t token2) {
    EXPECT_EQ(game.pendingMove.dieIndex, die);
    EXPECT_EQ(game.pendingMove.player, colour);
    EXPECT_EQ(game.pendingMove.token, token);
    EXPECT_EQ(game.pendingMove.player2, colour2);
    EXPECT_EQ(game.pendingMove.token2, token2);
}

}  // namespace

TEST(AiChoice, NoLegalMoveLeavesEverythingEmpty) {
    startPosition(0);
    game.players[0].kind = Computer;
    setDice(3, 0);
    game.pendingMove = PendingMove{0, 1, 2, 3, 0};
    findMoves();
    EXPECT_EQ(bestMove.moveCount, 0);
    EXPECT_EQ(bestMove.bestScore, ScoreNotEvaluated);
    expectPending(None, None, None, None, None);  // a computer's pending move is overwritten
    for (int i = 0; i < 4; ++i) EXPECT_EQ(moveScores[i].score, RefuseNeedsSix);

    // A person with nothing to play keeps the pending move untouched.
    game.players[0].kind = Human;
    game.pendingMove = PendingMove{0, 1, 2, 3, 0};
    findMoves();
    expectPending(0, 1, 2, 3, 0);
}

TEST(AiChoice, YardTokensWithASixCountAsOneMovePerColour) {
    startPosition(0);
    setDice(2, 1);
    findMoves();
    EXPECT_EQ(bestMove.countSix, 1);
    EXPECT_EQ(bestMove.countLast, 0);
    EXPECT_EQ(bestMove.moveCount, 1);
    expectPending(0, 0, 0, None, None);  // forced, so written for a person too

    startPosition(FlagPartners);
    setDice(3, 1);
    for (uint8_t t = 1; t < 4; ++t) {
        place(0, t, 48);
        place(2, t, 48);
    }
    findMoves();
    EXPECT_EQ(bestMove.moveCount, 2);
    expectPending(None, None, None, None, None);
    EXPECT_EQ(bestMove.player, 0);
    EXPECT_EQ(bestMove.dieIndex, 0);

    // A token that may move with the final roll and with a six counts twice.
    startPosition(0);
    setDice(3, 1);
    for (uint8_t t = 0; t < 4; ++t) place(0, t, t == 0 ? 10 : 48);
    findMoves();
    EXPECT_EQ(bestMove.countLast, 1);
    EXPECT_EQ(bestMove.countSix, 1);
    EXPECT_EQ(bestMove.moveCount, 2);
}

TEST(AiChoice, TiesGoToTheFirstCandidateAndTheFinalRollBeforeASix) {
    // Two tokens of a pair on a safe square, odd final roll: equal plain scores, token 0 wins.
    startPosition(0);
    setDice(3, 0);
    place(0, 1, 7);
    place(0, 2, 7);
    findMoves();
    EXPECT_EQ(moveScores[1].score, moveScores[2].score);
    EXPECT_EQ(bestMove.token, 1);
    EXPECT_EQ(bestMove.dieIndex, 0);

    // One token, a plain move either way: the final roll (die index = sixes rolled) wins the tie.
    startPosition(0);
    setDice(3, 1);
    place(0, 0, 30);
    for (uint8_t t = 1; t < 4; ++t) place(0, t, 48);
    findMoves();
    ASSERT_EQ(moveScores[0].score, moveScores[8].score);
    EXPECT_EQ(bestMove.dieIndex, 1);
    // Once the final roll is played only sixes are rated; the next six is die number sixesUsed.
    setDice(3, 2, 1, true);
    findMoves();
    EXPECT_EQ(bestMove.dieIndex, 1);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(moveScores[i].score, ScoreNotEvaluated);

    // With partners the own colour comes before the partner colour.
    startPosition(FlagPartners);
    setDice(5, 0);
    place(0, 0, 20);
    place(2, 0, 20);  // a different square, the same progress
    findMoves();
    EXPECT_EQ(moveScores[0].score, moveScores[4].score);
    EXPECT_EQ(bestMove.player, 0);
}

TEST(AiChoice, PairMovesNameTheFirstOtherSideTokenOnTheSquare) {
    startPosition(FlagNormal);
    setDice(4, 0);
    place(0, 1, 46);
    place(0, 3, 46);
    findMoves();
    EXPECT_EQ(bestMove.bestScore, 1600 - 46);
    EXPECT_EQ(bestMove.token, 1);
    EXPECT_EQ(bestMove.player2, 0);
    EXPECT_EQ(bestMove.token2, 3);

    // Colour 2 moving with a colour-0 token on its square: the partner token comes first in bit order.
    startPosition(FlagPartners);
    game.core.currentPlayer = 2;
    game.players[2].kind = Computer;
    setDice(2, 0);
    place(2, 2, 32);
    place(0, 3, 10);  // the same square, 10
    place(2, 3, 32);
    findMoves();
    EXPECT_EQ(bestMove.bestScore, 1600 - 32);
    expectPending(0, 2, 2, 0, 3);

    // A plain best move has no second token.
    startPosition(0);
    setDice(3, 0);
    place(0, 0, 12);
    findMoves();
    EXPECT_EQ(bestMove.player2, None);
    EXPECT_EQ(bestMove.token2, None);
}

TEST(AiChoice, PartnerCandidatesAreRatedOnlyInPartnersGames) {
    startPosition(0);
    resetMoveScores();
    for (const MoveScore& m : moveScores) EXPECT_EQ(m.score, ScoreNotEvaluated);
    moveScores[5].score = 1234;
    setDice(1, 0);
    place(2, 0, 30);
    findMoves();
    EXPECT_EQ(moveScores[5].score, 1234);
    EXPECT_EQ(bestMove.moveCount, 0);
    setFlag(FlagPartners, true);
    findMoves();
    EXPECT_EQ(moveScores[4].score, 20000 - 30);
    EXPECT_EQ(bestMove.moveCount, 1);
}

// Whole games between computer players keep the board consistent after every move and end.
TEST(AiChoice, ComputerGamesRunToTheEndWithAConsistentBoard) {
    const uint32_t lineups[4] = {0, FlagShortGames, FlagQuickStart | FlagNormal, FlagShortGames | FlagQuickStart};
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        game = GameState{};
        game.boardSize = 240;
        game.core.flags = lineups[seed % 4] | (seed % 3 == 0 ? FlagNormal : 0) | (seed % 2 ? FlagAnimateTokens : 0);
        setUpBoard(seed % 2 ? CmdOnePlayerGame : CmdTwoPlayerGame);
        const int turns = playComputerGame(seed, false, 5000, [] { expectBoardInvariants(); });
        EXPECT_LT(turns, 5000) << "seed " << seed;
        EXPECT_TRUE(sideHasWon(game.core.currentPlayer)) << "seed " << seed;
        if (HasFailure()) return;
    }
}
