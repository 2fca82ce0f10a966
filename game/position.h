// A position's moves as plain functions: the rules' test, the walk, captures and what happened, in order.
#pragma once
#include <cstdint>

#include "game/game_state.h"

// A move: the die by its index in the turn, a token, and for a pair the token moving beside it
// (player2 and token2, otherwise None).
using Move = PendingMove;

enum class MoveEventKind : uint8_t { YardExit, Step, Home, Capture, Won };

// One thing a move did, in the order it happened. A step moves `colour`'s `token`, and `colour2`'s
// `token2` beside it in a pair, by `steps` squares (negative: back towards the yard), `left` steps of
// its walk still to go. A yard exit comes before its one step, a token home right after the step
// that brought it there, a capture (naming the first token it sends back) before the steps of the
// tokens it sends back, and a won game last. Replaying the steps in order on the position before the
// move (replayStep) walks it through every board in between and ends on the one after.
struct MoveEvent {
    MoveEventKind kind;
    uint8_t colour, token, colour2, token2;
    int8_t steps, left;
};

// A walk takes one step per square when tokens are animated, else one in all. At most: a yard exit,
// six steps, a token home, a capture sending back every token of a side (a pair may land on a stack
// of eight), each from as far as the track's last square, and a won game.
constexpr int MoveEventCapacity = 1 + 6 + 1 + 1 + 8 * 43 + 1;
struct MoveEvents {
    uint16_t count;
    MoveEvent list[MoveEventCapacity];
};

// Whether the rules let the side to play make `move` with its die: the die still to play, the tokens
// on that side; a single token out of its yard by a six, or walking without passing a foe pair or
// going past home; a pair on one square, out of its yard, halving an even die, not past home, and a
// pair of two colours still on the shared track where it lands.
bool moveAllowed(const Position& pos, const Move& move);
// Plays an allowed move with its die, marks the die played and selects the next; false, with pos
// untouched and no events, for one the rules refuse.
bool applyMove(Position& pos, const Move& move, MoveEvents& events);

// The walk of a move by `die` without the rules' test or the dice: what the turn flow presents and
// Quick Start places its tokens with. A pair walks half the die; a six brings a yard token to its
// start square; a walk ending on a lone foe on an unsafe square sends the foe back to its yard.
void walkMove(Position& pos, const Move& move, uint8_t die, MoveEvents& events);
// The die of `die`'s value played: a six's count, or the final roll; the next die selected.
void markDiePlayed(Position& pos, uint8_t die);
// Repeats one step of a move's events on the position as it stood before that step.
void replayStep(Position& pos, const MoveEvent& step);
// Walks one token by steps squares (negative: back; its progress modulo 256), keeping the board's
// slots: it leaves its slot (freeing it, stale values kept, when alone) and joins the slot of its new
// square or the first free one. Returns the new square.
uint8_t moveToken(Position& pos, uint8_t colour, uint8_t token, int32_t steps);
// The slot part of moveToken: the token's slot moved to a square, its progress left as it was.
void moveSlot(Position& pos, uint8_t colour, uint8_t token, uint8_t square);

// The dice a turn's rolls leave to play: `sixes` sixes (0 to 2) and a final roll of 1 to 5, the
// first die selected.
void setRolledDice(Position& pos, uint8_t sixes, uint8_t last);
// Hands the turn to the next side, its dice not yet rolled; a side that has won ends the game instead.
void passTurn(Position& pos);
uint32_t sideProgress(const Position& pos, uint8_t colour);
// Every token of colour's side home.
bool sideHasWon(const Position& pos, uint8_t colour);
