// Timing of the computer player: one evaluation and one full choice on a few mid-game positions.
#include <benchmark/benchmark.h>

#include "ai/choice.h"
#include "ai/evaluate.h"
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

}  // namespace

BENCHMARK(evaluateOne)->DenseRange(0, 2);
BENCHMARK(chooseMove)->DenseRange(0, 2);
BENCHMARK(chooseMoveAfterMove)->DenseRange(0, 2);
