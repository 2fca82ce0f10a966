// Presenting a move: the game walked through its events square by square, with sounds and pauses.
#include "game/moves.h"

#include "platform/window/clock.h"
#include "platform/system/sound.h"
#include "render/layout.h"
#include "render/panel.h"
#include "render/tokens.h"
#include "resources/ids.h"

namespace {

constexpr int32_t StepPauseMs = 100, LastStepPauseMs = 50;

void playSound(const char* name) {
    if (flag(FlagPlaySounds)) PlaySound(name);
}

// Replays one step on the game and repaints the squares it left and entered.
void replayAndRedraw(const MoveEvent& step) {
    const uint8_t p = step.colour, t = step.token;
    const uint8_t oldSlot = game.players[p].slot[t];
    const uint8_t oldSquare = game.board[oldSlot].square;
    replayStep(game, step);
    const uint8_t newSlot = game.players[p].slot[t];
    const uint8_t newSquare = game.board[newSlot].square;
    if (game.board[newSlot].count > 1) eraseToken(newSquare, p, t);
    drawStack(newSlot);
    eraseToken(oldSquare, p, t);
    if (game.board[oldSlot].square != None) drawStack(oldSlot);
}

// One step shown, on a game that has not walked it yet, then a pause so it can be seen. A walk back
// to the yard hurries: every step of it pauses as briefly as a walk's last.
void showStep(const MoveEvent& step, bool reachesHome, bool walked) {
    if (!walked) replayAndRedraw(step);
    if (reachesHome) playSound("WVH");
    waitMs(step.left > 0 ? StepPauseMs : LastStepPauseMs);
}

}  // namespace

void playMove(const Move& move, uint8_t die) {
    MoveEvents events;
    if (!drawing()) {
        walkMove(game, move, die, events);
        presentMove(events, true);
        return;
    }
    Position after = game;
    walkMove(after, move, die, events);
    presentMove(events, false);
}

void presentMove(const MoveEvents& events, bool walked) {
    bool yardExit = false;
    for (uint16_t i = 0; i < events.count; ++i) {
        const MoveEvent& event = events.list[i];
        switch (event.kind) {
        case MoveEventKind::YardExit:
            playSound("WVS");
            yardExit = true;
            break;
        case MoveEventKind::Step:
            if (event.steps > 0 && !yardExit) playSound("WVM");
            showStep(event, i + 1 < events.count && events.list[i + 1].kind == MoveEventKind::Home, walked);
            break;
        case MoveEventKind::Capture:
            playSound("WVE");
            break;
        case MoveEventKind::Home:
        case MoveEventKind::Won:
            break;  // heard with the step that brought the token home; the turn's end shows the win
        }
    }
}

bool announceResult() {
    const uint8_t winner = game.core.currentPlayer;
    const bool won = flag(FlagPartners) ? winner % 2 == 0 : winner == 0;
    int id;
    if (flag(FlagOnePlayer)) id = won ? MsgYouWin : MsgComputerWins;
    else id = won ? MsgPlayer1Wins : MsgPlayer2Wins;
    setMessage(id, false);
    return won;
}
