// Computer move evaluation: the score ladder, which is also the legality test of every move.
#include "ai/evaluate.h"

#include "game/game_state.h"
#include "game/rules.h"
#include "game/track.h"

namespace {

// What the rungs of the ladder ask about one token and one die.
struct Rung {
    const Position& pos;
    uint8_t c, t, v, h;
    int32_t p;
    uint32_t T;
    bool pairDie;
    const BoardSlot& here;
    uint16_t mine;
};

bool landsSafe(uint8_t colour, uint32_t progress) {
    return progress >= 44 || isSafeSquare(squareOf(colour, progress));
}

// Score of a six for a token still in the yard.
int16_t entryScore(const Position& pos, uint8_t c, uint32_t T) {
    if (entryCaptureChance(pos, c, T)) return 500;
    int32_t inYard = 0, onStart = 0;
    if (flag(pos, FlagPartners)) {
        for (uint8_t t = 0; t < 4; ++t) {
            inYard += progressOf(pos, c, t) == 0;
            onStart += progressOf(pos, c, t) == 1;
        }
    }
    return static_cast<int16_t>(4 * (150 + onStart) - inYard);
}

// The rungs only Normal climbs, above the pair rung: a pair or a single landing on a foe. False
// when none applies.
bool captureRungs(const Rung& r, const Neighbourhood& around, MoveScore& out) {
    const bool evenTotal = r.T % 2 == 0;
    const bool pairLandsOnEnemy = holds(around.foePairsAhead, r.h) || holds(around.foeSinglesAhead, r.h) ||
                                  (evenTotal && (holds(around.foePairsAhead, r.T / 2) ||
                                                 holds(around.foeSinglesAhead, r.T / 2)));
    if (r.pairDie && pairLandsOnEnemy && !partnerBlocksPairMove(r.pos, r.c, r.t, r.v)) {
        out.score = static_cast<int16_t>(200 - r.p);
        return true;
    }
    const bool hitByDie = holds(around.foeSinglesAhead, r.v);
    if (out.legal && (hitByDie || holds(around.foeSinglesAhead, r.T))) {
        uint8_t colour = None, token = None;
        if (hitByDie) tokenAhead(r.pos, around, r.v, colour, token);
        const int32_t victim = hitByDie ? progressOf(r.pos, colour, token) : 0;
        out.score = static_cast<int16_t>(400 - victim);
        return true;
    }
    return false;
}

// The rungs of a legal single move below the pair rung: joining a friend, fleeing a foe behind,
// chasing one ahead, and the plain walks.
int16_t walkRungs(const Rung& r, const Neighbourhood& around, bool normal) {
    if (normal && nearest(around.friendsAhead) == r.v) {
        uint8_t colour = None, token = None;
        tokenAhead(r.pos, around, r.v, colour, token);
        return static_cast<int16_t>(1800 - progressOf(r.pos, colour, token));
    }
    const bool safeHere = isSafeSquare(r.here.square);
    const bool safeLanding = landsSafe(r.c, static_cast<uint32_t>(r.p + r.v));
    if (nearest(around.foesBehind) <= 6) {
        if (!safeHere && r.here.count <= 1)
            return static_cast<int16_t>((safeLanding && !severalTokens(r.mine) ? 700 : 800) - r.p);
        return static_cast<int16_t>(20400 - r.p);
    }
    if (nearest(around.foesAheadOrHere) < r.v && !safeLanding) return static_cast<int16_t>(20200 - r.p);
    if (nearest(around.foeSinglesAhead) > r.v && around.foeSinglesAhead != 0) return static_cast<int16_t>(900 - r.p);
    if (!safeHere && r.here.count == 2) return static_cast<int16_t>(20044 - r.p);
    return static_cast<int16_t>(20000 - r.p);
}

}  // namespace

uint32_t unplayedDiceTotal(const Position& pos) {
    return 6u * (sixesRolled(pos) - sixesUsed(pos)) + (lastDieUsed(pos) ? 0u : lastDie(pos));
}

void evaluateMove(uint8_t c, uint8_t t, uint8_t v, MoveScore& out) {
    TrackView track;
    viewTrack(game, c, track);
    const Rating rating{game, gameLadder(game), track, unplayedDiceTotal(game)};
    TokenSight sight{};
    evaluateMove(rating, c, t, v, out, sight);
}

void evaluateMove(const Rating& rating, uint8_t c, uint8_t t, uint8_t v, MoveScore& out, TokenSight& sight) {
    const Position& pos = rating.pos;
    out.score = ScoreNotEvaluated;
    out.legal = 0;
    const int32_t p = progressOf(pos, c, t);
    const uint32_t T = rating.diceTotal;

    if (p == 0) {
        if (v != 6) {
            out.score = RefuseNeedsSix;
            return;
        }
        out.legal = 1;
        out.score = entryScore(pos, c, T);
        return;
    }

    const BoardSlot& here = slotOf(pos, c, t);
    const uint16_t mine = static_cast<uint16_t>(here.tokenMask & sideMask(pos, c));
    const uint8_t h = v / 2;
    const bool pairDie = v % 2 == 0 && severalTokens(mine);
    if (p + v > ProgressHome && !(pairDie && p + h <= ProgressHome)) {
        out.score = RefusePastHome;
        return;
    }

    if (!sight.surveyed) {
        surveyNeighbourhood(pos, rating.track, c, t, sight.around);
        sight.surveyed = true;
    }
    const Neighbourhood& around = sight.around;
    out.legal = walksFreely(around, static_cast<uint32_t>(p), v);
    const bool normal = rating.ladder == LadderNormal;
    const Rung rung{pos, c, t, v, h, p, T, pairDie, here, mine};
    if (normal && captureRungs(rung, around, out)) return;

    if (pairDie && !partnerBlocksPairMove(pos, c, t, v) &&
        (nearest(around.foePairsAheadOrHere) >= h || landsSafe(c, static_cast<uint32_t>(p + h)))) {
        out.score = static_cast<int16_t>(1600 - p);
        return;
    }
    if (!out.legal) {
        out.score = p <= 42 ? RefuseBlocked : RefusePastHome;
        return;
    }
    out.score = walkRungs(rung, around, normal);
}

bool partnerBlocksPairMove(const Position& pos, uint8_t c, uint8_t t, uint8_t v) {
    if (!flag(pos, FlagPartners)) return false;
    const uint16_t partnerTokens = static_cast<uint16_t>(0xF << (4 * partner(c)));
    if ((slotOf(pos, c, t).tokenMask & partnerTokens) == 0) return false;
    const uint32_t p = progressOf(pos, c, t);
    const uint32_t h = v / 2;
    // The second term is the partner's own progress on the shared square.
    return p + h >= 44 || (p + 22) % 44 + h >= 44;
}

bool entryCaptureChance(const Position& pos, uint8_t c, uint32_t T) {
    if (T <= 6) return false;
    const uint32_t start = squareOf(c, 1);
    const uint32_t reach = T - 6;
    const uint16_t others = static_cast<uint16_t>(~sideMask(pos, c));
    bool chance = false;
    for (const BoardSlot& slot : pos.board) {
        const uint32_t q = slot.square;
        // Plain comparisons: squares beyond 44, which wrap to 1, are never looked at.
        if (q == None || q <= start || q > start + reach || q > 44 || isSafeSquare(static_cast<int32_t>(q))) continue;
        const uint16_t foes = static_cast<uint16_t>(slot.tokenMask & others);
        if (severalTokens(foes)) return false;
        if (foes != 0 && q - start == reach) chance = true;
    }
    return chance;
}
