// Shared operations over the game record: masks, slot searches and the dice of a turn.
#include <gtest/gtest.h>

#include "game/game_state.h"

TEST(GameState, SideMaskWithAndWithoutPartners) {
    game.core.flags = 0;
    EXPECT_EQ(sideMask(1), 0x00F0);
    game.core.flags = FlagPartners;
    EXPECT_EQ(sideMask(1), 0xF0F0);
}
