// Move execution: slot bookkeeping, walking routes, captures, pair moves and the end of a game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/moves.h"
#include "game/track.h"
#include "platform/headless/headless.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"

namespace {

// Records the sounds and pauses of a move, as the platform reports them.
class GameMovesCues : public testing::Test {
protected:
    void SetUp() override {
        setHeadlessTrace([this](std::string_view line) {
            if (line.starts_with("sound") || line.starts_with("wait")) cues.emplace_back(line);
        });
    }
    void TearDown() override { setHeadlessTrace(nullptr); }

    static void append(std::vector<std::string>& to, std::initializer_list<const char*> lines, int times = 1) {
        for (int i = 0; i < times; ++i) to.insert(to.end(), lines.begin(), lines.end());
    }
    std::vector<std::string> cues;
};

}  // namespace

TEST(GameMoves, SlotsAreFreedAndTheLowestFreeSlotIsReused) {
    startPosition(0);
    EXPECT_EQ(moveToken(0, 0, 5), 5);
    EXPECT_EQ(game.players[0].slot[0], 1);
    EXPECT_EQ(game.board[0].count, 15);
    moveToken(0, 1, 9);
    EXPECT_EQ(game.players[0].slot[1], 2);
    // Leaving slot 2 frees it and keeps its stale count and mask; joining square 5 stacks on slot 1.
    moveToken(0, 1, -4);
    EXPECT_EQ(game.board[2].square, None);
    EXPECT_EQ(game.board[2].count, 1);
    EXPECT_EQ(game.board[2].tokenMask, 0x0002);
    EXPECT_EQ(game.players[0].slot[1], 1);
    EXPECT_EQ(game.board[1].count, 2);
    // A newly occupied square takes the lowest free slot, with just the new token.
    EXPECT_EQ(moveToken(1, 2, 1), 12);
    EXPECT_EQ(game.players[1].slot[2], 2);
    EXPECT_EQ(game.board[2].count, 1);
    EXPECT_EQ(game.board[2].tokenMask, 0x0040);
    expectBoardInvariants();

    // When the yard empties its slot is freed; a token sent back later takes a fresh slot for it.
    startPosition(0);
    for (uint8_t p = 0; p < 4; ++p)
        for (uint8_t t = 0; t < 4; ++t) place(p, t, static_cast<uint8_t>(1 + t));
    for (const BoardSlot& slot : game.board) EXPECT_NE(slot.square, SquareYard);
    expectBoardInvariants();
    place(2, 3, 0);
    EXPECT_EQ(slotOf(2, 3).square, SquareYard);
    expectBoardInvariants();
}

TEST(GameMoves, ForwardMovesEndAlikeWithAndWithoutAnimation) {
    for (uint32_t flags : {0u, FlagAnimateTokens}) {
        startPosition(flags);
        place(0, 0, 41);
        playMove(moveOf(0, 0), None, 6, false);
        EXPECT_EQ(progressOf(0, 0), 47);
        EXPECT_EQ(slotOf(0, 0).square, 48);
        expectBoardInvariants();
        playMove(moveOf(0, 0), None, 1, false);
        EXPECT_EQ(slotOf(0, 0).square, SquareHome);
        expectBoardInvariants();
        // Colour 1 runs over square 44 and on around the wrap.
        place(1, 1, 30);
        playMove(moveOf(1, 1), None, 5, false);
        EXPECT_EQ(progressOf(1, 1), 35);
        EXPECT_EQ(slotOf(1, 1).square, 2);
        expectBoardInvariants();
    }
}

TEST(GameMoves, EnteringNeverCapturesButLandingOnALoneOpponentSendsItBack) {
    for (uint32_t flags : {0u, FlagAnimateTokens | FlagPlaySounds}) {
        startPosition(flags);
        placeOn(1, 0, 1);  // an opponent sits on colour 0's start square
        playMove(moveOf(0, 2), None, 6, true);
        EXPECT_EQ(progressOf(0, 2), 1);
        EXPECT_EQ(progressOf(1, 0), progressOn(1, 1));
        EXPECT_EQ(slotOf(0, 2).count, 2);
        expectBoardInvariants();

        startPosition(flags);
        place(0, 0, 5);
        placeOn(1, 0, 8);
        ASSERT_EQ(progressOf(1, 0), 41);
        playMove(moveOf(0, 0), None, 3, true);
        EXPECT_EQ(progressOf(1, 0), 0);
        EXPECT_EQ(slotOf(1, 0).square, SquareYard);
        EXPECT_EQ(slotOf(0, 0).square, 8);
        EXPECT_EQ(slotOf(0, 0).count, 1);
        expectBoardInvariants();
    }
}

TEST(GameMoves, NoCaptureOnSafeSquaresPassingOrWithinTheSide) {
    startPosition(0);
    place(0, 0, 4);
    placeOn(1, 0, 7);  // safe
    placeOn(1, 1, 6);  // passed over, not landed on
    playMove(moveOf(0, 0), None, 3, true);
    EXPECT_EQ(slotOf(0, 0).count, 2);
    EXPECT_EQ(progressOf(1, 0), progressOn(1, 7));
    EXPECT_EQ(progressOf(1, 1), progressOn(1, 6));
    expectBoardInvariants();

    startPosition(FlagPartners);
    place(0, 0, 5);
    placeOn(2, 0, 8);
    playMove(moveOf(0, 0), None, 3, true);
    EXPECT_EQ(slotOf(0, 0).count, 2);
    EXPECT_EQ(progressOf(2, 0), progressOn(2, 8));
    expectBoardInvariants();
}

TEST(GameMoves, PairMovesHalveTheDieAndCaptureAWholePairTokenByToken) {
    for (uint32_t flags : {0u, FlagAnimateTokens}) {
        startPosition(flags);
        place(0, 1, 10);
        place(0, 3, 10);
        playMove(moveOf(0, 1, 0), 3, 4, false);
        EXPECT_EQ(progressOf(0, 1), 12);
        EXPECT_EQ(progressOf(0, 3), 12);
        EXPECT_EQ(slotOf(0, 1).count, 2);
        expectBoardInvariants();

        // An opponent pair two squares on, on unsafe square 14: both go home.
        placeOn(1, 2, 14);
        placeOn(1, 3, 14);
        playMove(moveOf(0, 1, 0), 3, 4, true);
        EXPECT_EQ(progressOf(1, 2), 0);
        EXPECT_EQ(progressOf(1, 3), 0);
        EXPECT_EQ(slotOf(0, 1).tokenMask, 0x000A);
        expectBoardInvariants();
    }
}

TEST(GameMoves, CaptureInAPartnersGameSendsBothColoursOfTheSideHome) {
    startPosition(FlagPartners | FlagAnimateTokens);
    place(0, 0, 5);
    placeOn(3, 1, 8);
    placeOn(1, 2, 8);
    playMove(moveOf(0, 0), None, 3, true);
    EXPECT_EQ(progressOf(3, 1), 0);
    EXPECT_EQ(progressOf(1, 2), 0);
    EXPECT_EQ(slotOf(0, 0).tokenMask, 0x0001);
    expectBoardInvariants();
}

TEST(GameMoves, SideProgressAndTheResultOfAGame) {
    startPosition(FlagPartners);
    place(0, 0, 1);
    place(2, 0, 1);
    place(1, 0, 9);
    EXPECT_EQ(sideProgress(0), 2u);
    EXPECT_EQ(sideProgress(3), 9u);
    setFlag(FlagPartners, false);
    EXPECT_EQ(sideProgress(1), 9u);
    EXPECT_EQ(sideProgress(3), 0u);

    startPosition(FlagPartners);
    for (uint8_t t = 0; t < 4; ++t) {
        place(0, t, ProgressHome);
        place(2, t, ProgressHome);
    }
    EXPECT_EQ(sideProgress(2), 384u);
    expectBoardInvariants();

    struct Case {
        uint32_t flags;
        uint8_t player;
        bool won;
    };
    const Case cases[] = {
        {FlagOnePlayer | FlagPartners, 2, true}, {FlagOnePlayer | FlagPartners, 1, false},
        {FlagOnePlayer, 0, true},                {FlagOnePlayer, 2, false},
        {0, 2, false},                           {FlagPartners, 0, true},
        {FlagPartners, 3, false},
    };
    for (const Case& c : cases) {
        game.core.flags = c.flags;
        game.core.currentPlayer = c.player;
        EXPECT_EQ(announceResult(), c.won) << "flags " << c.flags << " player " << int(c.player);
    }
}

TEST_F(GameMovesCues, AnimatedStepsClickThenPauseLongerBeforeTheLastStep) {
    startPosition(FlagAnimateTokens | FlagPlaySounds);
    place(0, 0, 41);
    playMove(moveOf(0, 0), None, 6, true);
    std::vector<std::string> expected;
    append(expected, {"sound WVM", "wait 100"}, 5);
    append(expected, {"sound WVM", "wait 50"});
    EXPECT_EQ(cues, expected);

    // Reaching home is heard after the step that gets there.
    cues.clear();
    playMove(moveOf(0, 0), None, 1, true);
    EXPECT_EQ(cues, (std::vector<std::string>{"sound WVM", "sound WVH", "wait 50"}));
}

TEST_F(GameMovesCues, JumpsYardExitsAndSilentSetUp) {
    startPosition(FlagPlaySounds);
    place(0, 0, 10);
    playMove(moveOf(0, 0), None, 5, true);
    EXPECT_EQ(cues, (std::vector<std::string>{"sound WVM", "wait 50"}));

    cues.clear();
    setFlag(FlagAnimateTokens, true);
    playMove(moveOf(0, 1), None, 6, true);
    EXPECT_EQ(cues, (std::vector<std::string>{"sound WVS", "wait 50"}));

    // Without display nothing is heard or waited for; without sounds only the pauses remain.
    cues.clear();
    playMove(moveOf(0, 2), None, 6, false);
    playMove(moveOf(0, 2), None, 2, false);
    EXPECT_TRUE(cues.empty());
    setFlag(FlagPlaySounds, false);
    playMove(moveOf(0, 2), None, 2, true);
    EXPECT_EQ(cues, (std::vector<std::string>{"wait 100", "wait 50"}));
}

TEST_F(GameMovesCues, CapturedTokensWalkHomeSilentlyAfterTheCapture) {
    startPosition(FlagAnimateTokens | FlagPlaySounds);
    place(0, 0, 5);
    placeOn(1, 0, 8);
    playMove(moveOf(0, 0), None, 3, true);
    std::vector<std::string> expected;
    append(expected, {"sound WVM", "wait 100"}, 2);
    append(expected, {"sound WVM", "wait 50", "sound WVE"});
    append(expected, {"wait 50"}, 41);
    EXPECT_EQ(cues, expected);

    // The capture sound does not depend on display, and the victims always walk in view.
    startPosition(FlagPlaySounds);
    place(0, 0, 5);
    placeOn(1, 0, 8);
    cues.clear();
    playMove(moveOf(0, 0), None, 3, false);
    EXPECT_EQ(cues, (std::vector<std::string>{"sound WVE", "wait 50"}));
    EXPECT_EQ(progressOf(1, 0), 0);
}
