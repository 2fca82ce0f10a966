// Helpers of the crash and write-failure tests: child runs of rendaro-cli, the stored copies, and an
// in-process player that records what it saves.
#include "tests/crash_support.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "game/game_state.h"
#include "game/setup.h"
#include "game/track.h"
#include "persist/registry.h"
#include "platform/headless/headless.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"
#include "platform/system/store.h"
#include "platform/system/program.h"
#include "shell/window.h"
#include "tools/cli/script.h"
#include "tools/cli/script_runner.h"
#include "turn/dice.h"

extern char** environ;

namespace {

// Starts rendaro-cli with its standard streams on files; the child's id, or -1.
pid_t spawnCli(const std::string& folder, const std::string& input, const std::string& output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::string program = RENDARO_CLI, dirOption = "--dir", folderArgument = folder;
    char* argv[] = {program.data(), dirOption.data(), folderArgument.data(), nullptr};
    pid_t child = -1;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ) != 0) child = -1;
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

CliRun waitFor(pid_t child) {
    CliRun run;
    if (child < 0) return run;
    while (waitpid(child, &run.waitStatus, 0) < 0 && errno == EINTR) {
    }
    return run;
}

std::string tapLine(int32_t x, int32_t y) { return "tap " + std::to_string(x) + " " + std::to_string(y); }

}  // namespace

std::string playerLine(std::mt19937& random) {
    const int16_t board = game.boardSize;
    const auto pick = [&random](uint32_t n) { return static_cast<int32_t>(random() % n); };
    switch (turnState()) {
    case GameOver: return "command " + std::to_string(CmdTwoPlayerGame);
    case PickMove: return tapLine(75 + 30 * pick(5), board + 14);
    case PickToken: {
        if (pick(4) == 0) return tapLine(24 * pick(3) + 14, board + 10);
        const uint8_t current = game.core.currentPlayer & 3;
        const uint8_t colour = flag(FlagPartners) && pick(2) == 0 ? partner(current) : current;
        const uint8_t token = static_cast<uint8_t>(pick(4));
        int32_t x = 0, y = 0;
        tokenPoint(slotOf(colour, token).square, colour, token, x, y);
        return tapLine(x, y);
    }
    default: return tapLine(board - 20, board + 10);
    }
}

long environmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : fallback;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr long SanitizerSlowdown = 5;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr long SanitizerSlowdown = 5;
#else
constexpr long SanitizerSlowdown = 1;
#endif
#else
constexpr long SanitizerSlowdown = 1;
#endif

long runLength(const char* name, long normal) { return environmentNumber(name, normal / SanitizerSlowdown); }

std::filesystem::path scratchFolder(const char* name, const char* baseVariable) {
    namespace fs = std::filesystem;
    const char* given = baseVariable != nullptr ? std::getenv(baseVariable) : nullptr;
    const fs::path base = given != nullptr && *given != '\0' ? fs::path(given)
                          : fs::is_directory("/dev/shm")    ? fs::path("/dev/shm")
                                                            : fs::temp_directory_path();
    const fs::path folder = base / ("rendaro-" + std::string(name) + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

bool recordIsSound(const Record& record) {
    const uint32_t stored = record[0] | record[1] << 8 | record[2] << 16 | static_cast<uint32_t>(record[3]) << 24;
    return stored == recordChecksum(record.data()) && recordIsWellFormed(record.data());
}

Record packedGame() {
    packRecord();
    Record record{};
    std::copy(std::begin(saveBuffer), std::end(saveBuffer), record.begin());
    return record;
}

StoredCopies readStoredCopies(const std::string& folder) {
    setModulePath(folder + "/rendaro");
    setStoreRoot(folder);
    StoredCopies copies;
    copies.fileExists = std::filesystem::exists(folder + "/rendart");
    copies.registryExists = std::filesystem::exists(folder + "/Calverin/Rendaro");
    Record record{};
    if (transferSaveFile(record.data(), false)) copies.file = record;
    if (readRegistryCopy(record.data())) copies.registry = record;
    return copies;
}

std::optional<Record> copyThatWins(const StoredCopies& copies) { return copies.registry ? copies.registry : copies.file; }

int strayFiles(const std::string& folder) {
    int stray = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        stray += entry.path().filename() != "rendart" && entry.path().filename() != "Calverin";
    for (const auto& entry : std::filesystem::directory_iterator(folder + "/Calverin", error))
        stray += entry.path().filename() != "Rendaro";
    return stray;
}

bool CliRun::killed() const { return WIFSIGNALED(waitStatus) && WTERMSIG(waitStatus) == SIGKILL; }
bool CliRun::exitedWith(int code) const { return WIFEXITED(waitStatus) && WEXITSTATUS(waitStatus) == code; }

CliRun runCli(const std::string& folder, const std::string& input, const std::string& output) {
    return waitFor(spawnCli(folder, input, output));
}

CliRun runCliKilled(const std::string& folder, const std::string& input, const std::string& output,
                    std::chrono::microseconds delay) {
    const pid_t child = spawnCli(folder, input, output);
    if (child < 0) return {};
    std::this_thread::sleep_for(delay);
    // Until it is waited for, the child's id stays its own, even when it has already ended.
    kill(child, SIGKILL);
    return waitFor(child);
}

std::vector<Record> dumpedRecords(const std::string& outputFile) {
    std::vector<Record> records;
    std::istringstream lines(readText(outputFile));
    const std::string prefix = "record ";
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(prefix, 0) != 0 || line.size() != prefix.size() + 2 * SaveRecordSize) continue;
        Record record{};
        for (int i = 0; i < SaveRecordSize; ++i)
            record[i] = static_cast<uint8_t>(std::stoi(line.substr(prefix.size() + 2 * i, 2), nullptr, 16));
        records.push_back(record);
    }
    return records;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void closeMainWindow() {
    if (MainWindowExists()) DestroyMainWindow();
    Msg msg{};
    while (!QueueIdle() && GetMessage(msg)) {
    }
}

void prepareStart(const std::string& folder) {
    closeMainWindow();
    game = GameState{};
    initScreen(240, 320);
    setHeadlessTicks(0);
    setHeadlessTrace(nullptr);
    setFixedRollSource(nullptr);
    setModulePath(folder + "/rendaro");
    setStoreRoot(folder);
}

void runLine(const std::string& text) {
    std::string error;
    const auto line = parseScriptLine(text, error);
    ASSERT_TRUE(line) << text << ": " << error;
    ASSERT_FALSE(runScriptLine(*line)) << text;
}

std::string playAhead(const std::string& folder, int lines, std::mt19937& random, std::set<Record>& saved) {
    prepareStart(folder);
    std::string script;
    int left = lines;
    setHeadlessInput([&]() -> bool {
        const StoredCopies copies = readStoredCopies(folder);
        if (copies.file) saved.insert(*copies.file);
        if (copies.registry) saved.insert(*copies.registry);
        if (left-- == 0) return false;
        const std::string line = playerLine(random);
        runLine(line);
        script += line + '\n';
        return true;
    });
    rendaroMain();
    setHeadlessInput(nullptr);
    closeMainWindow();
    return script;
}
