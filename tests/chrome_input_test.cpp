// Stylus routing: client taps in client coordinates, the captured release anywhere, and the bars' share.
#include <gtest/gtest.h>

#include "platform/chrome/chrome.h"
#include "platform/chrome/parts.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"
#include "tests/chrome_fixture.h"

namespace chrome_test {
namespace {

class ChromeInput : public ChromeTest {};

TEST_F(ChromeInput, ClientTapsArriveInClientCoordinates) {
    tap({100, 126});
    tap({0, TitleBarHeight});
    tap({239, 320 - MenuBarHeight - 1});
    EXPECT_EQ(takePenMessages(), (std::vector<Pen>{{WM_LBUTTONDOWN, 100, 100},
                                                   {WM_LBUTTONUP, 100, 100},
                                                   {WM_LBUTTONDOWN, 0, 0},
                                                   {WM_LBUTTONUP, 0, 0},
                                                   {WM_LBUTTONDOWN, 239, 267},
                                                   {WM_LBUTTONUP, 239, 267}}));
}

// The release of a press made in the client area reaches the client wherever it ends, even over a
// button, which then does nothing.
TEST_F(ChromeInput, ReleaseOfAClientPressReachesTheClientAnywhere) {
    enableMenuButton(4040, true);
    const Point undo = centre(menuButtonRect(4040));
    screenPenDown(50, 60);
    screenPenUp(undo.x, undo.y);
    screenPenDown(50, 60);
    screenPenUp(-7, 3);
    EXPECT_EQ(takePenMessages(), (std::vector<Pen>{{WM_LBUTTONDOWN, 50, 34},
                                                   {WM_LBUTTONUP, undo.x, undo.y - TitleBarHeight},
                                                   {WM_LBUTTONDOWN, 50, 34},
                                                   {WM_LBUTTONUP, -7, 3 - TitleBarHeight}}));
    EXPECT_TRUE(takeCommands().empty());
}

TEST_F(ChromeInput, PressesOutsideTheClientAreaNeverReachIt) {
    screenPenDown(120, 10);
    screenPenUp(120, 100);
    const Point view = centre(menuButtonRect(4020));
    screenPenDown(view.x, view.y);
    screenPenUp(120, 100);
    EXPECT_TRUE(takePenMessages().empty());
    EXPECT_FALSE(popupOpen());
}

// A stylus captured by the window (its press was handled before this layer saw it) gets a release
// that comes without a press.
TEST_F(ChromeInput, CapturedStylusGetsABareRelease) {
    screenPenUp(20, 300);
    EXPECT_TRUE(takePenMessages().empty());
    SetCapture();
    screenPenUp(20, 300);
    ReleaseCapture();
    EXPECT_EQ(takePenMessages(), (std::vector<Pen>{{WM_LBUTTONUP, 20, 274}}));
}

TEST_F(ChromeInput, BarsKeepTheirHeightOnAnyScreen) {
    for (auto [w, h] : {std::pair{240, 320}, std::pair{320, 240}, std::pair{480, 640}}) {
        initScreen(w, h);
        finishUpdate();
        EXPECT_EQ(menuBarRect().top, h - MenuBarHeight);
        EXPECT_EQ(menuBarRect().right, w);
        EXPECT_EQ(titleBarRect().bottom, TitleBarHeight);
        // The title bar is drawn across the whole width, the menu bar in its own colour.
        EXPECT_EQ(pixel(w - 1, 0), pixel(0, TitleBarHeight - 1));
        EXPECT_NE(pixel(w - 1, h - 1), pixel(w - 1, 0));
        tap({w / 2, h / 2});
        EXPECT_EQ(takePenMessages(), (std::vector<Pen>{{WM_LBUTTONDOWN, w / 2, h / 2 - TitleBarHeight},
                                                       {WM_LBUTTONUP, w / 2, h / 2 - TitleBarHeight}}));
    }
}

}  // namespace
}  // namespace chrome_test
