// Golden screenshots of representative moments of a game, each reached the way the game gets there
// and checked pixel for pixel over the whole screen. RENDARO_UPDATE_GOLDEN=1 rewrites the pictures.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/setup.h"
#include "platform/canvas/screen.h"
#include "render/layout.h"
#include "render/panel.h"
#include "tests/board_invariants.h"
#include "tests/game_positions.h"
#include "tests/golden_pictures.h"
#include "tests/turn_driver.h"

namespace {

constexpr uint32_t DefaultOptions = DefaultFlags & OptionBitsMask;

// `count` tokens of one colour, from `firstToken` on, at one progress.
struct Group {
    uint8_t colour, firstToken, count, progress;
};

class RenderGolden : public TurnDriverTest {
protected:
    // A screen of another size, as the program would find it at start-up.
    static void useScreen(int width, int height) {
        initScreen(width, height);
        initScreenLayout();
    }

    // Tokens put by hand into the game just set up, then the whole window repainted as after Undo.
    static void arrange(std::initializer_list<Group> groups) {
        for (const Group& g : groups)
            for (uint8_t t = g.firstToken; t < g.firstToken + g.count; ++t) place(g.colour, t, g.progress);
        expectBoardInvariants();
        invalidateAll(true);
        ASSERT_TRUE(runQueue());
    }
};

std::vector<uint8_t> offeredKinds() {
    std::vector<uint8_t> kinds;
    for (uint8_t kind : game.moveKindChoices)
        if (kind != None) kinds.push_back(kind);
    return kinds;
}

TEST_F(RenderGolden, NewOnePlayerGameAt240And480) {
    startGame(CmdOnePlayerGame, DefaultOptions);
    EXPECT_TRUE(matchesGolden("new_game", screenPicture()));

    useScreen(480, 640);
    startGame(CmdOnePlayerGame, DefaultOptions);
    ASSERT_EQ(game.boardSize, 480);
    EXPECT_TRUE(matchesGolden("new_game_480", screenPicture()));
}

TEST_F(RenderGolden, StacksOfTwoToEightTokens) {
    // Two people, partners, no Quick Start: every token starts in the yard and is placed by hand.
    startGame(CmdTwoPlayerGame, DefaultOptions & ~FlagQuickStart);
    arrange({
        {1, 0, 2, 45},                     // 2 in colour 1's home column (left arm: spread down)
        {0, 0, 3, 46},                     // 3 in colour 0's home column (bottom arm: spread across)
        {0, 3, 1, progressOn(0, 25)},      // 4 of one side on a plain square of the top arm
        {2, 0, 3, progressOn(2, 25)},
        {1, 2, 2, progressOn(1, 29)},      // 5 of both sides on the safe square of the right arm
        {3, 0, 3, progressOn(3, 29)},
        {3, 3, 1, progressOn(3, 5)},       // one alone
    });
    EXPECT_TRUE(matchesGolden("stacks_2_to_5", screenPicture()));

    startGame(CmdTwoPlayerGame, DefaultOptions & ~FlagQuickStart);
    arrange({
        {0, 0, 4, progressOn(0, 9)},       // 8 of one side on the left arm
        {2, 0, 4, progressOn(2, 9)},
        {1, 0, 4, progressOn(1, 40)},      // 7 of the other on the safe square of the bottom arm
        {3, 0, 3, progressOn(3, 40)},
        {3, 3, 1, ProgressHome},
    });
    EXPECT_TRUE(matchesGolden("stacks_7_and_8", screenPicture()));
}

TEST_F(RenderGolden, ChoosePanelForAPairAndAPartnerToken) {
    startGame(CmdOnePlayerGame, DefaultOptions);
    arrange({{0, 0, 2, 14}, {2, 1, 1, progressOn(2, 14)}});
    fixRolls({4});
    tapRoll();
    tapToken(0, 0);
    ASSERT_EQ(turnState(), PickMove);
    EXPECT_EQ(offeredKinds(), (std::vector<uint8_t>{1, 4, 3, 5}));
    EXPECT_TRUE(matchesGolden("choose_panel", screenPicture()));
}

TEST_F(RenderGolden, ThreeSixesDuringTheirPause) {
    startGame(CmdOnePlayerGame, DefaultOptions);
    // The picture the player looks at while the lost turn is announced.
    Picture shown;
    std::string message;
    onTrace = [&](const std::string& line) {
        if (line != "wait 1000" || !shown.pixels.empty()) return;
        shown = screenPicture();
        message = messageText;
    };
    fixRolls({6, 6, 6});
    for (int roll = 0; roll < 3; ++roll) tapRoll();
    onTrace = nullptr;
    EXPECT_EQ(message, "Three sixes in a row\nLose a turn");
    EXPECT_TRUE(matchesGolden("three_sixes", shown));
}

TEST_F(RenderGolden, GameWonByPartners) {
    startGame(CmdOnePlayerGame, DefaultOptions);
    arrange({
        {0, 0, 3, ProgressHome},
        {0, 3, 1, ProgressHome - 1},       // one step from winning
        {2, 0, 4, ProgressHome},
        {1, 0, 3, progressOn(1, 12)},      // 6 of the losing side on colour 1's start square
        {3, 0, 3, progressOn(3, 12)},
        {3, 3, 1, 46},
    });
    fixRolls({1});
    tapRoll();
    ASSERT_EQ(turnState(), GameOver);
    EXPECT_TRUE(matchesGolden("game_over_partners", screenPicture()));
}

}  // namespace
