// The message queue: order, range removal, paint production, input only when idle, close and capture.
#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/headless.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"

namespace {

std::vector<Msg> received;

int32_t recordingProc(uint32_t message, uint32_t wParam, int32_t lParam) {
    received.push_back({message, wParam, lParam});
    switch (message) {
        case WM_PAINT:
            EndPaint(BeginPaint());
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProc(message, wParam, lParam);
    }
}

// Ends whatever window and loop an earlier test left behind, so each test starts with none.
void resetQueue() {
    setHeadlessInput(nullptr);
    DestroyMainWindow();
    Msg msg{};
    while (GetMessage(msg)) {
    }
    received.clear();
}

std::vector<uint32_t> messageNumbers(const std::vector<Msg>& messages) {
    std::vector<uint32_t> numbers;
    for (const Msg& m : messages) numbers.push_back(m.message);
    return numbers;
}

class PlatformQueue : public ::testing::Test {
protected:
    void SetUp() override {
        resetQueue();
        initScreen(240, 320);
        ASSERT_TRUE(CreateMainWindow(recordingProc));
    }
    void TearDown() override { resetQueue(); }

    // Paints what the new window asked for, leaving the queue idle.
    static void settle() {
        EndPaint(BeginPaint());
        received.clear();
    }
};

bool sameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST_F(PlatformQueue, CreatesOneWindowThatStartsUnpainted) {
    EXPECT_EQ(messageNumbers(received), std::vector<uint32_t>{WM_CREATE});
    EXPECT_FALSE(CreateMainWindow(recordingProc));
    EXPECT_EQ(received.size(), 1u);
    Rect invalid{};
    ASSERT_TRUE(GetUpdateRect(invalid));
    EXPECT_TRUE(sameRect(invalid, Rect{0, 0, 240, 320 - TitleBarHeight - MenuBarHeight}));
}

TEST_F(PlatformQueue, DeliversPostedMessagesFirstInFirstOutThenPaintThenQuits) {
    received.clear();
    PostMessage(WM_COMMAND, 4011, 0);
    PostMessage(WM_LBUTTONDOWN, 0, makePointParam(-5, 300));
    PostMessage(WM_COMMAND, 4012, 7);
    Msg msg{};
    std::vector<Msg> got;
    while (GetMessage(msg)) {
        got.push_back(msg);
        DispatchMessage(msg);
    }
    ASSERT_EQ(messageNumbers(got), (std::vector<uint32_t>{WM_COMMAND, WM_LBUTTONDOWN, WM_COMMAND, WM_PAINT}));
    EXPECT_EQ(got[0].wParam, 4011u);
    EXPECT_EQ(pointParamX(got[1].lParam), -5);
    EXPECT_EQ(pointParamY(got[1].lParam), 300);
    EXPECT_EQ(got[2].wParam, 4012u);
    EXPECT_EQ(got[2].lParam, 7);
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(messageNumbers(received), messageNumbers(got));
}

TEST_F(PlatformQueue, PointParametersKeepSignedSixteenBitHalves) {
    for (const auto& [x, y] : {std::pair{0, 0}, {-1, -1}, {-32768, 32767}, {239, -26}}) {
        const int32_t packed = makePointParam(x, y);
        EXPECT_EQ(pointParamX(packed), x);
        EXPECT_EQ(pointParamY(packed), y);
    }
}

TEST_F(PlatformQueue, PeekRemovesOnlyTheRangeOneAtATimeInOrder) {
    settle();
    PostMessage(WM_COMMAND, 1, 0);
    PostMessage(WM_LBUTTONDOWN, 0, 1);
    PostMessage(WM_MOUSEMOVE, 0, 2);
    PostMessage(WM_PENLAST + 1, 0, 0);
    PostMessage(WM_LBUTTONUP, 0, 3);
    PostMessage(WM_COMMAND, 2, 0);
    Msg msg{};
    std::vector<int32_t> removed;
    while (PeekMessageRemove(msg, WM_MOUSEFIRST, WM_PENLAST)) removed.push_back(msg.lParam);
    EXPECT_EQ(removed, (std::vector<int32_t>{1, 2, 3}));

    std::vector<Msg> left;
    while (GetMessage(msg)) left.push_back(msg);
    EXPECT_EQ(messageNumbers(left), (std::vector<uint32_t>{WM_COMMAND, WM_PENLAST + 1, WM_COMMAND}));
    EXPECT_EQ(left[0].wParam, 1u);
    EXPECT_EQ(left[2].wParam, 2u);
    EXPECT_FALSE(PeekMessageRemove(msg, 0, UINT32_MAX));
}

TEST_F(PlatformQueue, InvalidAreaGrowsByUnionClippedToTheClientArea) {
    settle();
    Rect invalid{};
    EXPECT_FALSE(GetUpdateRect(invalid));
    EXPECT_TRUE(QueueIdle());

    const Rect first{10, 10, 20, 20}, second{30, 5, 40, 15}, empty{50, 50, 50, 60};
    InvalidateRect(&first, false);
    InvalidateRect(&empty, false);
    InvalidateRect(&second, false);
    ASSERT_TRUE(GetUpdateRect(invalid));
    EXPECT_TRUE(sameRect(invalid, Rect{10, 5, 40, 20}));
    EXPECT_FALSE(QueueIdle());
    EndPaint(BeginPaint());
    EXPECT_TRUE(QueueIdle());

    // Regions reaching down to the screen's height end at the menu bar; one wholly under it is nothing.
    const Rect panel{80, 242, 240, 320}, underMenu{0, 300, 240, 320};
    InvalidateRect(&underMenu, true);
    EXPECT_FALSE(GetUpdateRect(invalid));
    InvalidateRect(&panel, false);
    ASSERT_TRUE(GetUpdateRect(invalid));
    EXPECT_TRUE(sameRect(invalid, Rect{80, 242, 240, 268}));
}

TEST_F(PlatformQueue, PaintComesOnlyAfterThePostedMessagesAndUntilPainted) {
    settle();
    const Rect area{0, 0, 5, 5};
    InvalidateRect(&area, false);
    PostMessage(WM_COMMAND, 9, 0);
    Msg msg{};
    ASSERT_TRUE(GetMessage(msg));
    EXPECT_EQ(msg.message, WM_COMMAND);
    ASSERT_TRUE(GetMessage(msg));
    EXPECT_EQ(msg.message, WM_PAINT);
    // Not painted yet: the same paint is produced again.
    ASSERT_TRUE(GetMessage(msg));
    EXPECT_EQ(msg.message, WM_PAINT);
    DispatchMessage(msg);
    EXPECT_TRUE(QueueIdle());
    EXPECT_FALSE(GetMessage(msg));
}

TEST_F(PlatformQueue, PaintErasesToWhiteOnlyTheInvalidAreaWhenAsked) {
    settle();
    uint32_t* pixels = screenPixelsMutable();
    ASSERT_NE(pixels, nullptr);
    const auto at = [&](int x, int clientY) { return pixels[(clientY + clientTop()) * 240 + x]; };
    std::fill(pixels, pixels + 240 * 320, 0x000000u);

    const Rect kept{10, 10, 20, 20};
    InvalidateRect(&kept, false);
    EndPaint(BeginPaint());
    EXPECT_EQ(at(15, 15), 0x000000u);

    const Rect erased{10, 10, 20, 20};
    InvalidateRect(&erased, true);
    EndPaint(BeginPaint());
    EXPECT_EQ(at(10, 10), 0xFFFFFFu);
    EXPECT_EQ(at(19, 19), 0xFFFFFFu);
    for (const auto& [x, y] : {std::pair{9, 10}, {10, 9}, {20, 19}, {19, 20}}) EXPECT_EQ(at(x, y), 0x000000u);
}

TEST_F(PlatformQueue, ReadsInputOnlyWhenIdleAndEndsWithIt) {
    settle();
    int calls = 0;
    bool alwaysIdle = true;
    setHeadlessInput([&] {
        alwaysIdle = alwaysIdle && QueueIdle();
        switch (++calls) {
            case 1:
                PostMessage(WM_COMMAND, 1, 0);
                PostMessage(WM_COMMAND, 2, 0);
                return true;
            case 2:
                InvalidateRect(nullptr, false);
                return true;
            case 3:
                return true;  // a line that asks for nothing
            default:
                return false;
        }
    });
    Msg msg{};
    while (GetMessage(msg)) DispatchMessage(msg);
    EXPECT_EQ(calls, 4);
    EXPECT_TRUE(alwaysIdle);
    EXPECT_EQ(messageNumbers(received), (std::vector<uint32_t>{WM_COMMAND, WM_COMMAND, WM_PAINT}));
    EXPECT_TRUE(MainWindowExists());
}

TEST_F(PlatformQueue, CloseDestroysTheWindowAndDropsWhatWasQueued) {
    settle();
    SetCapture();
    EXPECT_TRUE(stylusCaptured());
    PostMessage(WM_CLOSE, 0, 0);
    PostMessage(WM_COMMAND, 4011, 0);
    Msg msg{};
    ASSERT_TRUE(GetMessage(msg));
    DispatchMessage(msg);
    EXPECT_EQ(messageNumbers(received), (std::vector<uint32_t>{WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(MainWindowExists());
    EXPECT_FALSE(stylusCaptured());

    PostMessage(WM_COMMAND, 4012, 0);
    InvalidateRect(nullptr, true);
    EXPECT_FALSE(GetMessage(msg));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(received.size(), 2u);
    EXPECT_TRUE(QueueIdle());
}

TEST_F(PlatformQueue, ANewWindowIgnoresTheQuitOfTheOneBefore) {
    settle();
    DestroyMainWindow();  // its procedure posts the quit, and nobody runs a loop to take it
    ASSERT_TRUE(CreateMainWindow(recordingProc));
    int reads = 0;
    setHeadlessInput([&] { return ++reads == 1; });
    Msg msg{};
    ASSERT_TRUE(GetMessage(msg));
    EXPECT_EQ(msg.message, WM_PAINT);
    DispatchMessage(msg);
    EXPECT_FALSE(GetMessage(msg));
    EXPECT_EQ(reads, 2);
}

TEST_F(PlatformQueue, CaptureIsHeldFromSetToRelease) {
    EXPECT_FALSE(stylusCaptured());
    SetCapture();
    SetCapture();
    EXPECT_TRUE(stylusCaptured());
    ReleaseCapture();
    EXPECT_FALSE(stylusCaptured());
    DestroyMainWindow();
    SetCapture();
    EXPECT_FALSE(stylusCaptured());
}
