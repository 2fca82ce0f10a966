// The virtual clock, the program's pause and the trace of platform events on the headless back-end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window/clock.h"
#include "platform/headless/headless.h"
#include "platform/system/sound.h"

namespace {

class PlatformClock : public ::testing::Test {
protected:
    void SetUp() override {
        setHeadlessTrace([this](std::string_view line) { trace.emplace_back(line); });
    }
    void TearDown() override {
        setHeadlessTrace(nullptr);
        setHeadlessTicks(0);
    }
    std::vector<std::string> trace;
};

}  // namespace

TEST_F(PlatformClock, WaitPassesExactlyItsTimeAndReturnsTheLastReading) {
    setHeadlessTicks(1000);
    EXPECT_EQ(GetTickCount(), 1000u);
    EXPECT_EQ(waitMs(550), 1550u);
    EXPECT_EQ(GetTickCount(), 1550u);
    EXPECT_EQ(waitMs(50), 1600u);
    advanceHeadlessTicks(400);
    EXPECT_EQ(GetTickCount(), 2000u);
    EXPECT_EQ(trace, (std::vector<std::string>{"wait 550", "wait 50"}));
}

TEST_F(PlatformClock, WaitCountsAcrossTheCounterWrapping) {
    setHeadlessTicks(0xFFFFFF00u);
    EXPECT_EQ(waitMs(1000), 0xFFFFFF00u + 1000u);
    EXPECT_EQ(GetTickCount(), 1000u - 0x100u);
}

TEST_F(PlatformClock, WaitOfNothingOrLessPassesNoTime) {
    setHeadlessTicks(77);
    EXPECT_EQ(waitMs(0), 77u);
    EXPECT_EQ(waitMs(-150), 77u);
    EXPECT_EQ(waitMs(INT32_MIN), 77u);
    EXPECT_EQ(trace, (std::vector<std::string>{"wait 0", "wait -150", "wait -2147483648"}));
}

TEST_F(PlatformClock, SoundsAreTracedByNameWhetherOrNotTheyExist) {
    PlaySound("WVO");
    PlaySound("NOPE");
    PlaySound(nullptr);
    EXPECT_EQ(trace, (std::vector<std::string>{"sound WVO", "sound NOPE"}));
    setHeadlessTrace(nullptr);
    PlaySound("WVM");
    EXPECT_EQ(trace.size(), 2u);
}
