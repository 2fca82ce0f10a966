// Drives the game through its real window procedure: a fresh window per test, posted taps, the queue
// run until idle, fixed rolls and the platform trace.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Each test gets its own folders, a new main window with the game's procedure, and the start-up
// defaults of the record; the trace of platform events is collected in `trace`.
class TurnDriverTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path folder;
    std::vector<std::string> trace;
    // Called with each trace line as it happens, while the game is still inside the call.
    std::function<void(const std::string&)> onTrace;

    // From now on collects, in seenDuringWait, the message on show at each trace line `waitLine`.
    void watchMessagesDuring(const std::string& waitLine);
    std::vector<std::string> seenDuringWait;
};

// Removes the main window (its destroy handling included) and the quit message it leaves behind.
void closeMainWindow();
// Dispatches queued and paint messages until nothing is left; false when more than `limit` were needed.
bool runQueue(int limit = 200000);
// A stylus press and release at client point (x, y), then the queue run until idle.
void tap(int32_t x, int32_t y);
void tapRoll();
void tapToken(uint8_t colour, uint8_t token);
void tapDie(uint8_t die);
void tapChooseButton(int button);
void fixRolls(std::initializer_list<uint8_t> values);
// A new game from the menu's set-up with the given option bits, the queue run.
void startGame(uint32_t command, uint32_t options);
// True when some trace line equals `line`.
bool traced(const std::vector<std::string>& trace, const std::string& line);
