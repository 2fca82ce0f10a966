// Screen layout: the board size from the screen and the start-up defaults of the game record.
#include <cstring>

#include "ai/choice.h"
#include "game/game_state.h"
#include "render/layout.h"
#include "render/panel.h"
#include "tests/render_fixture.h"

using namespace render_test;

namespace {

using RenderLayout = RenderTest;

TEST_F(RenderLayout, BoardSizeIsTheSmallerScreenSide) {
    struct Case {
        int width, height, board;
    };
    for (const Case c : {Case{240, 320, 240}, Case{480, 640, 480}, Case{320, 240, 240}}) {
        closeScreen();
        openScreen(c.width, c.height);
        EXPECT_EQ(screenWidth, c.width);
        EXPECT_EQ(screenHeight, c.height);
        EXPECT_EQ(game.boardSize, c.board) << c.width << " x " << c.height;
    }
}

TEST_F(RenderLayout, StartUpDefaultsOfTheRecord) {
    game.core = CoreBlock{3, {1, 1, 1}, 0xFFFFFFFF, {7}, 9, 4, 5, {2}};
    game.pendingMove = PendingMove{0, 1, 2, 3, 0};
    game.moveKind = 3;
    moveScores[5] = MoveScore{12, 1};
    setMessage(1209, false);
    initScreenLayout();
    const CoreBlock fresh{0, {}, 0x6F0, {}, 0, 0, 0, {}};
    EXPECT_EQ(std::memcmp(&game.core, &fresh, sizeof fresh), 0);
    const PendingMove none{None, None, None, None, None};
    EXPECT_EQ(std::memcmp(&game.pendingMove, &none, sizeof none), 0);
    EXPECT_EQ(game.moveKind, None);
    for (const MoveScore& m : moveScores) EXPECT_EQ(m.score, 30000);
    EXPECT_STREQ(messageText, "");
}

}  // namespace
