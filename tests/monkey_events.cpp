// The monkey's moves: what each one posts or presses, and how often each is chosen.
#include "tests/monkey_events.h"

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "game/game_state.h"
#include "game/setup.h"
#include "game/track.h"
#include "game/undo.h"
#include "platform/chrome/chrome.h"
#include "platform/chrome/parts.h"
#include "platform/chrome/dialog.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"
#include "platform/window/widget.h"
#include "shell/dialogs.h"
#include "shell/window.h"

namespace {

// Weights out of 10,000. Taps that play dominate so that games reach their end (one takes a few
// thousand moves); a new game is rare except after a game over; a restart comes every 2,000 moves.
struct Weight {
    MonkeyMove move;
    int weight;
};
constexpr Weight Weights[] = {
    {MonkeyMove::RollTap, 3000},  {MonkeyMove::TokenTap, 2300},    {MonkeyMove::DieTap, 800},
    {MonkeyMove::ChooseTap, 500}, {MonkeyMove::AnyTap, 500},       {MonkeyMove::Key, 300},       {MonkeyMove::Drag, 300},
    {MonkeyMove::StrayPen, 200},  {MonkeyMove::WidgetTap, 600},    {MonkeyMove::ScreenTap, 400},
    {MonkeyMove::Command, 400},   {MonkeyMove::NewGame, 10},       {MonkeyMove::Answer, 390},
    {MonkeyMove::OtherMessage, 295}, {MonkeyMove::Restart, 5},
};
constexpr int WeightTotal = [] {
    int total = 0;
    for (const Weight& w : Weights) total += w.weight;
    return total;
}();
static_assert(WeightTotal == 10000);

constexpr uint32_t MenuCommands[] = {CmdNewMenu, CmdViewMenu, CmdAbout, CmdOptions, CmdHelp, CmdUndo};
constexpr uint32_t NewGameCommands[] = {CmdOnePlayerGame, CmdTwoPlayerGame, CmdTwoPlayerGameAlt};
constexpr int OptionsControls[] = {IdDifficulty, IdShortGames,  IdPlaySounds,   IdAnimateDice,
                                   IdQuickStart, IdShowTips,    IdAnimateTokens};
constexpr int32_t EdgeCoordinates[] = {INT32_MIN, -65536, -32768, -32767, -1, 0, 1, 32767, 32768, 65535, 65536 + 120,
                                       INT32_MAX};

bool isEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

// Every place on the screen where a widget would take a tap now: menu buttons, the open pop-up's
// items, the question's buttons, the dialog's controls, its list entries and its "ok".
std::vector<Rect> widgetTargets() {
    std::vector<Rect> targets;
    auto add = [&targets](const Rect& r) {
        if (!isEmpty(r)) targets.push_back(r);
    };
    static constexpr uint32_t Buttons[] = {CmdNewMenu, CmdViewMenu, CmdHelp, CmdUndo};
    static constexpr uint32_t PopupItems[] = {CmdOnePlayerGame, CmdTwoPlayerGame, CmdAbout, CmdOptions};
    for (const uint32_t command : Buttons) add(menuButtonRect(command));
    for (const uint32_t command : PopupItems) add(popupItemRect(command));
    // Mostly "No": a game abandoned at every question would never reach its end.
    add(questionButtonRect(true));
    for (int weight = 0; weight < 4; ++weight) add(questionButtonRect(false));
    if (HDLG dialog = openDialog()) {
        add(titleDoneButtonRect());
        for (int id : OptionsControls) add(dialogControlRect(dialog, id));
        for (int entry = 0; entry < 2; ++entry) add(dialogListEntryRect(dialog, entry));
    }
    return targets;
}

std::string point(int32_t x, int32_t y) { return std::to_string(x) + " " + std::to_string(y); }

}  // namespace

const char* Monkey::name(MonkeyMove move) {
    static constexpr const char* Names[] = {"roll taps",     "token taps",      "die taps",         "choose taps",
                                            "wild taps",     "drags",           "stray pen",        "widget taps",
                                            "screen taps",   "commands",        "new-game commands", "answers",
                                            "other messages", "restarts",       "keys"};
    static_assert(std::size(Names) == static_cast<size_t>(MonkeyMove::Count));
    return Names[static_cast<size_t>(move)];
}

int32_t Monkey::between(int32_t low, int32_t high) {
    const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(high) - low) + 1;
    return static_cast<int32_t>(low + static_cast<int64_t>(random_() % span));
}

int32_t Monkey::wildCoordinate() {
    const int32_t kind = between(1, 10);
    if (kind <= 6) return between(-100, 400);
    if (kind <= 8) return between(-3000, 3000);
    return EdgeCoordinates[between(0, std::size(EdgeCoordinates) - 1)];
}

MonkeyMove Monkey::pick() {
    // An open widget holds the program until it is answered: mostly tap it, sometimes pile up other input.
    if (topWidget() != nullptr && chance(70)) return MonkeyMove::WidgetTap;
    if (turnState() == GameOver && chance(20)) return MonkeyMove::NewGame;
    int roll = between(0, WeightTotal - 1);
    for (const Weight& w : Weights) {
        if (roll < w.weight) return w.move;
        roll -= w.weight;
    }
    return MonkeyMove::RollTap;
}

void Monkey::clientTap(int32_t x, int32_t y, int32_t jitter) {
    x += between(-jitter, jitter);
    y += between(-jitter, jitter);
    PostMessage(WM_LBUTTONDOWN, 0, makePointParam(x, y));
    PostMessage(WM_LBUTTONUP, 0, makePointParam(x, y));
    lastMove_ += " at " + point(x, y);
}

void Monkey::screenTap(int32_t x, int32_t y) {
    screenPenDown(x, y);
    screenPenUp(x, y);
    lastMove_ += " at screen " + point(x, y);
}

void Monkey::tapToken() {
    const uint8_t current = game.core.currentPlayer & 3;
    const bool partnerToo = flag(FlagPartners) && chance(50);
    const uint8_t colour = partnerToo ? partner(current) : current;
    const uint8_t token = static_cast<uint8_t>(between(0, 3));
    int32_t x = 0, y = 0;
    tokenPoint(slotOf(colour, token).square, colour, token, x, y);
    lastMove_ += " " + std::to_string(colour) + "/" + std::to_string(token);
    clientTap(x, y, 10);
}

bool Monkey::tapWidget() {
    const std::vector<Rect> targets = widgetTargets();
    if (targets.empty()) return false;
    const Rect& r = targets[between(0, static_cast<int32_t>(targets.size()) - 1)];
    screenTap(between(r.left, r.right - 1), between(r.top, r.bottom - 1));
    return true;
}

void Monkey::postCommand() {
    uint32_t id = MenuCommands[between(0, std::size(MenuCommands) - 1)];
    const int32_t kind = between(1, 10);
    if (kind == 1) id = static_cast<uint32_t>(between(4000, 4050));
    if (kind == 2) id = static_cast<uint32_t>(between(0, 65535));
    // The high word carries a notification code; only the low word names the command.
    if (kind == 3) id |= static_cast<uint32_t>(between(1, 65535)) << 16;
    PostMessage(WM_COMMAND, id, between(-5, 5));
    lastMove_ += " " + std::to_string(id);
}

MonkeyMove Monkey::act() {
    const MonkeyMove move = pick();
    ++counts_[static_cast<size_t>(move)];
    lastMove_ = name(move);
    const int16_t board = game.boardSize;
    switch (move) {
    case MonkeyMove::RollTap:
        clientTap(between(board - 34, screenWidthPixels() - 1), between(board + 1, clientHeight() - 1), 0);
        break;
    case MonkeyMove::TokenTap: tapToken(); break;
    case MonkeyMove::DieTap: clientTap(24 * between(0, 2) + 14, board + 10, 8); break;
    case MonkeyMove::ChooseTap: clientTap(75 + 30 * between(0, 4), board + 14, 8); break;
    case MonkeyMove::AnyTap: clientTap(wildCoordinate(), wildCoordinate(), 0); break;
    case MonkeyMove::Drag: {
        const int32_t x = between(0, 239), y = between(0, 267), toX = wildCoordinate(), toY = wildCoordinate();
        PostMessage(WM_LBUTTONDOWN, 0, makePointParam(x, y));
        PostMessage(WM_LBUTTONUP, 0, makePointParam(toX, toY));
        lastMove_ += " from " + point(x, y) + " to " + point(toX, toY);
        break;
    }
    case MonkeyMove::StrayPen: {
        static constexpr uint32_t Pens[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE};
        const uint32_t message = Pens[between(0, 2)];
        const int32_t x = wildCoordinate(), y = wildCoordinate();
        PostMessage(message, 0, makePointParam(x, y));
        lastMove_ += " " + std::to_string(message) + " at " + point(x, y);
        break;
    }
    case MonkeyMove::WidgetTap:
        if (!tapWidget()) screenTap(between(0, screenWidthPixels() - 1), between(0, screenHeightPixels() - 1));
        break;
    case MonkeyMove::ScreenTap:
        if (chance(80)) {
            screenTap(between(-50, screenWidthPixels() + 50), between(-50, screenHeightPixels() + 50));
        } else {
            // Pressed in one place, released in another: the owner of the press gets the release.
            // Screen points come from a screen (or the driver's 16-bit `screen` line), never beyond 16 bits.
            const int32_t x = between(0, 239), y = between(0, 319);
            const int32_t toX = std::clamp(wildCoordinate(), -32768, 32767), toY = std::clamp(wildCoordinate(), -32768, 32767);
            screenPenDown(x, y);
            screenPenUp(toX, toY);
            lastMove_ += " from screen " + point(x, y) + " to " + point(toX, toY);
        }
        break;
    case MonkeyMove::Command: postCommand(); break;
    case MonkeyMove::NewGame: {
        const uint32_t id = NewGameCommands[between(0, 2)];
        PostMessage(WM_COMMAND, id, 0);
        lastMove_ += " " + std::to_string(id);
        break;
    }
    case MonkeyMove::Answer: {
        const bool yes = chance(15);
        answerQuestion(yes);
        lastMove_ += yes ? " yes" : " no";
        break;
    }
    case MonkeyMove::OtherMessage: {
        static constexpr uint32_t Messages[] = {WM_CREATE, WM_ACTIVATE, WM_PAINT, WM_HELP, TB_ENABLEBUTTON, WM_MOUSEMOVE};
        const bool any = chance(30);
        uint32_t message = any ? static_cast<uint32_t>(between(WM_USER, 0xFFFF)) : Messages[between(0, 5)];
        if (message == WM_CLOSEPROGRAM) message = WM_PAINT;
        PostMessage(message, static_cast<uint32_t>(between(0, 65535)), between(INT32_MIN, INT32_MAX));
        lastMove_ += " " + std::to_string(message);
        break;
    }
    case MonkeyMove::Restart: PostMessage(WM_CLOSEPROGRAM, 0, 0); break;
    case MonkeyMove::Key: {
        static constexpr uint32_t Keys[] = {KeySpace, KeyEnter, KeyEscape, KeyTab, KeyLeft, KeyDown, '1', '3', '5',
                                            'N', 'Y', 'Z', 'V', 'X', KeyF2, KeyF3};
        const uint32_t key = Keys[between(0, std::size(Keys) - 1)], modifiers = chance(70) ? 0 : between(1, 7);
        screenKey(key, modifiers);
        lastMove_ += " " + std::to_string(key) + " with " + std::to_string(modifiers);
        break;
    }
    case MonkeyMove::Count: break;
    }
    return move;
}
