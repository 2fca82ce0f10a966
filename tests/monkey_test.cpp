// The monkey: random driver lines on the real start-up and message loop, mostly a player's, the rest
// a careless user's, with the game, its saved record and both stored copies checked after every line,
// and every restart checked against what was stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

#include "game/game_state.h"
#include "persist/registry.h"
#include "persist/savefile.h"
#include "platform/headless/headless.h"
#include "shell/window.h"
#include "tests/board_invariants.h"
#include "tests/crash_support.h"

namespace {

// What a careless or curious user does besides playing: taps on the bars, pop-ups, dialogs and the
// question, taps anywhere (off the window and past 16 bits too), keys, any command, answers, waits,
// and now and then closing the program.
std::string noiseLine(std::mt19937& random) {
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<uint32_t>(n)); };
    const auto point = [](int x, int y) { return std::to_string(x) + " " + std::to_string(y); };
    const uint32_t menuCommands[] = {CmdNewMenu, CmdViewMenu, CmdAbout, CmdOptions, CmdHelp, 4040, 4011, 4012, 4013};
    const char* keys[] = {"space", "enter", "escape", "tab", "left", "down", "1", "3", "n", "y", "z", "v", "f2", "f3"};
    const char* modifiers[] = {"", "", "", "shift+", "ctrl+", "alt+", "ctrl+shift+"};
    switch (pick(9)) {
    case 8: return std::string("key ") + modifiers[pick(7)] + keys[pick(14)];
    case 0: return "screen " + point(pick(240), 294 + pick(26));
    case 1: return "screen " + point(pick(240), pick(320));
    case 2: return "screen " + point(200 + pick(40), pick(26));
    case 3: return "tap " + point(pick(65536) - 32768, pick(65536) - 32768);
    case 4: return "tap " + point(pick(240), pick(268));
    case 5: return "command " + std::to_string(pick(4) ? menuCommands[pick(9)] : pick(65536));
    case 6: return pick(2) ? "answer yes" : "answer no";
    default: return pick(30) == 0 ? "quit" : "wait " + std::to_string(pick(2000));
    }
}

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
    std::mt19937 random(static_cast<uint32_t>(environmentNumber("RENDARO_MONKEY_SEED", 20261206)));
    long done = 0, gameOvers = 0, newGames = 0, restarts = 0;
    std::string lastLine;
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
        if (HasFailure()) ADD_FAILURE() << "after line " << done << ": " << lastLine;
        ended = HasFailure() || done == total;
        if (ended) return false;
        lastLine = random() % 5 ? playerLine(random) : noiseLine(random);
        restarts += lastLine == "quit";
        runLine(lastLine);
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

    std::printf("%ld lines, %ld games over, %ld new games, %ld restarts\n", done, gameOvers, newGames, restarts);
    EXPECT_EQ(done, total);
    // A run long enough to mean something must have finished games and begun new ones.
    if (total >= 20000) {
        EXPECT_GT(gameOvers, 0);
        EXPECT_GT(newGames, 0);
        EXPECT_GT(restarts, 0);
    }
}

}  // namespace
