// Counts every allocation the test binary makes, to show that the rules, the computer player and the
// drawing of their moves on the canvas make none once the drawing has warmed up.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "game/game_state.h"
#include "game/setup.h"
#include "platform/canvas/screen.h"
#include "platform/headless/headless.h"
#include "platform/window/messages.h"
#include "render/layout.h"
#include "turn/dice.h"
#include "turn/controller.h"

namespace {
std::atomic<uint64_t> allocations{0};
}  // namespace

// The replaced global allocator applies to the whole binary: keep it a counter in front of malloc.
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST(AllocTest, TheCounterSeesAllocations) {
    const uint64_t before = allocations.load();
    ::operator delete(::operator new(16));
    EXPECT_EQ(allocations.load() - before, 1u);
}

namespace {

// A whole game as the turn controller plays it: every colour the computer's, each roll a tap, as
// rendaro-sim drives it. Returns the taps it took.
int playControllerGame(uint32_t seed) {
    seedDice(seed);
    for (PlayerRecord& player : game.players)
        if (player.kind != Absent) player.kind = Computer;
    setTurnState(Rolling);
    int taps = 0;
    for (; turnState() != GameOver && taps < 100000; ++taps) playTap(0, 0);
    return taps;
}

}  // namespace

TEST(AllocTest, WholeComputerGamesAllocateNothing) {
    setHeadlessTrace(nullptr);  // a trace line is a string; the game itself makes none
    initScreen(240, 320);
    ASSERT_TRUE(createDrawingResources());
    initScreenLayout();
    resetTurnRecord();
    const HDC surface = GetDC();
    // The first games warm the canvas up: it keeps the scratch buffers its largest shapes and copies need.
    for (int run = 0; run < 4; ++run) {
        const bool display = run % 2 == 0;
        drawSurface = display ? surface : nullptr;
        game = GameState{};
        game.boardSize = 240;
        game.core.flags = FlagQuickStart | FlagNormal | FlagAnimateTokens | FlagPlaySounds;
        const uint64_t before = allocations.load();
        int taps = 0;
        for (uint32_t seed = 1; seed <= 4; ++seed) {
            newGame(seed % 2 ? CmdOnePlayerGame : CmdTwoPlayerGame);
            taps += playControllerGame(seed);
            EXPECT_EQ(turnState(), GameOver) << "seed " << seed;
        }
        const uint64_t made = allocations.load() - before;
        EXPECT_TRUE(run < 2 || made == 0) << made << (display ? " with display" : " without display");
        EXPECT_GT(taps, 400);
    }
    ReleaseDC(surface);
    drawSurface = nullptr;
}
