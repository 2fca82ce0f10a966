// The square scan: one pass over the board answers every target query about a token's neighbourhood.
#include "game/rules.h"

#include <bit>
#include <cstdlib>

#include "game/game_state.h"
#include "game/track.h"

namespace {

constexpr int BatchSize = 32;   // queries answered per pass, one bit each in a 32-bit set
constexpr int SightRange = 18;  // squares this far away or further are out of sight

// The filter bit, as a bit number, of each property value a square may have.
enum PropertyBit : uint8_t { OwnSide, Opponent, Single, Pair, Ahead, Behind, Safe, Unsafe, OwnSquare, PropertyBits };

// The filters of a recent scan and, per property value, the set of those filters that accept it.
// Evaluations put the same questions again and again, between capture checks with a question of their
// own, so the sets of the two latest kinds of scan are kept and rebuilt only on a change.
struct FilterIndex {
    int count;
    uint32_t filters[BatchSize];
    uint32_t accepts[PropertyBits];
};
constexpr int KeptIndices = 2;
FilterIndex filterIndex[KeptIndices]{};
int latestIndex = 0;

bool sameFilters(const FilterIndex& index, const TargetQuery* queries, int count) {
    if (count != index.count) return false;
    for (int k = 0; k < count; ++k)
        if (queries[k].filter != index.filters[k]) return false;
    return true;
}

const uint32_t* acceptingSets(const TargetQuery* queries, int count) {
    if (sameFilters(filterIndex[latestIndex], queries, count)) return filterIndex[latestIndex].accepts;
    latestIndex = (latestIndex + 1) % KeptIndices;
    FilterIndex& index = filterIndex[latestIndex];
    if (sameFilters(index, queries, count)) return index.accepts;
    index.count = count;
    for (uint32_t& set : index.accepts) set = 0;
    for (int k = 0; k < count; ++k) {
        index.filters[k] = queries[k].filter;
        for (int b = 0; b < PropertyBits; ++b) index.accepts[b] |= ((queries[k].filter >> b) & 1u) << k;
    }
    return index.accepts;
}

// The tokens of the other side than colour p's.
uint16_t opponentTokens(uint8_t p) {
    if (!flag(FlagPartners)) return static_cast<uint16_t>(~(0xFu << (4 * p)));
    return p % 2 == 0 ? 0xF0F0 : 0x0F0F;
}

}  // namespace

void scanSquares(uint8_t p, uint8_t t, TargetQuery* queries, int count) {
    if (count <= 0) return;
    if (count > BatchSize) {
        scanSquares(p, t, queries, BatchSize);
        scanSquares(p, t, queries + BatchSize, count - BatchSize);
        return;
    }
    const uint8_t r = progressOf(p, t);
    const int32_t s0 = squareOf(p, r);
    if (s0 == SquareYard || s0 > 44) return;
    const uint16_t moverBit = static_cast<uint16_t>(1u << (4 * p + t));
    const uint16_t opponents = opponentTokens(p);

    // The sets of queries that accept each property value and each distance, so that a square is
    // tested against all queries at once.
    const uint32_t* accepts = acceptingSets(queries, count);
    uint32_t atDistance[SightRange] = {};
    uint32_t anyDistance = 0;
    for (int k = 0; k < count; ++k) {
        if (queries[k].distance == None) anyDistance |= 1u << k;
        else if (queries[k].distance < SightRange) atDistance[queries[k].distance] |= 1u << k;
    }

    for (uint8_t i = 0; i < 16; ++i) {
        const BoardSlot& slot = game.board[i];
        const int32_t s = slot.square;
        if (s == None || s == SquareYard || s > 44) continue;

        int32_t d = s - s0;
        if (std::abs(d) > 22) d = s > s0 ? d - 44 : d + 44;
        const int32_t dist = std::abs(d);
        if (dist >= SightRange) continue;

        // Every property of a square has exactly one value; a query matches when its filter holds
        // the bit of each value.
        uint32_t open = anyDistance | atDistance[dist];
        if (d > 0) {
            if (r + d > 43) continue;  // beyond the end of the mover's own track
            open &= accepts[Ahead];
        } else if (d < 0) {
            open &= accepts[Behind];
        } else {
            if (slot.count <= 1) continue;
            open &= accepts[OwnSquare];
        }
        open &= accepts[isSafeSquare(s) ? Safe : Unsafe];
        if (open == 0) continue;

        // The first token other than the mover, in bit order, speaks for the square.
        const uint16_t others = static_cast<uint16_t>(slot.tokenMask & ~moverBit);
        const int first = std::countr_zero(others);
        const uint8_t c1 = static_cast<uint8_t>(first / 4), t1 = static_cast<uint8_t>(first % 4);
        const bool opponent = ((opponents >> first) & 1u) != 0;
        open &= accepts[severalTokens(others) ? Pair : Single] & accepts[opponent ? Opponent : OwnSide];

        for (; open != 0; open &= open - 1) {
            TargetQuery& q = queries[std::countr_zero(open)];
            if (dist > q.best) continue;  // at an equal distance the later slot wins
            q.best = static_cast<uint8_t>(dist);
            q.colour = c1;
            q.token = t1;
        }
    }
}
