// What a token sees around it: the sets of its neighbourhood, and its view of the track kept between calls.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

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

// Each row of tables/neighbourhoods.txt: a position, the token asking, a set, and what it holds.
TEST(GameRules, Neighbourhoods) {
    const std::map<std::string, uint32_t Neighbourhood::*> sets = {
        {"foePairsAhead", &Neighbourhood::foePairsAhead},   {"foeSinglesAhead", &Neighbourhood::foeSinglesAhead},
        {"friendsAhead", &Neighbourhood::friendsAhead},     {"foesAheadOrHere", &Neighbourhood::foesAheadOrHere},
        {"foePairsAheadOrHere", &Neighbourhood::foePairsAheadOrHere}, {"foesBehind", &Neighbourhood::foesBehind}};
    for (const auto& row : tableRows("neighbourhoods.txt")) {
        ASSERT_EQ(row.size(), 3u) << row[0];
        arrangeWords(row[1]);
        expectBoardInvariants();
        std::istringstream asking(row[2]);
        unsigned colour = 0, token = 0, foundColour = 0, foundToken = 0;
        char dot = 0;
        std::string set, seen;
        ASSERT_TRUE(asking >> colour >> dot >> token >> set >> seen && sets.count(set)) << row[0];
        TrackView track{};
        const Neighbourhood around = surveyed(uint8_t(colour), uint8_t(token), track);
        const uint8_t distance = nearest(around.*sets.at(set));
        EXPECT_EQ(distance, seen == "none" ? SightRange : std::stoi(seen)) << row[0];
        if (!(asking >> foundColour >> dot >> foundToken)) continue;
        uint8_t c = None, t = None;
        tokenAhead(game, around, distance, c, t);
        EXPECT_EQ(c, foundColour) << row[0];
        EXPECT_EQ(t, foundToken) << row[0];
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
