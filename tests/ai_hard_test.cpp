// Hard's turns in telling positions: what its whole turn ends with, each move one the rules allow.
#include <gtest/gtest.h>

#include <functional>

#include "ai/hard.h"
#include "game/game_state.h"
#include "game/position.h"
#include "tests/game_positions.h"

namespace {

// A position (colour 0 to play), the dice of its turn, and what Hard's whole turn must leave.
struct HardTurn {
    const char* what;
    uint32_t flags;
    std::vector<Placed> tokens;
    struct {
        uint8_t sixes, last;
    } dice;
    std::function<bool()> turnEnds;
};

// Plays colour 0's turn Hard's way; every move it chooses must be one the rules allow.
void playHardTurn(uint8_t sixes, uint8_t last) {
    setRolledDice(game, sixes, last);
    Move move{};
    while (chooseHardMove(game, move)) {
        MoveEvents events{};
        ASSERT_TRUE(applyMove(game, move, events));
    }
}

bool at(uint8_t colour, uint8_t token, uint8_t square) { return slotOf(colour, token).square == square; }
bool inYard(uint8_t colour, uint8_t token) { return progressOf(colour, token) == 0; }

}  // namespace

// clang-format off
TEST(AiHard, WholeTurnsInTellingPositions) {
    const uint32_t shortGame = 0, partners = FlagPartners;
    const HardTurn rows[] = {
        {"a lone foe nine squares on falls to a six and the 3", shortGame, {{0, 0, 10}, {2, 0, progressOn(2, 19)}}, {2, 3},
         [] { return inYard(2, 0) && at(0, 0, 19); }},
        {"the 3 captures and the six brings a token out", shortGame, {{0, 0, 10}, {2, 0, progressOn(2, 13)}}, {1, 3},
         [] { return inYard(2, 0) && at(0, 0, 13) && !inYard(0, 1); }},
        {"a token a foe can reach runs to the safe square", shortGame, {{0, 0, 14}, {0, 1, 20}, {2, 0, progressOn(2, 10)}}, {0, 4},
         [] { return at(0, 0, 18) && at(0, 1, 20); }},
        {"the move past a foe waits; the other token reaches a safe square", shortGame,
         {{0, 0, 2}, {0, 1, 31}, {2, 0, progressOn(2, 4)}}, {0, 3}, [] { return at(0, 0, 2) && at(0, 1, 34); }},
        {"a pair lands on a foe pair and sends both home", partners,
         {{0, 0, 13}, {0, 1, 13}, {0, 2, 30}, {1, 0, progressOn(1, 15)}, {1, 1, progressOn(1, 15)}}, {0, 4},
         [] { return inYard(1, 0) && inYard(1, 1) && at(0, 0, 15) && at(0, 1, 15); }},
        {"the partner's token escapes the foe behind it, which need not move", partners,
         {{0, 0, 40}, {2, 0, progressOn(2, 26)}, {3, 0, progressOn(3, 25)}, {1, 0, progressOn(1, 5)}}, {0, 3},
         [] { return at(2, 0, 29) && at(0, 0, 40); }},
    };
    for (const HardTurn& row : rows) {
        arrange(row.flags | FlagNormal | FlagHard, row.tokens);
        playHardTurn(row.dice.sixes, row.dice.last);
        EXPECT_TRUE(row.turnEnds()) << row.what;
    }
}
// clang-format on

TEST(AiHard, NothingToMoveIsNoChoice) {
    arrange(0, {{0, 0, 45}});
    setDice(4, 0);
    Move move{1, 2, 3, 4, 5};
    EXPECT_FALSE(chooseHardMove(game, move));
}
