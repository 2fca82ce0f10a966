// The dice generator: reproducible per seed, every face equally likely, and fixed rolls taking precedence.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "turn/dice.h"

namespace {

std::vector<uint8_t> draw(int n) {
    std::vector<uint8_t> values;
    for (int i = 0; i < n; ++i) values.push_back(nextDieValue());
    return values;
}

}  // namespace

TEST(TurnDice, SeedsAreReproducibleAndFacesEven) {
    clearFixedRolls();
    seedDice(1000);
    const std::vector<uint8_t> first = draw(64);
    seedDice(1001);
    const std::vector<uint8_t> neighbour = draw(64);
    seedDice(1000);
    EXPECT_EQ(draw(64), first);
    EXPECT_NE(neighbour, first) << "clock seeds a millisecond apart must give different games";

    // Zero is as good a seed as any other.
    seedDice(0);
    constexpr int rolls = 60000;
    std::array<int, 7> counts{};
    for (uint8_t v : draw(rolls)) {
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 6);
        ++counts[v];
    }
    // Chi-square with five degrees of freedom; 20.5 is far beyond the 0.1% point of a fair die.
    double chi = 0;
    for (int face = 1; face <= 6; ++face) {
        const double diff = counts[face] - rolls / 6.0;
        chi += diff * diff / (rolls / 6.0);
    }
    EXPECT_LT(chi, 20.5);
}

TEST(TurnDice, FixedRollsComeFirstInOrderAndOnlyFaces) {
    clearFixedRolls();
    const uint8_t values[] = {3, 0, 7, 6, 1, 255};
    fixNextRolls(values, 6);
    const uint8_t more[] = {2};
    fixNextRolls(more, 1);
    seedDice(5);
    EXPECT_EQ(draw(4), (std::vector<uint8_t>{3, 6, 1, 2}));
    // Then the generator again, untouched by the fixed values.
    seedDice(5);
    const std::vector<uint8_t> generated = draw(8);
    seedDice(5);
    fixNextRolls(values, 1);
    EXPECT_EQ(nextDieValue(), 3);
    EXPECT_EQ(draw(8), generated);

    // The queue holds its capacity; more are dropped, and clearing it leaves only the generator.
    std::vector<uint8_t> many(FixedRollCapacity + 6, 4);
    fixNextRolls(many.data(), FixedRollCapacity + 6);
    EXPECT_EQ(draw(FixedRollCapacity), std::vector<uint8_t>(FixedRollCapacity, 4));
    seedDice(5);
    EXPECT_EQ(draw(8), generated);
    fixNextRolls(many.data(), 3);
    clearFixedRolls();
    seedDice(5);
    EXPECT_EQ(draw(8), generated);
}
