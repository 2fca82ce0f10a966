// Kills rendaro-cli at random moments while it plays and saves, and checks that every restart comes
// back to a record one of its taps saved, never a mixed, torn or fresh one.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <string>

#include "tests/crash_support.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::chrono::microseconds timed(const std::function<void()>& run) {
    const auto start = Clock::now();
    run();
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
}

class CrashConsistencyTest : public ::testing::Test {
protected:
    void SetUp() override {
        // RENDARO_CRASH_DIR puts the game on a disk instead of in memory.
        root = scratchFolder("crash", "RENDARO_CRASH_DIR");
        fs::create_directories(root / "work");
        gameFolder = (root / "game").string();
        writeText(work("restart.cli"), "dump\n");
    }
    void TearDown() override { fs::remove_all(root); }

    std::string work(const char* name) const { return (root / "work" / name).string(); }

    // A copy of the game's folder, for playing ahead from the same stored records.
    std::string copyOfGame(const char* name) const {
        const fs::path copy = root / name;
        fs::remove_all(copy);
        fs::copy(gameFolder, copy, fs::copy_options::recursive);
        return copy.string();
    }

    fs::path root;
    std::string gameFolder;
};

TEST_F(CrashConsistencyTest, EveryRestartAfterAKillComesBackToASavedRecord) {
    const long wantedKills = runLength("RENDARO_CRASH_KILLS", 200);
    const int linesPerRun = static_cast<int>(environmentNumber("RENDARO_CRASH_LINES", 100));
    std::mt19937 random(static_cast<uint32_t>(environmentNumber("RENDARO_CRASH_SEED", 6)));

    // A two-player game with partners: all four colours are people, so each save belongs to one line.
    writeText(work("setup.cli"), "command 4012\ntap 220 250\n");
    ASSERT_TRUE(runCli(gameFolder, work("setup.cli"), work("setup.out")).exitedWith(0)) << readText(work("setup.out"));

    long runs = 0, kills = 0, splitCopies = 0;
    // A run's start-up and its whole length: kill moments fall between them, where it saves.
    std::chrono::microseconds startTime{0}, runTime{0};
    while (kills < wantedKills && runs < 3 * wantedKills && !HasFailure()) {
        ++runs;
        std::set<Record> saved;
        const std::string script = playAhead(copyOfGame("ahead"), linesPerRun, random, saved);
        writeText(work("run.cli"), script);
        if (runTime.count() == 0) {
            // The same lines, run whole by the program itself, end where playing ahead ended: the
            // killed runs go the same way.
            // Timings are the quickest of three: other work on the machine only makes runs longer.
            writeText(work("whole.cli"), script + "dump\n");
            startTime = runTime = std::chrono::microseconds::max();
            for (int attempt = 0; attempt < 3; ++attempt) {
                const std::string whole = copyOfGame("whole");
                startTime = std::min(startTime, timed([&] { runCli(whole, work("restart.cli"), work("whole.out")); }));
                CliRun run;
                runTime = std::min(runTime, timed([&] { run = runCli(whole, work("whole.cli"), work("whole.out")); }));
                ASSERT_TRUE(run.exitedWith(0));
            }
            const std::vector<Record> last = dumpedRecords(work("whole.out"));
            ASSERT_EQ(last.size(), 1u);
            ASSERT_TRUE(saved.count(last[0])) << "rendaro-cli and the player ahead went different ways";
        }

        const std::chrono::microseconds delay{
            startTime.count() / 2 +
            random() % static_cast<uint64_t>(std::max<int64_t>(1, runTime.count() * 9 / 10 - startTime.count() / 2))};
        const CliRun run = runCliKilled(gameFolder, work("run.cli"), work("run.out"), delay);
        kills += run.killed();
        EXPECT_TRUE(run.killed() || run.exitedWith(0)) << "status " << run.waitStatus;

        // Whatever stands in the stores is whole and was saved by the run (or was there before it).
        const StoredCopies copies = readStoredCopies(gameFolder);
        EXPECT_EQ(copies.fileExists, copies.file.has_value()) << "a torn or malformed saved file";
        EXPECT_EQ(copies.registryExists, copies.registry.has_value()) << "a torn or malformed registry copy";
        EXPECT_TRUE(!copies.file || saved.count(*copies.file)) << "the saved file holds a record never saved";
        EXPECT_TRUE(!copies.registry || saved.count(*copies.registry)) << "the registry holds a record never saved";
        splitCopies += copies.file && copies.registry && *copies.file != *copies.registry;

        // The next start takes the copy the load rules pick, never a fresh game.
        ASSERT_TRUE(runCli(gameFolder, work("restart.cli"), work("restart.out")).exitedWith(0));
        const std::vector<Record> restored = dumpedRecords(work("restart.out"));
        ASSERT_EQ(restored.size(), 1u);
        EXPECT_EQ(std::optional<Record>(restored[0]), copyThatWins(copies));
        EXPECT_TRUE(saved.count(restored[0])) << "the restart came back to a record never saved";
        EXPECT_TRUE(recordIsSound(restored[0]));
        if (HasFailure()) ADD_FAILURE() << "run " << runs << ", killed after " << delay.count() << " us";
    }
    // An interrupted save may leave its temporary file, but the next save of that store must not add
    // another: garbage may not pile up in the user's folders with every crash.
    EXPECT_LE(strayFiles(gameFolder), 2) << "temporary files of interrupted saves pile up";
    std::printf("%ld runs, %ld killed (start-up %lld us, whole run %lld us), %ld left the file and registry copies apart, "
                "%d stray temporary files left\n",
                runs, kills, static_cast<long long>(startTime.count()), static_cast<long long>(runTime.count()), splitCopies, strayFiles(gameFolder));
    EXPECT_EQ(kills, wantedKills);
}

}  // namespace
