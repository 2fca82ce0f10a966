// Computer move evaluation: the score ladder, which is also the legality test of every move.
#include "ai/evaluate.h"

#include "game/game_state.h"
#include "game/rules.h"
#include "game/track.h"

namespace {

bool landsSafe(uint8_t colour, uint32_t progress) {
    return progress >= 44 || isSafeSquare(squareOf(colour, progress));
}

// Score of a six for a token still in the yard.
int16_t entryScore(uint8_t c, uint32_t T) {
    if (entryCaptureChance(c, T)) return 500;
    int32_t inYard = 0, onStart = 0;
    if (flag(FlagPartners)) {
        for (uint8_t t = 0; t < 4; ++t) {
            inYard += progressOf(c, t) == 0;
            onStart += progressOf(c, t) == 1;
        }
    }
    return static_cast<int16_t>(4 * (150 + onStart) - inYard);
}

}  // namespace

uint32_t unplayedDiceTotal() {
    return 6u * (sixesRolled() - sixesUsed()) + (lastDieUsed() ? 0u : lastDie());
}

void evaluateMove(uint8_t c, uint8_t t, uint8_t v, MoveScore& out) {
    TrackView track;
    viewTrack(c, track);
    TokenSight sight{};
    evaluateMove(track, c, t, v, out, sight);
}

void evaluateMove(const TrackView& track, uint8_t c, uint8_t t, uint8_t v, MoveScore& out, TokenSight& sight) {
    out.score = ScoreNotEvaluated;
    out.legal = 0;
    const int32_t p = progressOf(c, t);
    const uint32_t T = unplayedDiceTotal();

    if (p == 0) {
        if (v != 6) {
            out.score = RefuseNeedsSix;
            return;
        }
        out.legal = 1;
        out.score = entryScore(c, T);
        return;
    }

    const BoardSlot& here = slotOf(c, t);
    const uint16_t mine = static_cast<uint16_t>(here.tokenMask & sideMask(c));
    const uint8_t h = v / 2;
    const bool pairDie = v % 2 == 0 && severalTokens(mine);
    if (p + v > 48 && !(pairDie && p + h <= 48)) {
        out.score = RefusePastHome;
        return;
    }

    if (!sight.surveyed) {
        surveyNeighbourhood(track, c, t, sight.around);
        sight.surveyed = true;
    }
    const Neighbourhood& around = sight.around;
    out.legal = nearest(around.foePairsAhead) > v && p + v <= 48;
    const bool normal = flag(FlagNormal);
    const bool evenTotal = T % 2 == 0;

    if (normal) {
        const bool pairLandsOnEnemy = holds(around.foePairsAhead, h) || holds(around.foeSinglesAhead, h) ||
                                      (evenTotal && (holds(around.foePairsAhead, T / 2) ||
                                                     holds(around.foeSinglesAhead, T / 2)));
        if (pairDie && pairLandsOnEnemy && !partnerBlocksPairMove(c, t, v)) {
            out.score = static_cast<int16_t>(200 - p);
            return;
        }
        const bool hitByDie = holds(around.foeSinglesAhead, v);
        if (out.legal && (hitByDie || holds(around.foeSinglesAhead, T))) {
            uint8_t colour = None, token = None;
            if (hitByDie) tokenAhead(around, v, colour, token);
            const int32_t victim = hitByDie ? progressOf(colour, token) : 0;
            out.score = static_cast<int16_t>(400 - victim);
            return;
        }
    }

    if (pairDie && !partnerBlocksPairMove(c, t, v) &&
        (nearest(around.foePairsAheadOrHere) >= h || landsSafe(c, p + h))) {
        out.score = static_cast<int16_t>(1600 - p);
        return;
    }

    if (!out.legal) {
        out.score = p <= 42 ? RefuseBlocked : RefusePastHome;
        return;
    }

    if (normal && nearest(around.friendsAhead) == v) {
        uint8_t colour = None, token = None;
        tokenAhead(around, v, colour, token);
        out.score = static_cast<int16_t>(1800 - progressOf(colour, token));
        return;
    }

    const bool safeHere = isSafeSquare(here.square);
    const bool safeLanding = landsSafe(c, p + v);
    if (nearest(around.foesBehind) <= 6) {
        if (!safeHere && here.count <= 1) out.score = static_cast<int16_t>((safeLanding && !severalTokens(mine) ? 700 : 800) - p);
        else out.score = static_cast<int16_t>(20400 - p);
        return;
    }
    if (nearest(around.foesAheadOrHere) < v && !safeLanding) out.score = static_cast<int16_t>(20200 - p);
    else if (nearest(around.foeSinglesAhead) > v && around.foeSinglesAhead != 0) out.score = static_cast<int16_t>(900 - p);
    else if (!safeHere && here.count == 2) out.score = static_cast<int16_t>(20044 - p);
    else out.score = static_cast<int16_t>(20000 - p);
}

bool partnerBlocksPairMove(uint8_t c, uint8_t t, uint8_t v) {
    if (!flag(FlagPartners)) return false;
    const uint16_t partnerTokens = static_cast<uint16_t>(0xF << (4 * partner(c)));
    if ((slotOf(c, t).tokenMask & partnerTokens) == 0) return false;
    const uint32_t p = progressOf(c, t);
    const uint32_t h = v / 2;
    // The second term is the partner's own progress on the shared square.
    return p + h >= 44 || (p + 22) % 44 + h >= 44;
}

bool entryCaptureChance(uint8_t c, uint32_t T) {
    if (T <= 6) return false;
    const uint32_t start = squareOf(c, 1);
    const uint32_t reach = T - 6;
    const uint16_t others = static_cast<uint16_t>(~sideMask(c));
    bool chance = false;
    for (const BoardSlot& slot : game.board) {
        const uint32_t q = slot.square;
        // Plain comparisons: squares beyond 44, which wrap to 1, are never looked at.
        if (q == None || q <= start || q > start + reach || q > 44 || isSafeSquare(static_cast<int32_t>(q))) continue;
        const uint16_t foes = static_cast<uint16_t>(slot.tokenMask & others);
        if (severalTokens(foes)) return false;
        if (foes != 0 && q - start == reach) chance = true;
    }
    return chance;
}
