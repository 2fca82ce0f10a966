// The window layer's own rules on the real program: a release counts as a tap only after a press,
// and a pause that ends early is made up to its full length.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "game/game_state.h"
#include "platform/canvas/screen.h"
#include "platform/chrome/chrome.h"
#include "platform/headless/headless.h"
#include "platform/window/clock.h"
#include "platform/window/messages.h"
#include "shell/window.h"
#include "tests/crash_support.h"

TEST(Window, AReleaseWithoutAPressIsNoTap) {
    const std::string folder = scratchFolder("release").string();
    prepareStart(folder);
    bool released = false;
    setHeadlessInput([&released] {
        if (released) return false;
        PostMessage(WM_LBUTTONUP, 0, makePointParam(220, 250));  // on the Roll area
        released = true;
        return true;
    });
    rendaroMain();
    setHeadlessInput(nullptr);
    EXPECT_EQ(turnState(), AwaitRoll);
    EXPECT_EQ(lastDie(), 0);
    closeMainWindow();
    std::filesystem::remove_all(folder);
}

TEST(Window, APauseThatEndsEarlyIsMadeUpToItsFullLength) {
    // The first frame shown turns the clock back a tick, as a sleep cut short would leave it.
    bool shortened = false;
    setHeadlessTicks(1000);
    setHeadlessTrace([&shortened](std::string_view line) {
        if (line.starts_with("frame") && !std::exchange(shortened, true)) setHeadlessTicks(999);
    });
    EXPECT_EQ(waitMs(550), 1550u);  // 550 after the reading it started from
    setHeadlessTrace(nullptr);
}

TEST(Window, AnEraseWhitensTheWholeInvalidRectangleAndNothingElse) {
    initScreen(240, 320);
    ASSERT_TRUE(CreateMainWindow([](uint32_t message, uint32_t, int32_t) -> int32_t {
        if (message == WM_PAINT) EndPaint(BeginPaint());  // paints nothing: only the erase shows
        return 0;
    }));
    const auto paint = [] {
        Msg msg{};
        ASSERT_TRUE(GetMessage(msg) && msg.message == WM_PAINT);
        DispatchMessage(msg);
    };
    paint();  // a new window is all unpainted
    std::fill_n(screenPixelsMutable(), 240 * 320, 0u);
    const Rect area{10, 20, 30, 40};
    InvalidateRect(&area, true);
    paint();
    for (int y = area.top - 1; y <= area.bottom; ++y)
        for (int x = area.left - 1; x <= area.right; ++x) {
            const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
            EXPECT_EQ(screenPixels()[(y + clientTop()) * 240 + x], inside ? 0xFFFFFFu : 0u) << x << "," << y;
        }
    DestroyMainWindow();
}

// While the game is busy in a pause, a press counts only inside the main window, a release anywhere.
TEST(Window, ABusyGameQueuesPressesInsideItsWindowAndEveryRelease) {
    initScreen(240, 320);
    ASSERT_TRUE(CreateMainWindow([](uint32_t, uint32_t, int32_t) -> int32_t { return 0; }));
    const int32_t top = clientTop();
    struct Row {
        bool down;
        int32_t x, y;
        bool queued;
    };
    const Row rows[] = {{true, 0, top, true},       {true, 239, top + clientHeight() - 1, true}, {true, 10, top - 1, false},
                        {true, 240, top + 5, false}, {true, -1, top + 5, false},                  {true, 10, top + clientHeight(), false},
                        {false, 300, 0, true}};
    for (const Row& row : rows) {
        screenPen(row.down, row.x, row.y, true);
        Msg msg{};
        const bool queued = PeekMessageRemove(msg, WM_MOUSEFIRST, WM_PENLAST);
        EXPECT_EQ(queued, row.queued) << row.x << "," << row.y;
        if (!queued) continue;
        EXPECT_EQ(msg.message, row.down ? WM_LBUTTONDOWN : WM_LBUTTONUP);
        EXPECT_EQ(pointParamX(msg.lParam), row.x);
        EXPECT_EQ(pointParamY(msg.lParam), row.y - top);
    }
    closeMainWindow();
}
