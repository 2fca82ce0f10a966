// Timing of the computer player: one evaluation and one full choice on a few mid-game positions, and
// Hard's decisions over many positions, the worst of them included.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

#include "ai/choice.h"
#include "ai/evaluate.h"
#include "ai/hard.h"
#include "game/game_state.h"
#include "game/position.h"
#include "game/setup.h"

namespace {

struct Placement {
    uint8_t colour, token, progress;
};

struct Position {
    const char* name;
    uint32_t flags;
    uint8_t player;
    uint8_t sixes, last;
    Placement tokens[12];
};

// Tokens out on the track with pairs, threats and targets around; the rest stay in their yards.
const Position Positions[] = {
    {"partners", FlagNormal, 1, 1, 4,
     {{0, 0, 12}, {0, 1, 12}, {0, 2, 30}, {1, 0, 9}, {1, 1, 20}, {1, 2, 20}, {2, 0, 5}, {2, 1, 40},
      {3, 0, 17}, {3, 1, 33}, {3, 2, 2}, {1, 3, 1}}},
    {"partners-easy", 0, 0, 0, 5,
     {{0, 0, 3}, {0, 1, 22}, {0, 2, 44}, {1, 0, 14}, {1, 1, 14}, {2, 0, 27}, {2, 1, 9}, {2, 2, 9},
      {3, 0, 36}, {3, 1, 11}, {0, 3, 1}, {3, 2, 6}}},
    {"short-game", FlagShortGames | FlagNormal, 2, 1, 2,
     {{0, 0, 8}, {0, 1, 19}, {0, 2, 19}, {0, 3, 41}, {2, 0, 2}, {2, 1, 13}, {2, 2, 30}, {2, 3, 30},
      {0, 0, 8}, {0, 1, 19}, {2, 0, 2}, {2, 1, 13}}},
};

void setUp(const Position& position) {
    game = GameState{};
    game.boardSize = 240;
    game.core.flags = position.flags;
    setUpBoard(CmdOnePlayerGame);
    for (const Placement& t : position.tokens)
        moveToken(game, t.colour, t.token, t.progress - game.players[t.colour].progress[t.token]);
    game.core.currentPlayer = position.player;
    setSixesRolled(position.sixes);
    setLastDie(position.last);
}

void evaluateOne(benchmark::State& state) {
    setUp(Positions[state.range(0)]);
    state.SetLabel(Positions[state.range(0)].name);
    const uint8_t colour = game.core.currentPlayer;
    MoveScore score{};
    for (auto _ : state) {
        evaluateMove(colour, 1, 4, score);
        benchmark::DoNotOptimize(score);
    }
}

void chooseMove(benchmark::State& state) {
    setUp(Positions[state.range(0)]);
    state.SetLabel(Positions[state.range(0)].name);
    for (auto _ : state) {
        rateTurnMoves();
        pendChosenMove();
        benchmark::DoNotOptimize(bestMove);
    }
}

// As a real turn meets it: the board has just changed, so the view kept from the last choice is of no
// use. A token of colour 2 steps on and back in turn, which costs a few nanoseconds of its own.
void chooseMoveAfterMove(benchmark::State& state) {
    setUp(Positions[state.range(0)]);
    state.SetLabel(Positions[state.range(0)].name);
    int32_t step = 1;
    for (auto _ : state) {
        moveToken(game, 2, 0, step);
        step = -step;
        rateTurnMoves();
        pendChosenMove();
        benchmark::DoNotOptimize(bestMove);
    }
}

// Positions a game can reach, drawn from a fixed generator: every token anywhere on its route, a
// colour to play and the dice of a turn, two sixes and a final roll included.
constexpr int HardPositions = 1024;
StoredBlocks hardPositions[HardPositions];

void drawHardPositions(bool partners) {
    uint32_t state = 12345;
    const auto draw = [&state](uint32_t n) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % n;
    };
    for (StoredBlocks& position : hardPositions) {
        game = GameState{};
        game.boardSize = 240;
        game.core.flags = FlagNormal | FlagHard | (partners ? 0 : FlagShortGames);
        setUpBoard(CmdOnePlayerGame);
        for (uint8_t c = 0; c < 4; ++c) {
            if (!partners && c % 2 == 1) continue;
            for (uint8_t t = 0; t < 4; ++t) {
                // A third of the tokens still in the yard, the rest spread over the route.
                const uint32_t progress = draw(3) == 0 ? 0 : 1 + draw(ProgressHome);
                moveToken(game, c, t, static_cast<int32_t>(progress));
            }
        }
        game.core.currentPlayer = static_cast<uint8_t>(partners ? draw(4) : 2 * draw(2));
        const uint32_t sixes = draw(36) == 0 ? 2 : draw(6) == 0 ? 1 : 0;  // as often as the dice give them
        setSixesRolled(sixes);
        setLastDie(1 + draw(5));
        setTurnState(Playing);
        position = game;
    }
}

// The processor time this thread has used, in milliseconds: other programs' share does not count.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// One decision of Hard's after another, in partners or short games, or in partners games with two
// sixes to play, the slowest kind of turn. The time shown is the mean, `worst_ms` the slowest one.
void hardDecision(benchmark::State& state) {
    const bool partners = state.range(0) != 1, twoSixes = state.range(0) == 2;
    drawHardPositions(partners);
    state.SetLabel(twoSixes ? "partners, two sixes" : partners ? "partners" : "short-game");
    double worst = 0;
    int next = 0;
    for (auto _ : state) {
        StoredBlocks position = hardPositions[next];
        next = (next + 1) % HardPositions;
        if (twoSixes) setSixesRolled(position, 2);
        Move move{};
        const double start = threadMilliseconds();
        benchmark::DoNotOptimize(chooseHardMove(position, move));
        worst = std::max(worst, threadMilliseconds() - start);
    }
    state.counters["worst_ms"] = worst;
}

}  // namespace

BENCHMARK(hardDecision)->DenseRange(0, 2)->Iterations(HardPositions);
BENCHMARK(evaluateOne)->DenseRange(0, 2);
BENCHMARK(chooseMove)->DenseRange(0, 2);
BENCHMARK(chooseMoveAfterMove)->DenseRange(0, 2);
