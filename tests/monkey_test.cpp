// The monkey: random moves on the real start-up and message loop, with the game, its saved record and
// both stored copies checked after every move, and every restart checked against what was stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "game/game_state.h"
#include "persist/registry.h"
#include "persist/savefile.h"
#include "platform/headless/headless.h"
#include "shell/window.h"
#include "tests/board_invariants.h"
#include "tests/crash_support.h"
#include "tests/monkey_events.h"

namespace {

// The record both stores hold: after every save they agree, and each is sound on its own.
Record expectStoresAgree() {
    Record file{}, registry{};
    EXPECT_TRUE(transferSaveFile(file.data(), false)) << "the saved file is missing or short";
    EXPECT_TRUE(readRegistryCopy(registry.data())) << "the registry copy is missing or malformed";
    EXPECT_TRUE(recordIsSound(file)) << "the file copy";
    EXPECT_EQ(file, registry) << "the file and registry copies differ";
    return file;
}

void expectGameSound() {
    expectBoardInvariants();
    EXPECT_TRUE(recordIsSound(packedGame())) << "the packed game";
    expectStoresAgree();
}

// After a restart the game is the stored one. Start-up may only turn a saved PickMove back into
// PickToken (the choices are not stored) and drop a saved pair from the pending move.
void expectRestored(Record stored) {
    const Record restored = packedGame();
    constexpr int FlagsOffset = 15, PendingOffset = 143;
    if ((stored[FlagsOffset] & TurnStateMask) == PickMove && turnState() == PickToken)
        stored[FlagsOffset] = static_cast<uint8_t>((stored[FlagsOffset] & ~TurnStateMask) | PickToken);
    EXPECT_TRUE(std::equal(stored.begin() + 11, stored.begin() + PendingOffset, restored.begin() + 11))
        << "the restarted game is not the one stored";
}

// A game as a new game leaves it: colour 0 to roll, no dice, every token in its yard or on its start.
bool freshGame() {
    if (turnState() != AwaitRoll || game.core.currentPlayer != 0 || (game.core.flags & DiceBitsMask) != 0)
        return false;
    for (const PlayerRecord& player : game.players)
        for (const uint8_t progress : player.progress)
            if (progress > 1) return false;
    return true;
}

class MonkeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = scratchFolder("monkey").string();
        prepareStart(folder);
    }
    void TearDown() override {
        setHeadlessInput(nullptr);
        closeMainWindow();
        std::filesystem::remove_all(folder);
    }

    std::string folder;
};

TEST_F(MonkeyTest, RandomUseNeverBreaksTheGameOrItsSavedRecord) {
    // RENDARO_MONKEY_EVENTS and RENDARO_MONKEY_SEED make longer or different runs.
    const long total = runLength("RENDARO_MONKEY_EVENTS", 100000);
    Monkey monkey(static_cast<uint32_t>(environmentNumber("RENDARO_MONKEY_SEED", 20261206)));
    long done = 0, gameOvers = 0, newGames = 0;
    uint32_t played = 0;
    bool wasFresh = true, ended = false;
    std::optional<Record> stored;  // what the next start must bring back

    setHeadlessInput([&]() -> bool {
        if (ended) return false;
        if (stored) expectRestored(*stored);
        stored.reset();
        expectGameSound();
        if (game.core.gamesPlayed > played) gameOvers += game.core.gamesPlayed - played;
        played = game.core.gamesPlayed;
        const bool fresh = freshGame();
        newGames += fresh && !wasFresh;
        wasFresh = fresh;
        if (HasFailure()) ADD_FAILURE() << "after move " << done << ": " << monkey.lastMove();
        ended = HasFailure() || done == total;
        if (ended) return false;
        monkey.act();
        ++done;
        return true;
    });
    while (!ended) {
        rendaroMain();
        // The program closed itself: the next start, in a process of its own (so with a zeroed game
        // record), must come back to the record both stores hold.
        if (ended) break;
        stored = expectStoresAgree();
        prepareStart(folder);
    }

    for (int move = 0; move < static_cast<int>(MonkeyMove::Count); ++move)
        std::printf("%8ld %s\n", monkey.count(MonkeyMove(move)), Monkey::name(MonkeyMove(move)));
    std::printf("%8ld moves, %ld games over, %ld new games\n", done, gameOvers, newGames);
    EXPECT_EQ(done, total);
    // A run long enough to mean something must have finished games and begun new ones.
    if (total >= 20000) {
        EXPECT_GT(gameOvers, 0);
        EXPECT_GT(newGames, 0);
        EXPECT_GT(monkey.count(MonkeyMove::Restart), 0);
    }
}

}  // namespace
