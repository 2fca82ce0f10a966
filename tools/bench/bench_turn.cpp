// Benchmarks of the turn flow: whole games of computers on every colour, tap by tap, and one save.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "game/game_state.h"
#include "game/setup.h"
#include "persist/savefile.h"
#include "platform/headless/headless.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"
#include "platform/system/store.h"
#include "platform/system/program.h"
#include "render/layout.h"
#include "shell/window.h"
#include "turn/controller.h"
#include "turn/dice.h"

namespace {

// The game's own window and folders for one benchmark, removed again afterwards.
class GameWindow {
public:
    GameWindow() : folder_(std::filesystem::temp_directory_path() / ("rendaro-bench-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(folder_);
        setModulePath((folder_ / "rendaro").string());
        setStoreRoot(folder_.string());
        initScreen(240, 320);
        close();
        createDrawingResources();
        CreateMainWindow(mainWindowProc);
        initScreenLayout();
        resetTurnRecord();
    }
    ~GameWindow() {
        close();
        std::filesystem::remove_all(folder_);
    }
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

private:
    static void close() {
        if (MainWindowExists()) DestroyMainWindow();
        Msg msg{};
        while (!QueueIdle() && GetMessage(msg)) {
        }
    }
    std::filesystem::path folder_;
};

// Plays one game from the first roll to its end; returns the taps handled.
int64_t playComputerGame(uint32_t seed) {
    game.core.flags = (game.core.flags & ~OptionBitsMask) | FlagAnimateDice | FlagAnimateTokens | FlagShowTips |
                      FlagPlaySounds | FlagNormal;
    newGame(CmdOnePlayerGame);
    seedDice(seed);
    for (PlayerRecord& player : game.players) player.kind = Computer;
    setTurnState(Rolling);
    postTap(game.boardSize - 33, game.boardSize + 2);
    int64_t taps = 0;
    Msg msg{};
    while (!QueueIdle() && GetMessage(msg)) {
        taps += msg.message == WM_LBUTTONUP;
        DispatchMessage(msg);
    }
    return taps;
}

void computerGames(benchmark::State& state) {
    const GameWindow window;
    int64_t taps = 0;
    uint32_t seed = 1;
    for (auto _ : state) taps += playComputerGame(seed++);
    state.counters["games"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["taps/game"] = static_cast<double>(taps) / static_cast<double>(state.iterations());
    state.counters["time/tap"] =
        benchmark::Counter(static_cast<double>(taps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void oneSave(benchmark::State& state) {
    const GameWindow window;
    newGame(CmdOnePlayerGame);
    for (auto _ : state) benchmark::DoNotOptimize(saveState());
}

}  // namespace

BENCHMARK(computerGames)->Unit(benchmark::kMillisecond);
BENCHMARK(oneSave)->Unit(benchmark::kMicrosecond);
