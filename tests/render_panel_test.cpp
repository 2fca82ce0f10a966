// The panels below the board: the message with Show Tips, the "Choose:" panel, clearing and repaint requests.
#include <array>
#include <cstring>

#include "game/game_state.h"
#include "platform/window/messages.h"
#include "render/board.h"
#include "render/layout.h"
#include "render/panel.h"
#include "tests/game_positions.h"
#include "tests/render_fixture.h"

using namespace render_test;

namespace {

constexpr uint8_t Teams[4] = {Human, Computer, Human, Computer};

class RenderPanel : public RenderTest {
protected:
    // The area a repaint would now cover (left, top, right, bottom), all zero when nothing waits.
    static std::array<int, 4> pendingRepaint() {
        Rect r{0, 0, 0, 0};
        GetUpdateRect(r);
        return {r.left, r.top, r.right, r.bottom};
    }
    static void forgetRepaint() { EndPaint(BeginPaint()); }
};

TEST_F(RenderPanel, ChoosePanelShowsOneButtonPerKind) {
    emptyPosition(Teams, DefaultFlags | FlagPartners | PickMove);
    const uint8_t choices[5] = {3, 5, None, 4, 4};
    std::memcpy(game.moveKindChoices, choices, 5);
    fillClient(Sentinel);
    drawChoosePanel();
    // Kind 3: two own discs at x = 75 and 80; kind 5: own at 105 and partner at 110; all at y = 254.
    expectPixels({
        {69, 254, Dark[0], "kind 3, first disc rim"},    {80, 254, Light[0], "kind 3, second disc"},
        {86, 254, Dark[0], "kind 3, second disc rim"},   {99, 254, Dark[0], "kind 5, own disc rim"},
        {110, 254, Light[2], "kind 5, partner disc"},    {116, 254, Dark[2], "kind 5, partner disc rim"},
        {110, 258, Medium[2], "partner disc, lower ring"}, {110, 260, Dark[2], "partner disc, lower rim"},
        {117, 254, White, "after the second button"},
    });
    EXPECT_TRUE(uniform(120, 242, 239, 267, White)) << "the list stops at the first empty entry";
    EXPECT_TRUE(anyPixel(4, 248, 60, 262, Black)) << "the label";
    EXPECT_FALSE(anyPixel(1, 242, 239, 267, Sentinel)) << "both areas cleared";

    // A repaint in PickMove shows the panel instead of the dice, the message and the Roll button.
    setDice(4, 2, 0, false);
    setMessage(1203, false);
    paintBoard();
    EXPECT_EQ(pixel(80, 254), Light[0]);
    EXPECT_TRUE(uniform(2, 263, 80, 267, White)) << "no dice";
    EXPECT_TRUE(uniform(120, 242, 239, 267, White)) << "no message";
}

TEST_F(RenderPanel, MessageRepaintShowsTwoLinesFromTheTextBoxCorner) {
    emptyPosition(Teams, DefaultFlags | PickToken);
    forgetRepaint();
    setMessage(1221, true);
    EXPECT_STREQ(messageText, "Token needs\na six to start");
    EXPECT_EQ(pendingRepaint(), (std::array<int, 4>{80, 242, 239, 268})) << "the message area, cut to the client";

    ReleaseDC(drawSurface);
    fillClient(Sentinel);
    paintWindow();
    drawSurface = GetDC();
    EXPECT_TRUE(anyPixel(80, 242, 84, 254, Black)) << "first line from the box's left edge";
    EXPECT_TRUE(anyPixel(80, 256, 200, 267, Black)) << "second line";
    EXPECT_TRUE(uniform(0, 0, 240, 242, Sentinel)) << "the board is not repainted";

    // A missing string changes nothing and asks for nothing.
    forgetRepaint();
    setMessage(1204, true);
    EXPECT_STREQ(messageText, "Token needs\na six to start");
    EXPECT_EQ(pendingRepaint(), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST_F(RenderPanel, WithoutTipsOnlyAGameOverMessageShows) {
    emptyPosition(Teams, (DefaultFlags & ~FlagShowTips) | PickToken);
    setMessage(1209, false);
    fillClient(Sentinel);
    drawMessagePanel();
    EXPECT_TRUE(uniform(80, 242, 239, 267, White)) << "blank while playing";
    EXPECT_EQ(pixel(239, 250), Sentinel) << "the area ends before the screen's last column";

    setTurnState(GameOver);
    setMessage(1403, false);
    drawMessagePanel();
    EXPECT_TRUE(anyPixel(80, 242, 200, 254, Black)) << "Game Over";
    EXPECT_TRUE(anyPixel(80, 256, 200, 267, Black)) << "the winner";
}

TEST_F(RenderPanel, LongMessageIsCutAtTheTextBoxEdge) {
    std::strcpy(messageText, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    fillClient(White);
    drawMessagePanel();
    EXPECT_TRUE(anyPixel(190, 242, 200, 254, Black)) << "text runs up to the edge";
    EXPECT_FALSE(anyPixel(200, 242, 240, 267, Black)) << "nothing from x = 200 on";
    EXPECT_FALSE(anyPixel(80, 254, 200, 267, Black)) << "not wrapped";
}

TEST_F(RenderPanel, ClearingAndRepaintRequestsCoverTheirAreas) {
    fillClient(Sentinel);
    clearDiceArea();
    expectPixels({{1, 242, White, "dice area, top-left"},    {79, 266, White, "dice area, right"},
                  {0, 242, Sentinel, "left of the dice area"}, {1, 241, Sentinel, "above the dice area"},
                  {80, 250, Sentinel, "message area untouched"}});
    forgetRepaint();
    invalidateAll(false);
    EXPECT_EQ(pendingRepaint(), (std::array<int, 4>{0, 0, 240, 268}));
}

}  // namespace
