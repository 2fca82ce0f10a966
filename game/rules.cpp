// The track view and the neighbourhood survey: what a token sees of the track around it.
#include "game/rules.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "game/game_state.h"
#include "game/track.h"

namespace {

constexpr uint64_t Track = (1ull << TrackLength) - 1;
constexpr uint32_t LastTrackProgress = 43;  // beyond it lies the home column
constexpr uint32_t SightBehind = ((1u << SightRange) - 1) & ~1u;  // distances 1 to 17

// Squares 1 to 44 at bits 0 to 43, and the first twenty again at bits 44 to 63.
constexpr uint64_t wrapped(uint64_t squares) { return squares | squares << TrackLength; }
constexpr uint64_t UnsafeOnTrack = wrapped(~(SafeSquares >> 1) & Track);

// A wrapped track read from a square on: bit j stands for the square j + 1 steps past `square`, for
// every j a token can see (the square is at most 44, and 44 + 17 < 64).
uint32_t sightFrom(uint64_t squares, uint32_t square) { return static_cast<uint32_t>(squares >> square); }

bool isFoe(uint16_t opponents, uint16_t tokens) {
    const int first = std::countr_zero(uint32_t{tokens} | 1u << 16);  // no tokens: bit 16, no foe
    return ((opponents >> first) & 1u) != 0;
}

// The latest view and what it was taken from. A turn views the same position several times (to
// rate its moves, to judge the chosen one, to play it), and comparing is far cheaper than viewing.
struct RecentView {
    bool taken;
    uint16_t opponents;
    BoardSlot board[16];
    TrackView view;
};
RecentView recent{};

// Square s at bit 44 - s from square s at bit s - 1: the 44 bits in reverse order.
uint64_t mirrored(uint64_t squares) {
    squares = (squares >> 1 & 0x5555555555555555ull) | (squares & 0x5555555555555555ull) << 1;
    squares = (squares >> 2 & 0x3333333333333333ull) | (squares & 0x3333333333333333ull) << 2;
    squares = (squares >> 4 & 0x0F0F0F0F0F0F0F0Full) | (squares & 0x0F0F0F0F0F0F0F0Full) << 4;
    squares = (squares >> 8 & 0x00FF00FF00FF00FFull) | (squares & 0x00FF00FF00FF00FFull) << 8;
    squares = (squares >> 16 & 0x0000FFFF0000FFFFull) | (squares & 0x0000FFFF0000FFFFull) << 16;
    return ((squares >> 32) | (squares << 32)) >> (64 - TrackLength);
}

// Without branches: which squares are taken changes with every move, so a branch on them would
// mostly guess wrong. A slot off the track sets bit 44, cut off at the end, and writes the scratch entry.
void takeView(const Position& pos, uint16_t opponents, TrackView& out) {
    uint64_t occupied = 0, foes = 0, pairs = 0;
    for (uint8_t i = 0; i < 16; ++i) {
        const BoardSlot& slot = pos.board[i];
        const uint32_t index = slot.square - 1u;  // the yard wraps round, free slots and home lie beyond
        const uint32_t place = index < TrackLength ? index : TrackLength;
        out.slotOn[place] = i;
        const uint64_t bit = 1ull << place;
        occupied |= bit;
        pairs |= bit & (0 - uint64_t{severalTokens(slot.tokenMask)});
        foes |= bit & (0 - uint64_t{isFoe(opponents, slot.tokenMask)});
    }
    out.occupied = wrapped(occupied & Track);
    out.pairs = wrapped(pairs & Track);
    out.foes = wrapped(foes & Track);
    out.foesMirrored = wrapped(mirrored(foes & Track));
}

}  // namespace

void viewTrack(const Position& pos, uint8_t p, TrackView& out) {
    const uint16_t opponents = static_cast<uint16_t>(~sideMask(pos, p));
    if (!recent.taken || recent.opponents != opponents || std::memcmp(recent.board, pos.board, sizeof pos.board) != 0) {
        takeView(pos, opponents, recent.view);
        recent.opponents = opponents;
        std::memcpy(recent.board, pos.board, sizeof pos.board);
        recent.taken = true;
    }
    out = recent.view;
}

void surveyNeighbourhood(const Position& pos, const TrackView& track, uint8_t p, uint8_t t, Neighbourhood& out) {
    out.foePairsAhead = out.foeSinglesAhead = out.friendsAhead = 0;
    out.foesAheadOrHere = out.foePairsAheadOrHere = out.foesBehind = 0;
    out.track = &track;
    const uint8_t r = progressOf(pos, p, t);
    const uint32_t s0 = squareOf(p, r);
    out.square = static_cast<uint8_t>(s0);
    if (s0 == SquareYard || s0 > TrackLength) return;

    // Distance d ahead is bit d: the turned track's bit d - 1, one place up.
    const uint32_t reach = std::min<uint32_t>(SightRange - 1, LastTrackProgress - r);
    const uint32_t window = (2u << reach) - 2u;
    const auto ahead = [&](uint64_t squares) { return sightFrom(squares, s0) << 1 & window; };
    const uint32_t foes = ahead(track.foes), pairs = ahead(track.pairs), unsafe = ahead(UnsafeOnTrack);
    out.friendsAhead = ahead(track.occupied) & ~foes;
    out.foePairsAhead = foes & pairs & unsafe;
    out.foeSinglesAhead = foes & ~pairs & unsafe;
    out.foesAheadOrHere = foes;
    out.foePairsAheadOrHere = foes & pairs;
    out.foesBehind = sightFrom(track.foesMirrored, TrackLength - s0) & SightBehind;

    const BoardSlot& here = slotOf(pos, p, t);
    const uint16_t others = static_cast<uint16_t>(here.tokenMask & ~(1u << (4 * p + t)));
    const uint32_t foeHere = (here.count > 1) & isFoe(static_cast<uint16_t>(~sideMask(pos, p)), others);
    out.foesAheadOrHere |= foeHere;
    out.foePairsAheadOrHere |= foeHere & severalTokens(others);
}

void tokenAhead(const Position& pos, const Neighbourhood& around, uint32_t d, uint8_t& colour, uint8_t& token) {
    const uint8_t slot = around.track->slotOn[(around.square - 1 + d) % TrackLength];
    const int first = std::countr_zero(pos.board[slot].tokenMask);
    colour = static_cast<uint8_t>(first / 4);
    token = static_cast<uint8_t>(first % 4);
}
