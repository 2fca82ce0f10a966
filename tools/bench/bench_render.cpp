// Benchmark of a full repaint: the whole picture of a mid-game position rebuilt by the paint handler.
#include <benchmark/benchmark.h>

#include "game/game_state.h"
#include "game/position.h"
#include "game/setup.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"
#include "render/board.h"
#include "render/layout.h"
#include "render/panel.h"
#include "turn/controller.h"

namespace {

int32_t quietWindow(uint32_t, uint32_t, int32_t) { return 0; }

// Four colours in two teams, tokens spread over the track, a stack, a home column and home, two dice shown.
void midGamePosition() {
    initScreenLayout();
    resetTurnRecord();
    setUpBoard(CmdOnePlayerGame);
    struct Step {
        uint8_t colour, token;
        int32_t steps;
    };
    const Step steps[] = {{0, 0, 20}, {0, 1, 1},  {0, 2, 46}, {0, 3, 48}, {1, 0, 14}, {1, 1, 9},
                          {2, 0, 33}, {2, 1, 11}, {2, 2, 1},  {3, 0, 5},  {3, 1, 44}};
    for (const Step& s : steps) moveToken(game, s.colour, s.token, s.steps - progressOf(s.colour, s.token));
    // Colour 2 joins colour 0 on its square to make a stack.
    moveToken(game, 2, 3, 30);
    setTurnState(PickToken);
    setSixesRolled(1);
    setLastDie(4);
    game.pendingMove.dieIndex = 0;
    setMessage(1203, false);
}

void paintWholeWindow(benchmark::State& state) {
    initScreen(240, 320);
    const bool ownWindow = CreateMainWindow(quietWindow);
    createDrawingResources();
    midGamePosition();
    for (auto _ : state) {
        InvalidateRect(nullptr, true);
        paintWindow();
    }
    destroyDrawingResources();
    if (ownWindow) DestroyMainWindow();
}

}  // namespace

BENCHMARK(paintWholeWindow)->Unit(benchmark::kMicrosecond);
