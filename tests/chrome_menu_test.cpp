// The menu bar: each button and pop-up item posts its command, Undo's switch, and taps that act on nothing.
#include <gtest/gtest.h>

#include "platform/chrome/chrome.h"
#include "platform/chrome/parts.h"
#include "platform/canvas/screen.h"
#include "tests/chrome_fixture.h"

namespace chrome_test {
namespace {

class ChromeMenu : public ChromeTest {};

TEST_F(ChromeMenu, ButtonsSitSideBySideOnTheBar) {
    const Rect bar = menuBarRect();
    EXPECT_EQ(bar.top, 320 - MenuBarHeight);
    int left = 0;
    for (uint32_t command : {4010u, 4020u, 4040u, 4030u}) {
        const Rect r = menuButtonRect(command);
        EXPECT_EQ(r.left, left) << command;
        EXPECT_GT(r.right, r.left) << command;
        EXPECT_EQ(r.top, bar.top);
        EXPECT_EQ(r.bottom, bar.bottom);
        left = r.right;
    }
    EXPECT_LE(left, 240);
}

TEST_F(ChromeMenu, PopupItemsPostTheirCommands) {
    const struct {
        uint32_t button, item;
    } cases[] = {{4010, 4011}, {4010, 4012}, {4020, 4021}, {4020, 4022}};
    for (const auto& c : cases) {
        tap(centre(menuButtonRect(c.button)));
        ASSERT_TRUE(popupOpen()) << c.button;
        EXPECT_TRUE(takeCommands().empty()) << "the button itself only opens its pop-up";
        const Rect item = popupItemRect(c.item);
        // The pop-up stands on the bar, above its own button.
        EXPECT_LE(item.bottom, menuBarRect().top);
        EXPECT_GE(item.left, menuButtonRect(c.button).left);
        tap(centre(item));
        EXPECT_FALSE(popupOpen());
        EXPECT_EQ(takeCommands(), std::vector<uint32_t>{c.item});
    }
}

TEST_F(ChromeMenu, TapOutsideAnOpenPopupOnlyClosesIt) {
    for (Point elsewhere : {Point{200, 100}, centre(menuButtonRect(4030)), Point{5, 5}}) {
        tap(centre(menuButtonRect(4020)));
        ASSERT_TRUE(popupOpen());
        tap(elsewhere);
        EXPECT_FALSE(popupOpen());
        EXPECT_TRUE(takeCommands().empty());
        EXPECT_TRUE(takePenMessages().empty()) << "the closing tap does not reach the window";
    }
}

TEST_F(ChromeMenu, HelpAlwaysUndoOnlyWhenEnabled) {
    tap(centre(menuButtonRect(4030)));
    EXPECT_EQ(takeCommands(), std::vector<uint32_t>{4030});

    EXPECT_FALSE(menuButtonEnabled(4040));
    tap(centre(menuButtonRect(4040)));
    EXPECT_TRUE(takeCommands().empty());

    enableMenuButton(4040, true);
    tap(centre(menuButtonRect(4040)));
    EXPECT_EQ(takeCommands(), std::vector<uint32_t>{4040});

    enableMenuButton(4040, false);
    tap(centre(menuButtonRect(4040)));
    EXPECT_TRUE(takeCommands().empty());
}

TEST_F(ChromeMenu, EveryRequestIsTracedEvenWhenNothingChanges) {
    enableMenuButton(4040, false);
    enableMenuButton(4040, true);
    enableMenuButton(4040, true);
    EXPECT_EQ(trace, (std::vector<std::string>{"button 4040 off", "button 4040 on", "button 4040 on"}));
    EXPECT_TRUE(menuButtonEnabled(4040));
}

TEST_F(ChromeMenu, AButtonActsOnlyWhenPressAndReleaseBothHitIt) {
    const Point help = centre(menuButtonRect(4030));
    const Point view = centre(menuButtonRect(4020));
    screenPenDown(help.x, help.y);
    screenPenUp(view.x, view.y);
    screenPenDown(view.x, view.y);
    screenPenUp(help.x, help.y);
    EXPECT_TRUE(takeCommands().empty());
    EXPECT_FALSE(popupOpen());
    screenPenDown(help.x, help.y);
    screenPenUp(help.x, 150);
    EXPECT_TRUE(takeCommands().empty());
    EXPECT_TRUE(takePenMessages().empty()) << "a press on the bar never reaches the window";
}

// The disabled Undo image is drawn faded towards the bar; Help beside it keeps its look.
TEST_F(ChromeMenu, UndoLooksGreyedWhenDisabled) {
    const Rect undo = menuButtonRect(4040), help = menuButtonRect(4030);
    auto capture = [](const Rect& r) {
        std::vector<uint32_t> pixels;
        for (int y = r.top + 1; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) pixels.push_back(pixel(x, y));
        return pixels;
    };
    auto darkness = [](const std::vector<uint32_t>& pixels) {
        long sum = 0;
        for (uint32_t p : pixels) sum += 765 - int(p >> 16 & 0xFF) - int(p >> 8 & 0xFF) - int(p & 0xFF);
        return sum;
    };
    finishUpdate();
    const auto undoOff = capture(undo), helpBefore = capture(help);
    enableMenuButton(4040, true);
    finishUpdate();
    const auto undoOn = capture(undo);
    EXPECT_NE(undoOn, undoOff);
    EXPECT_LT(darkness(undoOff), darkness(undoOn));
    EXPECT_EQ(capture(help), helpBefore);
}

}  // namespace
}  // namespace chrome_test
