// Checks that the board slots and the player records describe one consistent position.
#include "tests/board_invariants.h"

#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/track.h"

void expectBoardInvariants() {
    for (int i = 0; i < 16; ++i) {
        const BoardSlot& slot = game.board[i];
        if (slot.square == None) continue;
        EXPECT_EQ(slot.count, tokenCount(slot.tokenMask)) << "slot " << i;
        EXPECT_NE(slot.count, 0) << "live slot " << i << " is empty";
        for (int j = i + 1; j < 16; ++j)
            EXPECT_FALSE(game.board[j].square == slot.square) << "slots " << i << " and " << j << " share a square";
    }
    for (uint8_t p = 0; p < 4; ++p) {
        for (uint8_t t = 0; t < 4; ++t) {
            const uint16_t bit = static_cast<uint16_t>(1u << (4 * p + t));
            int holders = 0;
            for (const BoardSlot& slot : game.board) holders += slot.square != None && (slot.tokenMask & bit);
            EXPECT_EQ(holders, 1) << "token " << int(p) << "/" << int(t) << " is in " << holders << " slots";
            const uint8_t named = game.players[p].slot[t];
            ASSERT_LT(named, 16) << "token " << int(p) << "/" << int(t);
            EXPECT_NE(game.board[named].square, None) << "token " << int(p) << "/" << int(t) << " names a free slot";
            EXPECT_TRUE(game.board[named].tokenMask & bit) << "token " << int(p) << "/" << int(t) << " not in its slot";
            EXPECT_LE(progressOf(p, t), ProgressHome);
            EXPECT_EQ(game.board[named].square, squareOf(p, progressOf(p, t))) << "token " << int(p) << "/" << int(t);
        }
    }
}
