// A position's moves: the rules' test, the walk with its captures, and the events it reports.
#include "game/position.h"

#include <cstring>

#include "game/rules.h"
#include "game/track.h"

namespace {

constexpr uint32_t HomeProgressPerColour = 4 * ProgressHome;
constexpr uint8_t LastSharedProgress = TrackLength - 1;  // a pair of two colours stays short of the columns

void report(MoveEvents& events, const MoveEvent& event) {
    if (events.count < MoveEventCapacity) events.list[events.count++] = event;
}

// One walk, square by square when tokens are animated.
void walk(Position& pos, MoveEvents& events, uint8_t p, uint8_t t, uint8_t p2, uint8_t t2, int32_t steps) {
    const bool bySquare = flag(pos, FlagAnimateTokens);
    while (steps != 0) {
        const int32_t step = bySquare ? (steps > 0 ? 1 : -1) : steps;
        moveToken(pos, p, t, step);
        if (p2 != None) moveToken(pos, p2, t2, step);
        steps -= step;
        report(events, MoveEvent{MoveEventKind::Step, p, t, p2, t2, static_cast<int8_t>(step), static_cast<int8_t>(steps)});
    }
}

bool onSideToPlay(const Position& pos, uint8_t colour) {
    const uint8_t current = pos.core.currentPlayer;
    return colour == current || (flag(pos, FlagPartners) && colour == partner(current));
}

bool singleAllowed(const Position& pos, uint8_t p, uint8_t t, uint8_t v) {
    const uint8_t progress = progressOf(pos, p, t);
    if (progress == 0) return v == 6;
    TrackView track;
    viewTrack(pos, p, track);
    Neighbourhood around;
    surveyNeighbourhood(pos, track, p, t, around);
    return walksFreely(around, progress, v);
}

bool pairAllowed(const Position& pos, const Move& move, uint8_t v) {
    if (move.token2 > 3 || !onSideToPlay(pos, move.player2)) return false;
    const uint8_t p = progressOf(pos, move.player, move.token), p2 = progressOf(pos, move.player2, move.token2);
    const uint8_t h = v / 2;
    if (v % 2 != 0 || p == 0 || p2 == 0 || (move.player == move.player2 && move.token == move.token2) ||
        pos.players[move.player].slot[move.token] != pos.players[move.player2].slot[move.token2])
        return false;
    if (move.player == move.player2) return p + h <= ProgressHome;
    return p + h <= LastSharedProgress && p2 + h <= LastSharedProgress;
}

}  // namespace

bool moveAllowed(const Position& pos, const Move& move) {
    if (move.dieIndex > 2 || dieUsed(pos, move.dieIndex) || move.token > 3 || !onSideToPlay(pos, move.player)) return false;
    const uint8_t v = dieValue(pos, move.dieIndex);
    if (move.player2 == None) return singleAllowed(pos, move.player, move.token, v);
    return pairAllowed(pos, move, v);
}

bool applyMove(Position& pos, const Move& move, MoveEvents& events) {
    events.count = 0;
    if (!moveAllowed(pos, move)) return false;
    const uint8_t v = dieValue(pos, move.dieIndex);
    walkMove(pos, move, v, events);
    markDiePlayed(pos, v);
    return true;
}

void walkMove(Position& pos, const Move& move, uint8_t die, MoveEvents& events) {
    events.count = 0;
    const uint8_t p = move.player, t = move.token, p2 = move.player2, t2 = move.token2;
    int32_t steps = p2 != None ? die / 2 : die;
    if (steps == 6 && progressOf(pos, p, t) == 0) {
        report(events, MoveEvent{MoveEventKind::YardExit, p, t, None, None, 0, 0});
        steps = 1;  // a six only brings the token to its start square
    }

    // A walk of one to six steps forward captures what stands on an unsafe square where it ends.
    bool captures = false;
    uint8_t victimColour = None, victimToken = None;
    if (steps >= 1 && steps <= 6) {
        TrackView track;
        viewTrack(pos, p, track);
        Neighbourhood around;
        surveyNeighbourhood(pos, track, p, t, around);
        const uint32_t landing = static_cast<uint32_t>(steps);
        captures = holds(around.foePairsAhead | around.foeSinglesAhead, landing);
        if (captures) tokenAhead(pos, around, landing, victimColour, victimToken);
    }

    walk(pos, events, p, t, p2, t2, steps);
    const bool home = progressOf(pos, p, t) == ProgressHome;
    if (home) report(events, MoveEvent{MoveEventKind::Home, p, t, p2, t2, 0, 0});
    if (captures) {
        report(events, MoveEvent{MoveEventKind::Capture, victimColour, victimToken, None, None, 0, 0});
        const uint16_t victims = sideMask(pos, victimColour);
        uint8_t more;
        do {
            uint8_t c = None, v = None;
            more = findTokenInSlot(pos, pos.players[p].slot[t], 0, victims, c, v);
            walk(pos, events, c, v, None, None, -progressOf(pos, c, v));
        } while (more != 0);
    }
    // Only a token reaching home can win the game.
    if (home && sideHasWon(pos, p)) report(events, MoveEvent{MoveEventKind::Won, p, t, None, None, 0, 0});
}

void markDiePlayed(Position& pos, uint8_t die) {
    if (die == 6) setSixesUsed(pos, sixesUsed(pos) + 1u);
    else setLastDieUsed(pos, true);
    clearPendingMove(pos);
    pos.pendingMove.dieIndex = firstUnplayedDie(pos);
}

void replayStep(Position& pos, const MoveEvent& step) {
    moveToken(pos, step.colour, step.token, step.steps);
    if (step.colour2 != None) moveToken(pos, step.colour2, step.token2, step.steps);
}

uint8_t moveToken(Position& pos, uint8_t colour, uint8_t token, int32_t steps) {
    const uint8_t progress = static_cast<uint8_t>(pos.players[colour].progress[token] + steps);  // modulo 256
    const uint8_t square = squareOf(colour, progress);
    moveSlot(pos, colour, token, square);
    pos.players[colour].progress[token] = progress;
    return square;
}

void moveSlot(Position& pos, uint8_t colour, uint8_t token, uint8_t square) {
    PlayerRecord& player = pos.players[colour];
    const uint16_t bit = static_cast<uint16_t>(1u << (4 * colour + token));

    BoardSlot& old = pos.board[player.slot[token]];
    if (old.count != 1) {
        --old.count;
        old.tokenMask = static_cast<uint16_t>(old.tokenMask & ~bit);
    } else {
        old.square = None;
    }

    uint8_t target = None, firstFree = None;
    for (uint8_t i = 0; i < 16 && target == None; ++i) {
        if (pos.board[i].square == square) target = i;
        else if (pos.board[i].square == None && firstFree == None) firstFree = i;
    }
    if (target != None) {
        ++pos.board[target].count;
        pos.board[target].tokenMask |= bit;
    } else {
        target = firstFree;
        pos.board[target] = BoardSlot{square, 1, bit};
    }
    player.slot[token] = target;
}

void setRolledDice(Position& pos, uint8_t sixes, uint8_t last) {
    pos.core.flags &= ~DiceBitsMask;
    setLastDie(pos, last);
    setSixesRolled(pos, sixes);
    clearPendingMove(pos);
    pos.pendingMove.dieIndex = 0;
    setTurnState(pos, Playing);
}

void passTurn(Position& pos) {
    clearPendingMove(pos);
    if (sideHasWon(pos, pos.core.currentPlayer)) {
        setTurnState(pos, GameOver);
        return;
    }
    pos.core.currentPlayer = static_cast<uint8_t>((pos.core.currentPlayer + 6 - partnersBit(pos)) % 4);
    pos.core.flags &= ~(DiceBitsMask | TurnStateMask);
}

uint32_t sideProgress(const Position& pos, uint8_t colour) {
    // A colour's four progress bytes summed as one word: each is at most 48, so no sum carries
    // out of the top byte.
    const auto colourSum = [&pos](uint8_t c) {
        uint32_t bytes = 0;
        std::memcpy(&bytes, pos.players[c].progress, sizeof bytes);
        return (bytes * 0x01010101u) >> 24;
    };
    return colourSum(colour) + (flag(pos, FlagPartners) ? colourSum(partner(colour)) : 0);
}

bool sideHasWon(const Position& pos, uint8_t colour) {
    return sideProgress(pos, colour) == HomeProgressPerColour * (1 + partnersBit(pos));
}
