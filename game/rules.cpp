// The square scan: one pass over the board answers every target query about a token's neighbourhood.
#include "game/rules.h"

#include <cstdlib>

#include "game/game_state.h"
#include "game/track.h"

void scanSquares(uint8_t p, uint8_t t, TargetQuery* queries, int count) {
    const uint8_t r = progressOf(p, t);
    const int32_t s0 = squareOf(p, r);
    if (s0 == SquareYard || s0 > 44) return;
    const uint16_t moverBit = static_cast<uint16_t>(1u << (4 * p + t));

    for (uint8_t i = 0; i < 16; ++i) {
        const BoardSlot& slot = game.board[i];
        const int32_t s = slot.square;
        if (s == None || s == SquareYard || s > 44) continue;

        int32_t d = s - s0;
        if (std::abs(d) > 22) d = s > s0 ? d - 44 : d + 44;
        const int32_t dist = std::abs(d);
        if (dist >= 18) continue;

        // Every property of the square has exactly one value; a query matches when its filter
        // holds the value bit of each property.
        uint32_t props;
        if (d > 0) {
            if (r + d > 43) continue;  // beyond the end of the mover's own track
            props = TargetAhead;
        } else if (d < 0) {
            props = TargetBehind;
        } else {
            if (slot.count <= 1) continue;
            props = TargetOwnSquare;
        }

        uint8_t c1 = None, t1 = None;
        findTokenInSlot(i, 0, 0xFFFF, c1, t1);
        if (c1 == p && t1 == t) findTokenInSlot(i, 1, 0xFFFF, c1, t1);
        const uint8_t others = popcount(static_cast<uint16_t>(slot.tokenMask & ~moverBit));
        props |= others > 1 ? TargetPair : TargetSingle;
        const bool opponent = flag(FlagPartners) ? (c1 % 2) != (p % 2) : c1 != p;
        props |= opponent ? TargetOpponent : TargetOwnSide;
        props |= isSafeSquare(s) ? TargetSafe : TargetUnsafe;

        for (int k = 0; k < count; ++k) {
            TargetQuery& q = queries[k];
            if (q.distance != None && q.distance != dist) continue;
            if (dist > q.best || (q.filter & props) != props) continue;
            q.best = static_cast<uint8_t>(dist);
            q.colour = c1;
            q.token = t1;
        }
    }
}
