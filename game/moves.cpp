// Move execution: tokens walk their route square by square, captures send victims home, and the result.
#include "game/moves.h"

#include "game/rules.h"
#include "game/track.h"
#include "platform/window/clock.h"
#include "platform/system/sound.h"
#include "render/panel.h"
#include "render/tokens.h"
#include "resources/ids.h"

namespace {

void playSound(const char* name) {
    if (flag(FlagPlaySounds)) PlaySound(name);
}

// Repaints the squares one step left and entered, then pauses so the step can be seen.
void showStep(uint8_t p, uint8_t t, uint8_t oldSlot, uint8_t oldSquare, int16_t stepsLeft) {
    if (progressOf(p, t) == ProgressHome) playSound("WVH");
    const uint8_t newSlot = game.players[p].slot[t];
    const uint8_t newSquare = game.board[newSlot].square;
    if (game.board[newSlot].count > 1) eraseToken(newSquare, p, t);
    drawStack(newSlot);
    eraseToken(oldSquare, p, t);
    if (game.board[oldSlot].square != None) drawStack(oldSlot);
    waitMs(stepsLeft > 0 ? 100 : 50);
}

}  // namespace

uint32_t packMove(const PendingMove& move) {
    return move.dieIndex | (uint32_t{move.player} << 8) | (uint32_t{move.token} << 16) |
           (uint32_t{move.player2} << 24);
}

void playMove(uint32_t move, uint8_t token2, int16_t steps, bool display) {
    const uint8_t p = (move >> 8) & 0xFF;
    const uint8_t t = (move >> 16) & 0xFF;
    const uint8_t p2 = (move >> 24) & 0xFF;
    const bool pair = p2 != None;
    if (pair) steps = static_cast<int16_t>(steps / 2);

    bool yardExit = false;
    if (steps == 6 && progressOf(p, t) == 0) {
        if (display) playSound("WVS");
        steps = 1;  // a six only brings the token to its start square
        yardExit = true;
    }

    // A walk of one to six steps forward captures what stands on an unsafe square where it ends.
    bool captures = false;
    uint8_t victimColour = None, victimToken = None;
    if (steps >= 1 && steps <= 6) {
        TrackView track;
        viewTrack(p, track);
        Neighbourhood around;
        surveyNeighbourhood(track, p, t, around);
        const uint32_t landing = static_cast<uint32_t>(steps);
        captures = holds(around.foePairsAhead | around.foeSinglesAhead, landing);
        if (captures) tokenAhead(around, landing, victimColour, victimToken);
    }

    while (steps != 0) {
        const uint8_t oldSlot = game.players[p].slot[t];
        const uint8_t oldSquare = game.board[oldSlot].square;
        if (display && steps > 0 && !yardExit) playSound("WVM");
        const int16_t step = flag(FlagAnimateTokens) ? (steps > 0 ? 1 : -1) : steps;
        moveToken(p, t, step);
        if (pair) moveToken(p2, token2, step);
        steps = static_cast<int16_t>(steps - step);
        if (display) showStep(p, t, oldSlot, oldSquare, steps);
    }

    if (!captures) return;
    playSound("WVE");
    const uint16_t victims = sideMask(victimColour);
    uint8_t more;
    do {
        uint8_t c = None, v = None;
        more = findTokenInSlot(game.players[p].slot[t], 0, victims, c, v);
        const PendingMove home{None, c, v, None, None};
        playMove(packMove(home), None, static_cast<int16_t>(-progressOf(c, v)), true);
    } while (more != 0);
}

uint8_t moveToken(uint8_t colour, uint8_t token, int32_t steps) {
    PlayerRecord& player = game.players[colour];
    const uint8_t progress = static_cast<uint8_t>(player.progress[token] + steps);  // modulo 256
    const uint8_t square = squareOf(colour, progress);
    const uint16_t bit = static_cast<uint16_t>(1u << (4 * colour + token));

    BoardSlot& old = game.board[player.slot[token]];
    if (old.count != 1) {
        --old.count;
        old.tokenMask = static_cast<uint16_t>(old.tokenMask & ~bit);
    } else {
        old.square = None;
    }

    uint8_t target = None, firstFree = None;
    for (uint8_t i = 0; i < 16 && target == None; ++i) {
        if (game.board[i].square == square) target = i;
        else if (game.board[i].square == None && firstFree == None) firstFree = i;
    }
    if (target != None) {
        ++game.board[target].count;
        game.board[target].tokenMask |= bit;
    } else {
        target = firstFree;
        game.board[target] = BoardSlot{square, 1, bit};
    }
    player.slot[token] = target;
    player.progress[token] = progress;
    return square;
}

uint32_t sideProgress(uint8_t colour) {
    uint32_t sum = 0;
    for (uint8_t t = 0; t < 4; ++t) {
        sum += progressOf(colour, t);
        if (flag(FlagPartners)) sum += progressOf(partner(colour), t);
    }
    return sum;
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
