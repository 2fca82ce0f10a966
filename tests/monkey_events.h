// The monkey's repertoire: random stylus use in client and screen coordinates, menu commands, answers,
// dialog use and restarts, biased towards the places that make games progress.
#pragma once
#include <array>
#include <cstdint>
#include <random>
#include <string>

enum class MonkeyMove : uint8_t {
    RollTap,       // somewhere in the Roll area
    TokenTap,      // near a token of the side to play
    DieTap,        // near one of the three dice places
    ChooseTap,     // near one of the "Choose:" buttons
    AnyTap,        // any client point, far outside the window and 16-bit wrap-arounds included
    Drag,          // press at one client point, release at another
    StrayPen,      // a lone press, release or move
    WidgetTap,     // a screen tap on a menu button, pop-up item, question button or dialog control
    ScreenTap,     // a screen press and release anywhere, off-screen included
    Command,       // WM_COMMAND with a menu id or any other
    NewGame,       // one of the new-game commands
    Answer,        // answerQuestion, for the open question or the next one
    OtherMessage,  // a message the window does not act on, or acts on harmlessly
    Restart,       // message 1023: the program closes and is started again
    Key,           // a key the shell or a widget knows, or none, with any modifiers
    Count
};

// Picks and carries out one move per call, reproducibly from its seed.
class Monkey {
public:
    explicit Monkey(uint32_t seed) : random_(seed) {}

    // Does one random thing to the running program: posts messages, or presses on the screen.
    MonkeyMove act();
    // What the last move did, in words, for failure reports.
    const std::string& lastMove() const { return lastMove_; }
    long count(MonkeyMove move) const { return counts_[static_cast<size_t>(move)]; }
    static const char* name(MonkeyMove move);

private:
    MonkeyMove pick();
    int32_t between(int32_t low, int32_t high);  // inclusive
    bool chance(int percent) { return between(1, 100) <= percent; }
    int32_t wildCoordinate();
    void clientTap(int32_t x, int32_t y, int32_t jitter);
    void screenTap(int32_t x, int32_t y);
    void tapToken();
    bool tapWidget();
    void postCommand();

    std::mt19937 random_;
    std::string lastMove_;
    std::array<long, static_cast<size_t>(MonkeyMove::Count)> counts_{};
};
