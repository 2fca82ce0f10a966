// Move legality: what a token sees of the track around it, and the refusal codes.
#pragma once
#include <bit>
#include <cstdint>

#include "game/game_state.h"
#include "resources/ids.h"

constexpr int16_t ScoreNotEvaluated = 30000;
constexpr int16_t RefuseNeedsSix = 30001;
constexpr int16_t RefuseBlocked = 30002;
constexpr int16_t RefusePastHome = 30003;
// Refusal code - this = its message id.
constexpr int16_t RefusalToMessage = RefuseNeedsSix - MsgNeedsSix;
static_assert(RefuseBlocked - RefusalToMessage == MsgBlocked && RefusePastHome - RefusalToMessage == MsgPastHome);

constexpr int TrackLength = 44;  // the squares every colour's tokens share, 1 to 44
// Squares this far away from a token or further are out of its sight.
constexpr int SightRange = 18;

// The track as one side sees it, square s at bit s - 1 and the first twenty squares again from bit
// 44 on, so that a token's sight reads past square 44 without wrapping round: one pass over the
// board serves every token of the side. The first token of a square in bit order decides friend or foe.
struct TrackView {
    uint64_t occupied;
    uint64_t foes;
    uint64_t pairs;         // two tokens or more
    uint64_t foesMirrored;  // square s at bit 44 - s (and on), so that distances behind read upwards
    uint8_t slotOn[TrackLength + 1];  // the board slot of each occupied square; the last is scratch
};

// The squares within one token's sight, as sets of distances: bit d stands for a square d steps
// away. Ahead stops where the token's own track turns into its home column; its own square
// (distance 0) counts only where other tokens share it, and they alone decide friend or foe, single
// or pair.
struct Neighbourhood {
    uint32_t foePairsAhead;        // on unsafe squares: they block
    uint32_t foeSinglesAhead;      // on unsafe squares: a move landing there captures
    uint32_t friendsAhead;         // on any square
    uint32_t foesAheadOrHere;      // on any square
    uint32_t foePairsAheadOrHere;  // on any square
    uint32_t foesBehind;           // on any square
    const TrackView* track;
    uint8_t square;  // the token's own
};

// The track as the side of colour p sees it.
void viewTrack(const Position& pos, uint8_t p, TrackView& out);
// Token t of colour p, of the side the view was taken for. A token in its yard or home column sees nothing.
void surveyNeighbourhood(const Position& pos, const TrackView& track, uint8_t p, uint8_t t, Neighbourhood& out);
// Inline: the move rating asks these a dozen times for every move.
// The nearest distance in a set; SightRange, as if just out of sight, when it is empty.
inline uint8_t nearest(uint32_t distances) {
    return static_cast<uint8_t>(std::countr_zero(distances | (1u << SightRange)));
}
// Whether a set holds distance d; distances out of sight never are.
inline bool holds(uint32_t distances, uint32_t d) { return d < SightRange && ((distances >> d) & 1u) != 0; }
// The first token, in bit order, of the square d steps ahead.
void tokenAhead(const Position& pos, const Neighbourhood& around, uint32_t d, uint8_t& colour, uint8_t& token);
// Whether a token out of its yard at progress p may walk v steps alone: no foe pair in the way,
// not past home.
inline bool walksFreely(const Neighbourhood& around, uint32_t p, uint32_t v) {
    return nearest(around.foePairsAhead) > v && p + v <= ProgressHome;
}
