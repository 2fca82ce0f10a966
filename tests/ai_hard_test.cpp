// Hard's turns in telling positions: what its whole turn ends with, each move one the rules allow.
#include <gtest/gtest.h>

#include <cstdio>

#include "ai/hard.h"
#include "game/game_state.h"
#include "game/position.h"
#include "tests/game_positions.h"

namespace {

// Plays colour 0's turn Hard's way; every move it chooses must be one the rules allow.
void playHardTurn(uint8_t sixes, uint8_t last) {
    setRolledDice(game, sixes, last);
    Move move{};
    while (chooseHardMove(game, move)) {
        MoveEvents events{};
        ASSERT_TRUE(applyMove(game, move, events));
    }
}

}  // namespace

TEST(AiHard, WholeTurnsInTellingPositions) {
    for (const auto& row : tableRows("hard_turns.txt")) {
        unsigned last = 0, sixes = 0;
        ASSERT_EQ(std::sscanf(row.at(2).c_str(), "%u %u", &last, &sixes), 2) << row[0];
        arrangeWords(row.at(1), FlagNormal | FlagHard);
        playHardTurn(uint8_t(sixes), uint8_t(last));
        EXPECT_EQ(misplacedWords(row.at(3)), "") << row[0];
    }
}

TEST(AiHard, NothingToMoveIsNoChoice) {
    arrange(0, {{0, 0, 45}});
    setDice(4, 0);
    Move move{1, 2, 3, 4, 5};
    EXPECT_FALSE(chooseHardMove(game, move));
}
