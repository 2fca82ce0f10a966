// Shared operations over the game record: masks, slot searches and the dice of a turn.
#include <gtest/gtest.h>


#include "game/game_state.h"

TEST(GameState, SideMaskWithAndWithoutPartners) {
    game.core.flags = 0;
    EXPECT_EQ(sideMask(1), 0x00F0);
    game.core.flags = FlagPartners;
    EXPECT_EQ(sideMask(1), 0xF0F0);
}

TEST(GameState, FindTokenInSlotWalksTheMaskInBitOrder) {
    game.board[3] = BoardSlot{9, 4, 0x8421};  // colour 0 token 0, 1/1, 2/2, 3/3
    uint8_t colour = None, token = None;
    for (uint8_t skip = 0; skip < 4; ++skip) {
        EXPECT_EQ(findTokenInSlot(3, skip, 0xFFFF, colour, token), 3 - skip);
        EXPECT_EQ(colour, skip);
        EXPECT_EQ(token, skip);
    }
    // The mask narrows the set before skipping; past its end nothing is reported or touched.
    EXPECT_EQ(findTokenInSlot(3, 1, 0xFF00, colour, token), 0);
    EXPECT_EQ(colour, 3);
    EXPECT_EQ(token, 3);
    colour = token = None;
    EXPECT_EQ(findTokenInSlot(3, 4, 0xFFFF, colour, token), 0);
    EXPECT_EQ(findTokenInSlot(3, 0, 0x70DE, colour, token), 0);  // none of the slot's tokens
    EXPECT_EQ(colour, None);
    EXPECT_EQ(token, None);
}

TEST(GameState, DiceOfATurn) {
    game.core.flags = 0;
    setLastDie(4);
    setSixesRolled(2);
    EXPECT_EQ(dieValue(0), 6);
    EXPECT_EQ(dieValue(1), 6);
    EXPECT_EQ(dieValue(2), 4);
    EXPECT_EQ(firstUnplayedDie(), 0);
    setSixesUsed(1);
    EXPECT_TRUE(dieUsed(0));
    EXPECT_FALSE(dieUsed(1));
    EXPECT_EQ(firstUnplayedDie(), 1);
    setSixesUsed(2);
    EXPECT_EQ(firstUnplayedDie(), 2);
    setLastDieUsed(true);
    EXPECT_EQ(firstUnplayedDie(), None);
    EXPECT_TRUE(dieUsed(3));  // beyond the final roll no die exists
    // Three sixes: the search stops at die 2, never reporting an index above it.
    setSixesRolled(3);
    setSixesUsed(0);
    EXPECT_EQ(firstUnplayedDie(), 0);
    setSixesUsed(3);
    EXPECT_EQ(firstUnplayedDie(), None);
}
