// New games: the four line-ups, the Quick Start placement, the reset of the turn and the question.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/moves.h"
#include "game/setup.h"
#include "platform/chrome/chrome.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"

TEST(GameSetup, LineUpsAndQuickStartPlacement) {
    struct Case {
        bool shortGames;
        uint32_t command;
        PlayerKind kinds[4];
        bool partners, onePlayer;
    };
    const Case cases[] = {
        {false, CmdOnePlayerGame, {Human, Computer, Human, Computer}, true, true},
        {false, CmdTwoPlayerGame, {Human, Human, Human, Human}, true, false},
        {true, CmdOnePlayerGame, {Human, Absent, Computer, Absent}, false, true},
        {true, CmdTwoPlayerGame, {Human, Absent, Human, Absent}, false, false},
    };
    for (const Case& c : cases) {
        for (bool quick : {false, true}) {
            SCOPED_TRACE(testing::Message() << "short " << c.shortGames << " command " << c.command << " quick " << quick);
            startPosition(FlagPartners | FlagOnePlayer);
            place(1, 2, 17);  // leftovers of an earlier game
            setFlag(FlagShortGames, c.shortGames);
            setFlag(FlagQuickStart, quick);
            setUpBoard(c.command);
            for (int p = 0; p < 4; ++p) EXPECT_EQ(game.players[p].kind, c.kinds[p]) << "colour " << p;
            EXPECT_EQ(flag(FlagPartners), c.partners);
            EXPECT_EQ(flag(FlagOnePlayer), c.onePlayer);
            expectBoardInvariants();

            // Token 0 of each colour in play on its start square, in slots 1.. in the order 0, 2, 1, 3.
            const uint8_t order[4] = {0, 2, 1, 3};
            const int inPlay = !quick ? 0 : c.partners ? 4 : 2;
            EXPECT_EQ(game.board[0].square, SquareYard);
            EXPECT_EQ(game.board[0].count, 16 - inPlay);
            for (int k = 0; k < inPlay; ++k) {
                EXPECT_EQ(progressOf(order[k], 0), 1);
                EXPECT_EQ(game.players[order[k]].slot[0], k + 1);
                EXPECT_EQ(game.board[k + 1].square, 11 * order[k] + 1);
            }
            for (int i = inPlay + 1; i < 16; ++i) EXPECT_EQ(game.board[i].square, None) << "slot " << i;
            EXPECT_EQ(sideProgress(0), quick ? (c.partners ? 2u : 1u) : 0u);
        }
    }
}

TEST(GameSetup, NewGameResetsTheTurnAndKeepsOptionsAndStatistics) {
    startPosition(FlagPartners | FlagShowTips | FlagNormal | FlagPlaySounds);
    game.core.gamesPlayed = 7;
    game.core.gamesWon = 3;
    game.core.gamesLost = 4;
    game.core.currentPlayer = 3;
    setTurnState(PickMove);
    setDice(4, 2, 1, true);
    game.pendingMove = PendingMove{1, 3, 2, None, None};
    place(3, 2, 20);
    newGame(CmdTwoPlayerGame);
    EXPECT_EQ(game.core.currentPlayer, 0);
    EXPECT_EQ(turnState(), AwaitRoll);
    EXPECT_EQ(game.core.flags & DiceBitsMask, 0u);
    EXPECT_EQ(game.core.flags, FlagPartners | FlagShowTips | FlagNormal | FlagPlaySounds);
    EXPECT_EQ(game.core.gamesPlayed, 7u);
    EXPECT_EQ(game.core.gamesWon, 3u);
    EXPECT_EQ(game.core.gamesLost, 4u);
    EXPECT_EQ(game.pendingMove.dieIndex, None);
    EXPECT_EQ(game.pendingMove.player, None);
    EXPECT_EQ(game.pendingMove.token2, None);
    EXPECT_EQ(progressOf(3, 2), 0);
    EXPECT_FALSE(menuButtonEnabled(4040));
    expectBoardInvariants();
}

TEST(GameSetup, AbandoningAGameUnderWayNeedsAYes) {
    // Right after a Quick Start placement side 0 has nothing to lose: no question.
    game = GameState{};
    game.boardSize = 240;
    game.core.flags = FlagQuickStart;
    setUpBoard(CmdOnePlayerGame);
    setTurnState(PickToken);
    requestNewGame(CmdTwoPlayerGame);
    EXPECT_FALSE(flag(FlagOnePlayer));
    EXPECT_EQ(turnState(), AwaitRoll);

    // Once side 0 has moved, a No keeps the game as it was.
    playMove(moveOf(0, 0), None, 2, false);
    setTurnState(PickToken);
    answerQuestion(false);
    requestNewGame(CmdOnePlayerGame);
    EXPECT_EQ(progressOf(0, 0), 3);
    EXPECT_FALSE(flag(FlagOnePlayer));
    EXPECT_EQ(turnState(), PickToken);

    // A game that is over is replaced without asking.
    setTurnState(GameOver);
    requestNewGame(CmdOnePlayerGame);
    EXPECT_TRUE(flag(FlagOnePlayer));
    EXPECT_EQ(progressOf(0, 0), 1);
    expectBoardInvariants();
}
