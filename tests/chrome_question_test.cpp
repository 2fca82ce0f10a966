// The Yes/No question: answered by a tap or by the driver's answer, before it opens or while it is open.
#include <gtest/gtest.h>

#include "platform/chrome/chrome.h"
#include "platform/chrome/parts.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"
#include "tests/chrome_fixture.h"

namespace chrome_test {
namespace {

constexpr int Question = 1602;

class ChromeQuestion : public ChromeTest {};

// A tap on Yes or No answers, and so does the driver while the box is open or before it is asked:
// then the question returns at once, waiting for nothing.
TEST_F(ChromeQuestion, AnsweredByATapOrByTheDriverWhileOpenOrBefore) {
    for (bool yes : {true, false}) {
        script({[yes] { tap(centre(questionButtonRect(yes))); }});
        EXPECT_EQ(askYesNo(Question), yes);
        EXPECT_TRUE(isEmpty(questionButtonRect(yes))) << "the box is gone";

        script({[] { tap({120, 40}); }, [yes] { answerQuestion(yes); }});
        EXPECT_EQ(askYesNo(Question), yes);

        bool waited = false;
        script({[&waited] { waited = true; }});
        answerQuestion(yes);
        EXPECT_EQ(askYesNo(Question), yes);
        EXPECT_FALSE(waited);
    }
    EXPECT_EQ(trace, std::vector<std::string>(6, "ask 1602"));
}

// While it is open the box takes every tap: taps elsewhere, even on the menu bar, do nothing, and what
// was queued for the window stays queued, in order.
TEST_F(ChromeQuestion, ModalWhileOpenAndQueueKept) {
    PostMessage(WM_COMMAND, 4011, 0);
    script({[] { PostMessage(WM_COMMAND, 4022, 0); },
            [] { tap({120, 40}); },
            [] { tap(centre(menuButtonRect(4030))); },
            [] { tap(centre(menuButtonRect(4010))); },
            [] { tap(centre(questionButtonRect(true))); }});
    EXPECT_TRUE(askYesNo(Question));
    EXPECT_FALSE(popupOpen());
    EXPECT_TRUE(takePenMessages().empty());
    EXPECT_EQ(takeCommands(), (std::vector<uint32_t>{4011, 4022}));
}

TEST_F(ChromeQuestion, EndOfInputOrCloseWhileOpenAnswersNo) {
    script({});
    EXPECT_FALSE(askYesNo(Question));

    script({[] { PostMessage(WM_CLOSE, 0, 0); }, [] { answerQuestion(true); }});
    EXPECT_FALSE(askYesNo(Question));
    Msg msg{};
    EXPECT_TRUE(PeekMessageRemove(msg, WM_CLOSE, WM_CLOSE)) << "the close request still reaches the window";
}

// The box is drawn over the window, its buttons inside the client area; on closing, the window is
// asked to repaint and the bars are back.
TEST_F(ChromeQuestion, DrawnOverTheClientAreaAndRestoredAfter) {
    finishUpdate();
    const uint32_t barPixel = pixel(239, 319);
    Rect yes{}, no{};
    uint32_t underBox = 0;
    script({[&] {
        yes = questionButtonRect(true);
        no = questionButtonRect(false);
        underBox = pixel(centre(yes).x, centre(yes).y);
        answerQuestion(true);
    }});
    EXPECT_TRUE(askYesNo(Question));
    EXPECT_LT(yes.right, no.left);
    EXPECT_GE(yes.top, TitleBarHeight);
    EXPECT_LE(no.bottom, 320 - MenuBarHeight);
    EXPECT_NE(underBox, RGB(255, 255, 255)) << "the Yes button is drawn";
    Rect update{};
    EXPECT_TRUE(GetUpdateRect(update));
    EXPECT_EQ(update.bottom - update.top, clientHeight());
    EXPECT_EQ(pixel(239, 319), barPixel);
}

// Choosing from a pop-up leaves the window to repaint; that is done before the box is drawn over it.
TEST_F(ChromeQuestion, PendingPaintIsDoneBeforeTheBoxOpens) {
    tap(centre(menuButtonRect(4010)));
    tap(centre(popupItemRect(4011)));
    Rect update{};
    ASSERT_TRUE(GetUpdateRect(update));
    bool pendingWhileOpen = true;
    script({[&] {
        pendingWhileOpen = GetUpdateRect(update);
        answerQuestion(false);
    }});
    EXPECT_FALSE(askYesNo(Question));
    EXPECT_FALSE(pendingWhileOpen);
    EXPECT_EQ(takeCommands(), std::vector<uint32_t>{4011});
}

}  // namespace
}  // namespace chrome_test
