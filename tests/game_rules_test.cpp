// The square scan as one table: a position, the token asking, the query, and what it finds.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/rules.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"

TEST(GameRules, Queries) {
    constexpr uint32_t Blocking = BlockingFilter;
    constexpr uint32_t FoeBehind = TargetOpponent | TargetSingle | TargetBehind | TargetUnsafe;
    constexpr uint32_t FoeAhead = TargetOpponent | TargetSingle | TargetAhead | TargetSafe | TargetUnsafe;
    constexpr uint32_t FriendAhead = TargetOwnSide | TargetSingle | TargetAhead | TargetSafe | TargetUnsafe;
    constexpr uint32_t Here = TargetOwnSquare | TargetOwnSide | TargetOpponent | TargetSingle | TargetPair |
                              TargetSafe | TargetUnsafe;
    constexpr uint32_t Single = TargetOpponent | TargetSingle | TargetAhead | TargetUnsafe;
    const std::vector<Placed> many = {{0, 0, 10}, {1, 0, progressOn(1, 13)}, {1, 1, progressOn(1, 15)},
                                      {3, 0, progressOn(3, 6)}, {2, 0, progressOn(2, 14)}, {2, 1, progressOn(2, 14)}};
    struct Row {
        const char* what;
        uint32_t flags;
        std::vector<Placed> tokens;
        uint8_t colour, token;  // the token asking
        uint32_t filter;
        uint8_t distance, best, foundColour = None, foundToken = None;  // None: not looked at
    };
    const Row rows[] = {
        {"a foe pair on an unsafe square blocks", 0, pairOn(1, 5, {{0, 0, 2}}), 0, 0, Blocking, None, 3, 1, 0},
        {"a foe pair on a safe square does not", 0, pairOn(1, 7, {{0, 0, 2}}), 0, 0, Blocking, None, None},
        {"a single foe does not", 0, {{0, 0, 2}, {1, 0, progressOn(1, 5)}}, 0, 0, Blocking, None, None},
        {"an own pair does not", 0, {{0, 0, 2}, {0, 1, 5}, {0, 2, 5}}, 0, 0, Blocking, None, None},
        {"distances wrap ahead", 0, {{1, 0, 32}, {0, 0, 2}, {0, 1, 2}}, 1, 0, Blocking, None, 3},
        {"and behind", 0, {{0, 0, 1}, {2, 0, progressOn(2, 41)}}, 0, 0, FoeBehind, None, 4},
        {"a pair on a start square blocks nothing", 0, {{1, 0, 32}, {0, 0, 1}, {0, 1, 1}}, 1, 0, Blocking, None,
         None},
        {"the scan sees 17 ahead", 0, {{0, 0, 5}, {1, 0, progressOn(1, 22)}}, 0, 0, FoeAhead, None, 17},
        {"but not 18", 0, {{0, 0, 5}, {1, 0, progressOn(1, 23)}}, 0, 0, FoeAhead, None, None},
        {"it stops at the home column", 0, pairOn(1, 44, {{0, 0, 41}, {1, 2, progressOn(1, 43)}}), 0, 0, Blocking,
         None, None},
        {"before which a foe counts", 0, pairOn(1, 44, {{0, 0, 41}, {1, 2, progressOn(1, 43)}}), 0, 0, FoeAhead,
         None, 2},
        {"nothing from the yard", 0, {{1, 0, progressOn(1, 3)}}, 0, 0, FoeAhead | TargetBehind, None, None},
        {"nothing from a home column", 0, {{0, 0, 45}, {1, 0, progressOn(1, 3)}}, 0, 0, FoeAhead | TargetBehind,
         None, None},
        {"alone on its square", 0, {{0, 1, 5}}, 0, 1, Here, None, None},
        {"a foe on its square", 0, {{0, 1, 5}, {1, 3, progressOn(1, 5)}}, 0, 1, Here, None, 0, 1, 3},
        {"only with OwnSquare", 0, {{0, 1, 5}, {1, 3, progressOn(1, 5)}}, 0, 1, Here & ~TargetOwnSquare, None,
         None},
        {"one other is a single", 0, {{0, 1, 5}, {1, 3, progressOn(1, 5)}}, 0, 1, Here & ~TargetPair & ~TargetOwnSide,
         None, 0},
        {"the first other is reported", 0, {{0, 1, 5}, {1, 3, progressOn(1, 5)}, {0, 0, 5}}, 0, 1, Here, None, 0, 0,
         0},
        {"two others are a pair", 0, {{0, 1, 5}, {1, 3, progressOn(1, 5)}, {0, 0, 5}}, 0, 1, Here & ~TargetSingle,
         None, 0},
        {"colour 2 is a foe without partners", 0, {{0, 0, 3}, {2, 0, progressOn(2, 6)}}, 0, 0, FoeAhead, None, 3},
        {"and no friend", 0, {{0, 0, 3}, {2, 0, progressOn(2, 6)}}, 0, 0, FriendAhead, None, None},
        {"a friend with partners", FlagPartners, {{0, 0, 3}, {2, 0, progressOn(2, 6)}}, 0, 0, FriendAhead, None, 3},
        {"and no foe", FlagPartners, {{0, 0, 3}, {2, 0, progressOn(2, 6)}}, 0, 0, FoeAhead, None, None},
        {"colour 3 is a foe either way", FlagPartners, {{0, 0, 3}, {2, 0, progressOn(2, 6)}, {3, 0, progressOn(3, 5)}},
         0, 0, FoeAhead, None, 2},
        {"the nearest single ahead", 0, many, 0, 0, Single, None, 3, 1},
        {"exactly 5 ahead", 0, many, 0, 0, Single, 5, 5, 1, 1},
        {"exactly 4 ahead stands a pair", 0, many, 0, 0, Single, 4, None},
        {"the pair 4 ahead", 0, many, 0, 0, TargetOpponent | TargetPair | TargetAhead | TargetUnsafe, 4, 4, 2},
        {"a single behind", 0, many, 0, 0, FoeBehind, None, 4, 3},
        {"at equal distances the later slot wins", 0, {{0, 0, 20}, {1, 0, progressOn(1, 24)}, {1, 1, progressOn(1, 16)}},
         0, 0, Single | TargetBehind, None, 4, 1, 1},
    };
    for (const Row& row : rows) {
        arrange(row.flags, row.tokens);
        expectBoardInvariants();
        TargetQuery q{row.filter, row.distance, None, None, None};
        scanSquares(row.colour, row.token, &q, 1);
        EXPECT_EQ(q.best, row.best) << row.what;
        EXPECT_TRUE(row.foundColour == None || q.colour == row.foundColour) << row.what;
        EXPECT_TRUE(row.foundToken == None || q.token == row.foundToken) << row.what;
    }
}
