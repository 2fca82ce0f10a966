// The track view and the neighbourhood survey: what a token sees of the track around it.
#include "game/rules.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "game/game_state.h"
#include "game/track.h"

namespace {

constexpr uint64_t Track = (1ull << TrackLength) - 1;
constexpr uint64_t UnsafeOnTrack = ~(SafeSquares >> 1) & Track;  // square s at bit s - 1
constexpr uint32_t LastTrackProgress = 43;  // beyond it lies the home column
constexpr uint32_t SightBehind = ((1u << SightRange) - 1) & ~1u;  // distances 1 to 17

// The track turned so that bit j stands for the square j + 1 steps past square `from` (bits 0..43).
uint64_t turned(uint64_t squares, uint32_t from) {
    const uint32_t k = from % TrackLength;
    return ((squares >> k) | (squares << (TrackLength - k))) & Track;
}

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

// Without branches: which squares are taken changes with every move, so a branch on them would
// mostly guess wrong. A slot off the track contributes nothing and writes the scratch entry.
void takeView(uint16_t opponents, TrackView& out) {
    out.occupied = out.foes = out.pairs = out.foesMirrored = 0;
    for (uint8_t i = 0; i < 16; ++i) {
        const BoardSlot& slot = game.board[i];
        const uint32_t index = slot.square - 1u;  // the yard wraps round, free slots and home lie beyond
        const uint64_t onTrack = index < TrackLength;
        const uint64_t foe = onTrack & isFoe(opponents, slot.tokenMask);
        const uint32_t place = onTrack ? index : TrackLength;
        out.slotOn[place] = i;
        const uint64_t bit = onTrack << (place % TrackLength);
        out.occupied |= bit;
        out.pairs |= bit & (0 - uint64_t{severalTokens(slot.tokenMask)});
        out.foes |= bit & (0 - foe);
        out.foesMirrored |= foe << (TrackLength - 1 - place % TrackLength);
    }
}

}  // namespace

void viewTrack(uint8_t p, TrackView& out) {
    const uint16_t opponents = static_cast<uint16_t>(~sideMask(p));
    if (!recent.taken || recent.opponents != opponents || std::memcmp(recent.board, game.board, sizeof game.board) != 0) {
        takeView(opponents, recent.view);
        recent.opponents = opponents;
        std::memcpy(recent.board, game.board, sizeof game.board);
        recent.taken = true;
    }
    out = recent.view;
}

void surveyNeighbourhood(const TrackView& track, uint8_t p, uint8_t t, Neighbourhood& out) {
    out.foePairsAhead = out.foeSinglesAhead = out.friendsAhead = 0;
    out.foesAheadOrHere = out.foePairsAheadOrHere = out.foesBehind = 0;
    out.track = &track;
    const uint8_t r = progressOf(p, t);
    const uint32_t s0 = squareOf(p, r);
    out.square = static_cast<uint8_t>(s0);
    if (s0 == SquareYard || s0 > TrackLength) return;

    // Distance d ahead is bit d: the turned track's bit d - 1, one place up.
    const uint32_t reach = std::min<uint32_t>(SightRange - 1, LastTrackProgress - r);
    const uint32_t window = (2u << reach) - 2u;
    const auto ahead = [&](uint64_t squares) { return static_cast<uint32_t>(turned(squares, s0) << 1) & window; };
    const uint32_t foes = ahead(track.foes), pairs = ahead(track.pairs), unsafe = ahead(UnsafeOnTrack);
    out.friendsAhead = ahead(track.occupied) & ~foes;
    out.foePairsAhead = foes & pairs & unsafe;
    out.foeSinglesAhead = foes & ~pairs & unsafe;
    out.foesAheadOrHere = foes;
    out.foePairsAheadOrHere = foes & pairs;
    out.foesBehind = static_cast<uint32_t>(turned(track.foesMirrored, TrackLength - s0)) & SightBehind;

    const BoardSlot& here = slotOf(p, t);
    const uint16_t others = static_cast<uint16_t>(here.tokenMask & ~(1u << (4 * p + t)));
    const uint32_t foeHere = (here.count > 1) & isFoe(static_cast<uint16_t>(~sideMask(p)), others);
    out.foesAheadOrHere |= foeHere;
    out.foePairsAheadOrHere |= foeHere & severalTokens(others);
}

void tokenAhead(const Neighbourhood& around, uint32_t d, uint8_t& colour, uint8_t& token) {
    const uint8_t slot = around.track->slotOn[(around.square - 1 + d) % TrackLength];
    const int first = std::countr_zero(game.board[slot].tokenMask);
    colour = static_cast<uint8_t>(first / 4);
    token = static_cast<uint8_t>(first % 4);
}
