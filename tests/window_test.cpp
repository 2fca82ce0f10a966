// The window layer's own rules on the real program: a release counts as a tap only after a press,
// and a pause that ends early is made up to its full length.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "game/game_state.h"
#include "platform/canvas/screen.h"
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
