// The square scan: distances around the track, blocking pairs, capture targets and the query filters.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/rules.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"

namespace {

TargetQuery ask(uint32_t filter, uint8_t distance, uint8_t colour, uint8_t token) {
    TargetQuery q{filter, distance, None, None, None};
    scanSquares(colour, token, &q, 1);
    return q;
}

uint8_t nearestBlock(uint8_t colour, uint8_t token) { return ask(BlockingFilter, None, colour, token).best; }

}  // namespace

TEST(GameRules, OpponentPairOnUnsafeSquareBlocksAndIsReported) {
    startPosition(0);
    place(0, 0, 2);
    place(1, 0, progressOn(1, 5));
    place(1, 1, progressOn(1, 5));
    expectBoardInvariants();
    const TargetQuery q = ask(BlockingFilter, None, 0, 0);
    EXPECT_EQ(q.best, 3);
    EXPECT_EQ(q.colour, 1);
    EXPECT_EQ(q.token, 0);

    // The same pair on safe square 7 blocks nothing.
    place(1, 0, progressOn(1, 7));
    place(1, 1, progressOn(1, 7));
    EXPECT_EQ(nearestBlock(0, 0), None);

    // A single opponent never blocks, nor does a pair of one's own side.
    place(1, 0, progressOn(1, 5));
    EXPECT_EQ(nearestBlock(0, 0), None);
    place(0, 1, 5);
    place(0, 2, 5);
    EXPECT_EQ(nearestBlock(0, 0), None);
    expectBoardInvariants();
}

TEST(GameRules, DistancesWrapAroundTheTrack) {
    startPosition(0);
    placeOn(1, 0, 43);  // colour 1 at progress 32
    ASSERT_EQ(progressOf(1, 0), 32);
    placeOn(0, 0, 2);
    placeOn(0, 1, 2);
    EXPECT_EQ(nearestBlock(1, 0), 3);

    // Behind, across the wrap: square 41 is four steps behind square 1 for colour 0.
    startPosition(0);
    placeOn(0, 0, 1);
    placeOn(2, 0, 41);
    EXPECT_EQ(ask(TargetOpponent | TargetSingle | TargetBehind | TargetUnsafe, None, 0, 0).best, 4);

    // The same pair on safe square 1 blocks nothing.
    startPosition(0);
    placeOn(1, 0, 43);
    placeOn(0, 0, 1);
    placeOn(0, 1, 1);
    EXPECT_EQ(nearestBlock(1, 0), None);
}

TEST(GameRules, ScanReachesSeventeenStepsAndStopsAtTheHomeColumn) {
    const uint32_t anyOpponentAhead = TargetOpponent | TargetSingle | TargetAhead | TargetSafe | TargetUnsafe;
    startPosition(0);
    place(0, 0, 5);
    place(1, 0, progressOn(1, 22));  // 17 ahead
    EXPECT_EQ(ask(anyOpponentAhead, None, 0, 0).best, 17);
    place(1, 0, progressOn(1, 23));  // 18 ahead: out of sight
    EXPECT_EQ(ask(anyOpponentAhead, None, 0, 0).best, None);

    // From progress 41, a pair 3 squares on is where the token would be in its home column.
    startPosition(0);
    place(0, 0, 41);
    placeOn(1, 0, 44);
    placeOn(1, 1, 44);
    placeOn(1, 2, 43);
    EXPECT_EQ(nearestBlock(0, 0), None);
    EXPECT_EQ(ask(anyOpponentAhead, None, 0, 0).best, 2);

    // No answer for a token in the yard, a home column or at home.
    place(0, 0, 0);
    EXPECT_EQ(ask(anyOpponentAhead | TargetBehind, None, 0, 0).best, None);
    place(0, 0, 45);
    EXPECT_EQ(ask(anyOpponentAhead | TargetBehind, None, 0, 0).best, None);
    expectBoardInvariants();
}

TEST(GameRules, OwnSquareMatchesOnlyWithOtherTokensAndReportsTheFirstOther) {
    const uint32_t anyHere = TargetOwnSquare | TargetOwnSide | TargetOpponent | TargetSingle | TargetPair |
                             TargetSafe | TargetUnsafe;
    startPosition(0);
    place(0, 1, 5);
    EXPECT_EQ(ask(anyHere, None, 0, 1).best, None);  // alone on its square
    place(1, 3, progressOn(1, 5));
    TargetQuery q = ask(anyHere, None, 0, 1);
    EXPECT_EQ(q.best, 0);
    EXPECT_EQ(q.colour, 1);
    EXPECT_EQ(q.token, 3);
    EXPECT_EQ(ask(anyHere & ~TargetOwnSquare, None, 0, 1).best, None);
    // The mover is skipped even when it is the first token of the square; one other token is a single.
    EXPECT_EQ(ask(anyHere & ~TargetPair & ~TargetOwnSide, None, 0, 1).best, 0);
    place(0, 0, 5);
    q = ask(anyHere, None, 0, 1);
    EXPECT_EQ(q.colour, 0);
    EXPECT_EQ(q.token, 0);
    EXPECT_EQ(ask(anyHere & ~TargetSingle, None, 0, 1).best, 0);  // two others: a pair
}

TEST(GameRules, SidesFollowThePartnersFlag) {
    const uint32_t opponentAhead = TargetOpponent | TargetSingle | TargetAhead | TargetSafe | TargetUnsafe;
    const uint32_t friendAhead = TargetOwnSide | TargetSingle | TargetAhead | TargetSafe | TargetUnsafe;
    for (uint32_t flags : {0u, FlagPartners}) {
        startPosition(flags);
        place(0, 0, 3);
        place(2, 0, progressOn(2, 6));
        const bool partners = flags != 0;
        EXPECT_EQ(ask(opponentAhead, None, 0, 0).best, partners ? None : 3);
        EXPECT_EQ(ask(friendAhead, None, 0, 0).best, partners ? 3 : None);
        place(3, 0, progressOn(3, 5));
        EXPECT_EQ(ask(opponentAhead, None, 0, 0).best, 2);
    }
}

TEST(GameRules, ExactDistanceAndNearestMatchAcrossManyQueries) {
    startPosition(0);
    place(0, 0, 10);
    place(1, 0, progressOn(1, 13));
    place(1, 1, progressOn(1, 15));
    place(3, 0, progressOn(3, 6));
    place(2, 0, progressOn(2, 14));
    place(2, 1, progressOn(2, 14));
    const uint32_t single = TargetOpponent | TargetSingle | TargetAhead | TargetUnsafe;
    TargetQuery q[5] = {
        {single, None, None, None, None},                                  // nearest single ahead
        {single, 5, None, None, None},                                     // exactly 5 ahead
        {single, 4, None, None, None},                                     // exactly 4: a pair stands there
        {TargetOpponent | TargetPair | TargetAhead | TargetUnsafe, 4, None, None, None},
        {TargetOpponent | TargetSingle | TargetBehind | TargetUnsafe, None, None, None, None},
    };
    scanSquares(0, 0, q, 5);
    EXPECT_EQ(q[0].best, 3);
    EXPECT_EQ(q[0].colour, 1);
    EXPECT_EQ(q[1].best, 5);
    EXPECT_EQ(q[1].token, 1);
    EXPECT_EQ(q[2].best, None);
    EXPECT_EQ(q[3].best, 4);
    EXPECT_EQ(q[3].colour, 2);
    EXPECT_EQ(q[4].best, 4);
    EXPECT_EQ(q[4].colour, 3);
}

TEST(GameRules, LaterSlotWinsAtEqualDistance) {
    const uint32_t eitherWay = TargetOpponent | TargetSingle | TargetAhead | TargetBehind | TargetUnsafe;
    startPosition(0);
    place(0, 0, 20);
    place(1, 0, progressOn(1, 24));  // 4 ahead, placed first: the lower slot
    place(1, 1, progressOn(1, 16));  // 4 behind, the higher slot
    TargetQuery q = ask(eitherWay, None, 0, 0);
    EXPECT_EQ(q.best, 4);
    EXPECT_EQ(q.token, 1);
    ASSERT_LT(game.players[1].slot[0], game.players[1].slot[1]);
}
