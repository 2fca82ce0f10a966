// The shell widgets' bench: a 240 x 320 screen with a main window whose queue the tests read, scripted
// input for the modal loops, and the platform trace.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/canvas/draw.h"

namespace chrome_test {

Point centre(const Rect& r);
inline bool isEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }
// A press and release at the same screen point.
void tap(Point p);

class ChromeTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Each time a modal loop waits for input, the next step runs; after the last one input has ended.
    void script(std::vector<std::function<void()>> steps);
    // Takes the WM_COMMAND ids, or the pen messages, out of the queue in the order they were posted.
    static std::vector<uint32_t> takeCommands();
    struct Pen {
        uint32_t message;
        int32_t x, y;
        bool operator==(const Pen&) const = default;
    };
    static std::vector<Pen> takePenMessages();

    static uint32_t pixel(int x, int y);
    // The program folder (saved game DIR/rendart) and the store under DIR/config, fresh for each test.
    std::string folder;
    std::vector<std::string> trace;

private:
    std::vector<std::function<void()>> steps_;
    size_t next_ = 0;
};

}  // namespace chrome_test
