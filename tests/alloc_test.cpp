// Counts every allocation the test binary makes, to show that the rules and the computer player make none.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "ai/choice.h"
#include "game/game_state.h"
#include "game/setup.h"
#include "platform/headless/headless.h"
#include "tests/game_positions.h"

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

TEST(AllocTest, WholeComputerGamesAllocateNothing) {
    setHeadlessTrace(nullptr);  // a trace line is a string; the game itself makes none
    for (bool display : {false, true}) {
        game = GameState{};
        game.boardSize = 240;
        game.core.flags = FlagQuickStart | FlagNormal | FlagAnimateTokens | FlagPlaySounds;
        const uint64_t before = allocations.load();
        setUpBoard(CmdOnePlayerGame);
        int turns = 0;
        for (uint32_t seed = 1; seed <= 4; ++seed) {
            setUpBoard(seed % 2 ? CmdOnePlayerGame : CmdTwoPlayerGame);
            turns += playComputerGame(seed, display, 2000);
            for (int i = 0; i < 100; ++i) findMoves();
        }
        EXPECT_EQ(allocations.load() - before, 0u) << (display ? "with display" : "without display");
        EXPECT_GT(turns, 40);
    }
}
