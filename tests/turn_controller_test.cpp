// Whole turns through the window procedure: rolls, sixes, computer turns, forced moves, refusals, the end.
#include <gtest/gtest.h>

#include <string>

#include "game/game_state.h"
#include "game/moves.h"
#include "game/setup.h"
#include "game/undo.h"
#include "platform/chrome/chrome.h"
#include "platform/window/messages.h"
#include "render/panel.h"
#include "resources/strings.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"
#include "tests/turn_driver.h"
#include "turn/controller.h"
#include "turn/dice.h"

namespace {

bool showing(int id) { return std::string(messageText) == loadString(id); }

// A game of colours 0 and 2 only, on the given option and mode bits, colour 0 to roll.
void shortPosition(uint32_t flags, PlayerKind colour2) {
    startPosition(flags);
    game.players[1].kind = Absent;
    game.players[3].kind = Absent;
    game.players[2].kind = colour2;
    game.core.currentPlayer = 0;
}

// Colour 0 with tokens on 10 and 20, tips on, to roll.
void twoTokensOut() {
    shortPosition(FlagShowTips, Human);
    place(0, 0, 10);
    place(0, 1, 20);
}

using TurnController = TurnDriverTest;

}  // namespace

TEST_F(TurnController, RollAreaBoundsSixesAndAForcedEntry) {
    startGame(CmdTwoPlayerGame, FlagShortGames | FlagShowTips | FlagAnimateDice);
    fixRolls({6, 6, 3});
    const int32_t b = game.boardSize;
    tap(b - 35, b + 5);
    tap(b - 20, b);
    EXPECT_EQ(turnState(), AwaitRoll);
    EXPECT_EQ(lastDie(), 0);

    tap(b - 34, b + 1);
    EXPECT_EQ(turnState(), AwaitRoll);
    EXPECT_EQ(sixesRolled(), 1);
    EXPECT_TRUE(showing(1205));
    tap(239, 267);  // the far corner of the window still rolls
    EXPECT_EQ(sixesRolled(), 2);

    trace.clear();
    tapRoll();
    // All in the yard: the sixes bring one token out without asking, then the choice is the player's.
    EXPECT_EQ(progressOf(0, 0), 1);
    EXPECT_EQ(sixesUsed(), 1);
    EXPECT_EQ(turnState(), PickToken);
    EXPECT_EQ(game.pendingMove.dieIndex, 1);
    EXPECT_TRUE(showing(1203));
    EXPECT_TRUE(traced(trace, "button 4040 on"));
    EXPECT_FALSE(traced(trace, "wait 150")) << "the roll tap itself must not count as a missed token tap";
    // The snapshot is the state right after the final roll.
    const uint32_t snap = game.undo.core.flags;
    EXPECT_EQ(snap & TurnStateMask, uint32_t{Playing});
    EXPECT_EQ((snap & SixesRolledMask) >> SixesRolledShift, 2u);
    EXPECT_EQ((snap & LastDieMask) >> LastDieShift, 3u);
    EXPECT_EQ((snap & SixesUsedMask) >> SixesUsedShift, 0u);
    expectBoardInvariants();
}

TEST_F(TurnController, ThreeSixesLoseTheTurnWithOrWithoutTips) {
    for (const bool tips : {true, false}) {
        startGame(CmdTwoPlayerGame, FlagShortGames | FlagPlaySounds | (tips ? FlagShowTips : 0));
        int sixesUsedAtPause = -1;
        onTrace = [&sixesUsedAtPause](const std::string& line) {
            if (line == "wait 1000") sixesUsedAtPause = sixesUsed() + (lastDieUsed() ? 10 : 0);
        };
        trace.clear();
        fixRolls({6, 6, 6});
        tapRoll();
        tapRoll();
        tapRoll();
        EXPECT_TRUE(traced(trace, "sound WVP"));
        EXPECT_EQ(traced(trace, "wait 1000"), tips);
        if (tips) {
            EXPECT_EQ(sixesUsedAtPause, 12) << "two sixes used and the final die marked played";
        }
        EXPECT_EQ(game.core.currentPlayer, 2);
        EXPECT_EQ(turnState(), AwaitRoll);
        EXPECT_EQ(game.core.flags & DiceBitsMask, 0u);
        EXPECT_EQ(sideProgress(0), 0u);
        EXPECT_TRUE(showing(1201));
    }
}

TEST_F(TurnController, ComputerTurnRunsOnPostedTapsAndQueuedTapsAreLost) {
    startGame(CmdOnePlayerGame, FlagShortGames | FlagAnimateDice | FlagAnimateTokens | FlagShowTips);
    fixRolls({3, 6, 4, 5});
    // The human's 3 moves nothing; the turn passes and the computer's roll waits in the queue.
    postTap(game.boardSize - 20, game.boardSize + 10);
    Msg msg{};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(GetMessage(msg));
        DispatchMessage(msg);
    }
    EXPECT_EQ(game.core.currentPlayer, 2);
    EXPECT_EQ(turnState(), Rolling);
    EXPECT_TRUE(showing(1202));
    EXPECT_EQ(sideProgress(2), 0u);
    EXPECT_FALSE(QueueIdle());

    // A tap and a key made while the computer's token walks are still queued when the human's turn comes.
    bool posted = false, sixShown = false;
    onTrace = [&posted, &sixShown](const std::string& line) {
        sixShown = sixShown || showing(1206);
        if (!posted && line == "wait 100") {
            posted = true;
            postTap(game.boardSize - 20, game.boardSize + 10);
            PostMessage(WM_KEYDOWN, KeySpace, 0);
        }
    };
    ASSERT_TRUE(runQueue());
    EXPECT_TRUE(posted);
    EXPECT_TRUE(sixShown);
    EXPECT_EQ(progressOf(2, 0), 5) << "the six brings a token out and the 4 moves it on";
    EXPECT_EQ(game.core.currentPlayer, 0);
    EXPECT_EQ(turnState(), AwaitRoll);
    EXPECT_EQ(lastDie(), 0) << "the queued tap and key must have been discarded, not rolled";
    EXPECT_TRUE(showing(1201));
    EXPECT_EQ(nextDieValue(), 5);
    expectBoardInvariants();
}

TEST_F(TurnController, AForcedMovePlaysWithoutAPrompt) {
    shortPosition(FlagShowTips | FlagAnimateTokens, Human);
    place(0, 0, 10);
    fixRolls({4});
    tapRoll();
    EXPECT_EQ(progressOf(0, 0), 14);
    EXPECT_FALSE(traced(trace, "wait 550"));
    EXPECT_TRUE(traced(trace, "button 4040 on"));
    EXPECT_EQ(game.core.currentPlayer, 2);
    EXPECT_EQ(turnState(), AwaitRoll);
    EXPECT_TRUE(showing(1201));
    expectBoardInvariants();
}

TEST_F(TurnController, RefusedTokensShowTheirReasonAndDieSelection) {
    twoTokensOut();
    place(0, 3, 46);
    placeOn(2, 0, 24);  // an opponent pair four squares ahead of token 1
    placeOn(2, 1, 24);
    fixRolls({6, 3});
    tapRoll();
    tapRoll();
    ASSERT_EQ(turnState(), PickToken);
    EXPECT_EQ(game.pendingMove.dieIndex, 0);
    EXPECT_TRUE(showing(1203));

    watchMessagesDuring("wait 550");
    tapToken(0, 1);
    tapToken(0, 3);
    // With die 1 (the 3) selected, a yard token needs a six.
    tapDie(1);
    EXPECT_EQ(game.pendingMove.dieIndex, 1);
    EXPECT_EQ(turnState(), PickToken);
    tapToken(0, 2);
    EXPECT_EQ(seenDuringWait, (std::vector<std::string>{loadString(1222), loadString(1223), loadString(1221)}));
    EXPECT_TRUE(traced(trace, "wait 150")) << "tips flash the tokens that can move";
    EXPECT_EQ(progressOf(0, 1), 20);
    EXPECT_EQ(progressOf(0, 3), 46);
    EXPECT_EQ(progressOf(0, 2), 0);
    EXPECT_EQ(game.pendingMove.dieIndex, 1) << "a refusal keeps the selected die";
    EXPECT_TRUE(showing(1203));

    // Play the 3 with token 0; the six is left, and the played die can no longer be selected.
    tapToken(0, 0);
    EXPECT_EQ(progressOf(0, 0), 13);
    EXPECT_TRUE(lastDieUsed());
    EXPECT_EQ(game.pendingMove.dieIndex, 0);
    EXPECT_TRUE(showing(1209));
    tapDie(1);
    EXPECT_EQ(game.pendingMove.dieIndex, 0);
    EXPECT_EQ(turnState(), PickToken);
    expectBoardInvariants();
}

TEST_F(TurnController, TapsOnTheDiceRowThatHitNoDieAreMisses) {
    twoTokensOut();
    fixRolls({6, 2});
    tapRoll();
    tapRoll();
    ASSERT_EQ(turnState(), PickToken);
    trace.clear();
    tap(60, game.boardSize + 10);  // where a third die would be: there is none
    EXPECT_EQ(game.pendingMove.dieIndex, 0);
    EXPECT_EQ(turnState(), PickToken);
    EXPECT_TRUE(traced(trace, "wait 150"));

    // With a single die the dice row is no die choice at all.
    twoTokensOut();
    fixRolls({2});
    tapRoll();
    ASSERT_EQ(turnState(), PickToken);
    EXPECT_TRUE(showing(1209));
    tapDie(0);
    EXPECT_EQ(turnState(), PickToken);
    EXPECT_EQ(progressOf(0, 0), 10);
}

TEST_F(TurnController, UndoTakesBackTheComputersTurnToo) {
    startGame(CmdOnePlayerGame, FlagShortGames);
    place(0, 0, 10);
    place(2, 0, 5);
    fixRolls({3, 2});
    tapRoll();
    ASSERT_EQ(progressOf(0, 0), 13);
    ASSERT_EQ(progressOf(2, 0), 7);
    ASSERT_EQ(game.core.currentPlayer, 0);
    ASSERT_TRUE(menuButtonEnabled(CmdUndo));

    PostMessage(WM_COMMAND, CmdUndo, 0);
    ASSERT_TRUE(runQueue());
    EXPECT_EQ(progressOf(0, 0), 10);
    EXPECT_EQ(progressOf(2, 0), 5);
    EXPECT_EQ(turnState(), Playing);
    EXPECT_EQ(lastDie(), 3);
    EXPECT_TRUE(showing(1220));
    EXPECT_FALSE(menuButtonEnabled(CmdUndo));
    expectBoardInvariants();

    // The next tap, anywhere, plays the same roll again; the computer then rolls anew.
    fixRolls({1});
    tap(5, 5);
    EXPECT_EQ(progressOf(0, 0), 13);
    EXPECT_EQ(progressOf(2, 0), 6);
    EXPECT_TRUE(menuButtonEnabled(CmdUndo));
}

TEST_F(TurnController, TheEndCountsOnceAndOnlyOnePlayerGamesCountWinsAndLosses) {
    struct Case {
        uint32_t mode;
        uint8_t winner;
        int message;
        uint32_t won, lost;
    };
    for (const Case c : {Case{FlagOnePlayer, 0, 1403, 1, 0}, Case{FlagOnePlayer, 2, 1404, 0, 1},
                         Case{0, 0, 1405, 0, 0}, Case{0, 2, 1406, 0, 0}}) {
        const bool computer = c.mode == FlagOnePlayer;
        shortPosition(c.mode | FlagPlaySounds, computer ? Computer : Human);
        for (uint8_t t = 0; t < 3; ++t) place(c.winner, t, ProgressHome);
        place(c.winner, 3, 45);
        game.core.currentPlayer = c.winner;
        game.core.gamesPlayed = 7;
        fixRolls({3});
        trace.clear();
        if (game.players[c.winner].kind == Computer) {
            setTurnState(Rolling);
            postTap(game.boardSize - 33, game.boardSize + 2);
            ASSERT_TRUE(runQueue());
        } else {
            tapRoll();
        }
        EXPECT_EQ(turnState(), GameOver);
        EXPECT_EQ(game.core.gamesPlayed, 8u);
        EXPECT_EQ(game.core.gamesWon, c.won);
        EXPECT_EQ(game.core.gamesLost, c.lost);
        EXPECT_TRUE(showing(c.message));
        EXPECT_TRUE(traced(trace, "sound WVO"));
        EXPECT_EQ(trace.back(), "button 4040 off");

        // The game stays over: taps change nothing, and nothing is counted twice.
        fixRolls({6});
        tapRoll();
        EXPECT_EQ(turnState(), GameOver);
        EXPECT_EQ(game.core.gamesPlayed, 8u);
        EXPECT_EQ(nextDieValue(), 6);
    }
}

TEST_F(TurnController, ComputersPlayAWholeGameToItsEnd) {
    // Two colours keep the game short: every tap is saved, and saving is what takes the time here.
    startGame(CmdOnePlayerGame, DefaultFlags | FlagShortGames);
    seedDice(12345);
    for (PlayerRecord& player : game.players)
        if (player.kind != Absent) player.kind = Computer;
    setTurnState(Rolling);
    postTap(game.boardSize - 33, game.boardSize + 2);
    ASSERT_TRUE(runQueue(2000000));
    EXPECT_EQ(turnState(), GameOver);
    EXPECT_EQ(sideProgress(game.core.currentPlayer), 192u);
    EXPECT_EQ(game.core.gamesPlayed, 1u);
    expectBoardInvariants();
}
