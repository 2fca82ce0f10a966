// Drives the game through its real window procedure for the turn and shell tests.
#include "tests/turn_driver.h"

#include <unistd.h>

#include "game/game_state.h"
#include "game/setup.h"
#include "game/track.h"
#include "game/undo.h"
#include "platform/chrome/chrome.h"
#include "platform/headless/headless.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"
#include "platform/system/store.h"
#include "platform/system/program.h"
#include "render/panel.h"
#include "render/layout.h"
#include "shell/window.h"
#include "turn/controller.h"
#include "turn/dice.h"

void closeMainWindow() {
    if (MainWindowExists()) DestroyMainWindow();
    Msg msg{};
    while (!QueueIdle() && GetMessage(msg)) {
    }
}

void TurnDriverTest::SetUp() {
    folder = std::filesystem::temp_directory_path() /
             ("rendaro-turn-" + std::to_string(getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    setModulePath((folder / "rendaro").string());
    setStoreRoot(folder.string());
    setHeadlessTicks(0);
    setHeadlessInput(nullptr);
    setHeadlessTrace([this](std::string_view line) {
        trace.emplace_back(line);
        if (onTrace) onTrace(trace.back());
    });
    clearFixedRolls();
    closeMainWindow();
    initScreen(240, 320);
    ASSERT_TRUE(createDrawingResources());
    ASSERT_TRUE(CreateMainWindow(mainWindowProc));
    initScreenLayout();
    enableMenuButton(CmdUndo, false);
    trace.clear();
}

void TurnDriverTest::TearDown() {
    closeMainWindow();
    setHeadlessTrace(nullptr);
    setHeadlessInput(nullptr);
    clearFixedRolls();
    std::filesystem::remove_all(folder);
}

void TurnDriverTest::watchMessagesDuring(const std::string& waitLine) {
    onTrace = [this, waitLine](const std::string& line) {
        if (line == waitLine) seenDuringWait.emplace_back(messageText);
    };
}

bool runQueue(int limit) {
    Msg msg{};
    for (int handled = 0; !QueueIdle(); ++handled) {
        if (handled > limit) return false;
        if (!GetMessage(msg)) break;
        DispatchMessage(msg);
    }
    return true;
}

void tap(int32_t x, int32_t y) {
    postTap(x, y);
    ASSERT_TRUE(runQueue());
}

void tapRoll() { tap(game.boardSize - 20, game.boardSize + 10); }

void tapToken(uint8_t colour, uint8_t token) {
    int32_t x = 0, y = 0;
    tokenPoint(slotOf(colour, token).square, colour, token, x, y);
    tap(x, y);
}

void tapDie(uint8_t die) { tap(24 * die + 14, game.boardSize + 10); }

void tapChooseButton(int button) { tap(75 + 30 * button, game.boardSize + 14); }

void fixRolls(std::initializer_list<uint8_t> values) {
    fixNextRolls(values.begin(), static_cast<int>(values.size()));
}

void startGame(uint32_t command, uint32_t options) {
    game.core.flags = (game.core.flags & ~OptionBitsMask) | options;
    newGame(command);
    ASSERT_TRUE(runQueue());
}

bool traced(const std::vector<std::string>& trace, const std::string& line) {
    for (const std::string& entry : trace)
        if (entry == line) return true;
    return false;
}
