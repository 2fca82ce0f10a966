// Carrying out rendaro-cli's input lines: pen messages, commands, fixed rolls, the clock and reports.
#include "tools/cli/script_runner.h"

#include <cstdio>
#include <cstring>
#include <deque>

#include "game/game_state.h"
#include "persist/registry.h"
#include "persist/savefile.h"
#include "platform/canvas/screen.h"
#include "platform/chrome/chrome.h"
#include "platform/headless/headless.h"
#include "platform/window/messages.h"
#include "render/panel.h"
#include "shell/window.h"
#include "tools/png/png.h"
#include "turn/dice.h"

namespace {

// Every value of every `roll` line, in order, until the game takes it; kept across restarts.
std::deque<uint8_t> queuedRolls;
bool restartAsked = false;
std::optional<std::vector<uint8_t>> recordToLoad;

uint8_t takeQueuedRoll() {
    if (queuedRolls.empty()) return 0;
    const uint8_t value = queuedRolls.front();
    queuedRolls.pop_front();
    return value;
}

// Ends the program as a close request does; prepareRestart then starts it again.
void askRestart() {
    restartAsked = true;
    PostMessage(WM_CLOSEPROGRAM, 0, 0);
}

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::string messageLine() {
    std::string text = "message ";
    for (const char c : std::string_view(messageText, strnlen(messageText, MessageCapacity))) {
        if (c == '\n')
            text += "\\n";
        else
            text += c;
    }
    return text;
}

}  // namespace

std::string recordLine() {
    packRecord();
    static constexpr char Digits[] = "0123456789abcdef";
    std::string text = "record ";
    for (const uint8_t byte : saveBuffer) {
        text += Digits[byte >> 4];
        text += Digits[byte & 0xF];
    }
    return text;
}

void printLine(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

std::optional<std::string> runScriptLine(const ScriptLine& line) {
    using Result = std::optional<std::string>;
    return std::visit(
        Overloaded{
            [](std::monostate) -> Result { return std::nullopt; },
            [](const TapLine& tap) -> Result {
                // Posted like the stylus would: the press, then the release, at the same point.
                const int32_t point = makePointParam(tap.x, tap.y);
                PostMessage(WM_LBUTTONDOWN, 0, point);
                PostMessage(WM_LBUTTONUP, 0, point);
                return std::nullopt;
            },
            [](const ScreenLine& screen) -> Result {
                screenPenDown(screen.x, screen.y);
                screenPenUp(screen.x, screen.y);
                return std::nullopt;
            },
            [](const CommandLine& command) -> Result {
                PostMessage(WM_COMMAND, command.id, 0);
                return std::nullopt;
            },
            [](const KeyLine& key) -> Result {
                screenKey(key.key, key.modifiers);
                return std::nullopt;
            },
            [](const AnswerLine& answer) -> Result {
                answerQuestion(answer.yes);
                return std::nullopt;
            },
            [](const RollLine& roll) -> Result {
                queuedRolls.insert(queuedRolls.end(), roll.values.begin(), roll.values.end());
                return std::nullopt;
            },
            [](const WaitLine& wait) -> Result {
                advanceHeadlessTicks(wait.ms);
                return std::nullopt;
            },
            [](const DumpLine&) -> Result {
                printLine(recordLine());
                return std::nullopt;
            },
            [](const MessageLine&) -> Result {
                printLine(messageLine());
                return std::nullopt;
            },
            [](const QuitLine&) -> Result {
                PostMessage(WM_CLOSEPROGRAM, 0, 0);
                return std::nullopt;
            },
            [](const RestartLine&) -> Result {
                askRestart();
                return std::nullopt;
            },
            [](const LoadLine& load) -> Result {
                recordToLoad = load.record;
                askRestart();
                return std::nullopt;
            },
            [](const ScreenshotLine& shot) -> Result {
                if (writePng(shot.path.c_str(), finishUpdate(), screenWidthPixels(), screenHeightPixels()))
                    return std::nullopt;
                return "cannot write the screenshot";
            },
        },
        line);
}

namespace {

// After the program has ended: true when a `restart` or `load` line ended it, with the process set
// back to how a new one starts (and the record to load stored).
bool prepareRestart() {
    if (!restartAsked) return false;
    restartAsked = false;
    // The saved copies are replaced only now, after the closing program has saved its own.
    if (recordToLoad) {
        transferSaveFile(recordToLoad->data(), true);
        removeRegistryCopy();
        recordToLoad.reset();
    }
    // A new process starts with both records zeroed.
    game = GameState{};
    std::memset(saveBuffer, 0, sizeof saveBuffer);
    return true;
}

}  // namespace

void runProgram() {
    queuedRolls.clear();
    restartAsked = false;
    recordToLoad.reset();
    setFixedRollSource(takeQueuedRoll);
    do rendaroMain();
    while (prepareRestart());
}
