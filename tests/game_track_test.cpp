// The board's shape: square numbering, safe squares and the screen point of every token spot.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "game/game_state.h"
#include "game/track.h"

namespace {

using Point = std::pair<int32_t, int32_t>;

// Square centres on a 240-pixel board, squares 1..60.
constexpr Point Centres240[60] = {
    {93, 216},  {93, 200},  {93, 184},  {93, 168},  {72, 146},  {56, 146},  {40, 146},  {24, 146},
    {8, 146},   {8, 120},   {8, 93},    {24, 93},   {40, 93},   {56, 93},   {72, 93},   {93, 72},
    {93, 56},   {93, 40},   {93, 24},   {93, 8},    {120, 8},   {146, 8},   {146, 24},  {146, 40},
    {146, 56},  {146, 72},  {168, 93},  {184, 93},  {200, 93},  {216, 93},  {232, 93},  {232, 120},
    {232, 146}, {216, 146}, {200, 146}, {184, 146}, {168, 146}, {146, 168}, {146, 184}, {146, 200},
    {146, 216}, {146, 232}, {120, 232}, {93, 232},  {120, 216}, {120, 200}, {120, 184}, {120, 168},
    {24, 120},  {40, 120},  {56, 120},  {72, 120},  {120, 24},  {120, 40},  {120, 56},  {120, 72},
    {216, 120}, {200, 120}, {184, 120}, {168, 120},
};

Point pointOf(uint8_t square, uint8_t colour, uint8_t token) {
    Point pt{-1, -1};
    tokenPoint(square, colour, token, pt.first, pt.second);
    return pt;
}

// The truncated value v of f * 240 bounds f * 320 to [v * 4/3, (v + 1) * 4/3).
void expectScaledFrom240(int32_t at240, int32_t at320, int square) {
    EXPECT_GE(at320 * 3, at240 * 4 - 2) << "square " << square;
    EXPECT_LT(at320 * 3, (at240 + 1) * 4) << "square " << square;
}

}  // namespace

TEST(GameTrack, SquareCentresAt240IgnoreColourAndToken) {
    game.boardSize = 240;
    for (uint8_t s = 1; s <= 60; ++s) {
        for (uint8_t p = 0; p < 4; ++p)
            EXPECT_EQ(pointOf(s, p, static_cast<uint8_t>(3 - p)), Centres240[s - 1]) << "square " << int(s);
    }
}

TEST(GameTrack, SquareCentresAt320ScaleByTheSameFractions) {
    game.boardSize = 320;
    for (uint8_t s = 1; s <= 60; ++s) {
        const Point pt = pointOf(s, 0, 0);
        expectScaledFrom240(Centres240[s - 1].first, pt.first, s);
        expectScaledFrom240(Centres240[s - 1].second, pt.second, s);
    }
    // 7/18 and 11/18 of 320 are 124.4 and 195.6, 29/30 is 309.3: all truncated.
    EXPECT_EQ(pointOf(1, 0, 0), Point(124, 288));
    EXPECT_EQ(pointOf(22, 0, 0), Point(195, 10));
    EXPECT_EQ(pointOf(43, 0, 0).second, 309);
}

TEST(GameTrack, YardAndHomeSpotsTurnWithTheColour) {
    game.boardSize = 240;
    const Point yard0[4] = {{20, 180}, {60, 180}, {20, 220}, {60, 220}};
    for (uint8_t i = 0; i < 4; ++i) {
        EXPECT_EQ(pointOf(0, 0, i), yard0[i]);
        EXPECT_EQ(pointOf(61, 0, i), Point(102 + 12 * i, 152));
        // Colour 1's yard is top-left: its spots lie in the left and top thirds.
        EXPECT_LT(std::max(pointOf(0, 1, i).first, pointOf(0, 1, i).second), 80);
    }
    EXPECT_EQ(pointOf(0, 2, 0), Point(220, 60));
    EXPECT_EQ(pointOf(61, 2, 0), Point(138, 88));
    EXPECT_EQ(pointOf(0, 3, 1), Point(180, 180));
}

TEST(GameTrack, QuarterTurnsComposeAndOtherTurnsAreIgnored) {
    game.boardSize = 240;
    Point pt{17, 50};
    rotateForColour(pt.first, pt.second, 1);
    EXPECT_EQ(pt, Point(190, 17));
    for (uint8_t k : {3, 4, 255}) rotateForColour(pt.first, pt.second, k);  // three more quarters, then no turn
    EXPECT_EQ(pt, Point(17, 50));
}

TEST(GameTrack, EachColourRunsFortyThreeTrackSquaresThenItsHomeColumn) {
    for (uint8_t p = 0; p < 4; ++p) {
        EXPECT_EQ(squareOf(p, 0), 0);
        EXPECT_EQ(squareOf(p, 1), 11 * p + 1);
        std::set<int> visited;
        for (uint32_t r = 1; r <= 43; ++r) {
            const uint8_t s = squareOf(p, r);
            EXPECT_GE(s, 1);
            EXPECT_LE(s, 44);
            visited.insert(s);
        }
        EXPECT_EQ(visited.size(), 43u);
        const int skipped = p == 0 ? 44 : 11 * p;  // the square just before its own start
        EXPECT_EQ(visited.count(skipped), 0u) << "colour " << int(p);
        for (uint32_t r = 44; r <= 47; ++r) EXPECT_EQ(squareOf(p, r), 45 + 4 * p + (r - 44));
        EXPECT_EQ(squareOf(p, 48), 61);
        // Only the low byte counts: a walk home passes its steps modulo 256.
        EXPECT_EQ(squareOf(p, 256 + 5), squareOf(p, 5));
    }
    EXPECT_EQ(squareOf(0, 43), 43);
    EXPECT_EQ(squareOf(0, 44), 45);
    EXPECT_EQ(squareOf(1, 33), 44);
    EXPECT_EQ(squareOf(1, 43), 10);
    EXPECT_EQ(squareOf(3, 47), 60);
}

TEST(GameTrack, SafeSquaresAreStartsAndSixAfterUsingSignedRemainders) {
    std::set<int> safe;
    for (int s = -20; s <= 300; ++s)
        if (isSafeSquare(s)) safe.insert(s);
    EXPECT_EQ(safe, (std::set<int>{1, 7, 12, 18, 23, 29, 34, 40}));
    // (3 - 7) leaves -4, not a multiple of 11 as an unsigned wrap would make it.
    EXPECT_FALSE(isSafeSquare(3));
    for (uint8_t p = 0; p < 4; ++p) {
        EXPECT_TRUE(isSafeSquare(squareOf(p, 1)));
        EXPECT_TRUE(isSafeSquare(squareOf(p, 7)));
    }
}

TEST(GameTrack, VerticalArmSquaresAreThoseInTheMiddleColumn) {
    game.boardSize = 240;
    for (uint8_t s = 1; s <= 60; ++s) {
        const Point pt = pointOf(s, 0, 0);
        EXPECT_EQ(isVerticalArmSquare(s), pt.first >= 80 && pt.first < 160) << "square " << int(s);
    }
    EXPECT_TRUE(isVerticalArmSquare(0));
    EXPECT_FALSE(isVerticalArmSquare(61));
}
