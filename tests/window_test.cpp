// The window layer's own rules on the real program: a release counts as a tap only after a press,
// and a pause that ends early is made up to its full length.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "game/game_state.h"
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
