// What a token sees around it, as one table: a position, the token asking, a set, and what it holds.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/position.h"
#include "game/rules.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"

namespace {

Neighbourhood surveyed(uint8_t colour, uint8_t token, TrackView& track) {
    viewTrack(game, colour, track);
    Neighbourhood around{};
    surveyNeighbourhood(game, track, colour, token, around);
    return around;
}

}  // namespace

TEST(GameRules, Neighbourhoods) {
    using Set = uint32_t Neighbourhood::*;
    const Set blocking = &Neighbourhood::foePairsAhead, singles = &Neighbourhood::foeSinglesAhead,
              friends = &Neighbourhood::friendsAhead, foes = &Neighbourhood::foesAheadOrHere,
              foePairs = &Neighbourhood::foePairsAheadOrHere, behind = &Neighbourhood::foesBehind;
    const std::vector<Placed> many = {{0, 0, 10}, {1, 0, progressOn(1, 13)}, {1, 1, progressOn(1, 15)},
                                      {3, 0, progressOn(3, 6)}, {2, 0, progressOn(2, 14)}, {2, 1, progressOn(2, 14)}};
    struct Row {
        const char* what;
        uint32_t flags;
        std::vector<Placed> tokens;
        uint8_t colour, token;  // the token asking
        Set set;
        uint8_t nearest;  // SightRange: none in sight
        uint8_t foundColour = None, foundToken = None;  // of the nearest square ahead; None: not looked at
    };
    const Row rows[] = {
        {"a foe pair on an unsafe square blocks", 0, pairOn(1, 5, {{0, 0, 2}}), 0, 0, blocking, 3, 1, 0},
        {"a foe pair on a safe square does not", 0, pairOn(1, 7, {{0, 0, 2}}), 0, 0, blocking, SightRange},
        {"though it is a foe pair", 0, pairOn(1, 7, {{0, 0, 2}}), 0, 0, foePairs, 5},
        {"a single foe does not", 0, {{0, 0, 2}, {1, 0, progressOn(1, 5)}}, 0, 0, blocking, SightRange},
        {"it can be captured", 0, {{0, 0, 2}, {1, 0, progressOn(1, 5)}}, 0, 0, singles, 3, 1, 0},
        {"an own pair does not", 0, {{0, 0, 2}, {0, 1, 5}, {0, 2, 5}}, 0, 0, blocking, SightRange},
        {"it is a friend", 0, {{0, 0, 2}, {0, 1, 5}, {0, 2, 5}}, 0, 0, friends, 3, 0, 1},
        {"distances wrap ahead", 0, {{1, 0, 32}, {0, 0, 2}, {0, 1, 2}}, 1, 0, blocking, 3},
        {"and behind", 0, {{0, 0, 1}, {2, 0, progressOn(2, 41)}}, 0, 0, behind, 4},
        {"a pair on a start square blocks nothing", 0, {{1, 0, 32}, {0, 0, 1}, {0, 1, 1}}, 1, 0, blocking, SightRange},
        {"a token sees 17 ahead", 0, {{0, 0, 5}, {1, 0, progressOn(1, 22)}}, 0, 0, foes, 17},
        {"but not 18", 0, {{0, 0, 5}, {1, 0, progressOn(1, 23)}}, 0, 0, foes, SightRange},
        {"and 17 behind", 0, {{0, 0, 30}, {1, 0, progressOn(1, 13)}}, 0, 0, behind, 17},
        {"but not 18", 0, {{0, 0, 30}, {1, 0, progressOn(1, 12)}}, 0, 0, behind, SightRange},
        {"ahead stops at the home column", 0, pairOn(1, 44, {{0, 0, 41}, {1, 2, progressOn(1, 43)}}), 0, 0, blocking,
         SightRange},
        {"before which a foe counts", 0, pairOn(1, 44, {{0, 0, 41}, {1, 2, progressOn(1, 43)}}), 0, 0, foes, 2},
        {"behind goes on past the start", 0, {{0, 0, 43}, {1, 0, progressOn(1, 40)}}, 0, 0, behind, 3},
        {"nothing from the yard", 0, {{1, 0, progressOn(1, 3)}}, 0, 0, foes, SightRange},
        {"nothing from a home column", 0, {{0, 0, 45}, {1, 0, progressOn(1, 3)}}, 0, 0, foes, SightRange},
        {"or behind it", 0, {{0, 0, 45}, {1, 0, progressOn(1, 3)}}, 0, 0, behind, SightRange},
        {"alone on its square", 0, {{0, 1, 5}}, 0, 1, foes, SightRange},
        {"a foe on its square", 0, {{0, 1, 5}, {1, 3, progressOn(1, 5)}}, 0, 1, foes, 0},
        {"a single", 0, {{0, 1, 5}, {1, 3, progressOn(1, 5)}}, 0, 1, foePairs, SightRange},
        {"two foes are a pair", 0, {{0, 1, 5}, {1, 3, progressOn(1, 5)}, {1, 2, progressOn(1, 5)}}, 0, 1, foePairs, 0},
        {"the first other token speaks", 0, {{0, 1, 5}, {1, 3, progressOn(1, 5)}, {0, 0, 5}}, 0, 1, foes, SightRange},
        {"colour 2 is a foe without partners", 0, {{0, 0, 3}, {2, 0, progressOn(2, 6)}}, 0, 0, foes, 3},
        {"and no friend", 0, {{0, 0, 3}, {2, 0, progressOn(2, 6)}}, 0, 0, friends, SightRange},
        {"a friend with partners", FlagPartners, {{0, 0, 3}, {2, 0, progressOn(2, 6)}}, 0, 0, friends, 3, 2, 0},
        {"and no foe", FlagPartners, {{0, 0, 3}, {2, 0, progressOn(2, 6)}}, 0, 0, foes, SightRange},
        {"colour 3 is a foe either way", FlagPartners, {{0, 0, 3}, {2, 0, progressOn(2, 6)}, {3, 0, progressOn(3, 5)}},
         0, 0, foes, 2},
        {"the nearest single ahead", 0, many, 0, 0, singles, 3, 1, 0},
        {"a pair 4 ahead", 0, many, 0, 0, blocking, 4, 2, 0},
        {"a single behind", 0, many, 0, 0, behind, 4},
    };
    for (const Row& row : rows) {
        arrange(row.flags, row.tokens);
        expectBoardInvariants();
        TrackView track{};
        const Neighbourhood around = surveyed(row.colour, row.token, track);
        const uint32_t set = around.*row.set;
        EXPECT_EQ(nearest(set), row.nearest) << row.what;
        if (row.foundColour == None) continue;
        uint8_t colour = None, token = None;
        tokenAhead(game, around, row.nearest, colour, token);
        EXPECT_EQ(colour, row.foundColour) << row.what;
        EXPECT_EQ(token, row.foundToken) << row.what;
    }
}

TEST(GameRules, SetsHoldEveryDistanceInSight) {
    arrange(0, {{0, 0, 10}, {1, 0, progressOn(1, 13)}, {1, 1, progressOn(1, 15)}, {1, 2, progressOn(1, 28)}});
    TrackView track{};
    const Neighbourhood around = surveyed(0, 0, track);
    EXPECT_TRUE(holds(around.foeSinglesAhead, 3));
    EXPECT_TRUE(holds(around.foeSinglesAhead, 5));
    EXPECT_FALSE(holds(around.foeSinglesAhead, 4));
    EXPECT_FALSE(holds(around.foeSinglesAhead, 18));  // square 28 is 18 ahead: out of sight
    EXPECT_FALSE(holds(around.foeSinglesAhead, 40));
}

// The view of a position is kept between calls: it must follow every move and the side asking.
TEST(GameRules, ViewsFollowTheBoardAndTheSide) {
    arrange(0, {{0, 0, 10}, {1, 0, progressOn(1, 13)}});
    TrackView track{};
    EXPECT_EQ(nearest(surveyed(0, 0, track).foeSinglesAhead), 3);
    moveToken(game, 1, 0, 1);
    EXPECT_EQ(nearest(surveyed(0, 0, track).foeSinglesAhead), 4);
    EXPECT_EQ(nearest(surveyed(1, 0, track).foesBehind), 4);
    arrange(FlagPartners, {{0, 0, 10}, {2, 0, progressOn(2, 13)}, {1, 0, progressOn(1, 8)}});
    EXPECT_EQ(nearest(surveyed(0, 0, track).friendsAhead), 3);
    EXPECT_EQ(nearest(surveyed(1, 0, track).foesAheadOrHere), 2);  // the same board, the other side
    EXPECT_EQ(surveyed(1, 0, track).friendsAhead, 0u);
}
