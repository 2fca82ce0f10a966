// Listing a side's moves: the ladder's ratings at each difficulty, then the pairs it never rates.
#include "ai/move_list.h"

#include "ai/choice.h"

namespace {

// Candidates as rateMoves orders them: the side's own colour, then its partner's.
struct Candidate {
    uint8_t colour, token;
};
Candidate candidate(const Position& pos, uint8_t i) {
    return Candidate{static_cast<uint8_t>((pos.core.currentPlayer + 2 * (i / 4)) % 4), static_cast<uint8_t>(i % 4)};
}

// The list being made, with a key for each move: moves with the same key leave the same position
// up to which token of a square moved (the same die, colours and progress).
struct Listing {
    const Position& pos;
    MoveList& out;
    uint32_t keys[MoveListCapacity];
};

uint32_t keyOf(const Position& pos, const Move& m) {
    const auto place = [&pos](uint8_t colour, uint8_t token) {
        return colour == None ? 0xFFFu : uint32_t{colour} << 8 | progressOf(pos, colour, token);
    };
    const uint32_t first = place(m.player, m.token), second = place(m.player2, m.token2);
    const uint32_t tokens = first < second ? first << 12 | second : second << 12 | first;
    return tokens << 3 | dieValue(pos, m.dieIndex);
}

// Adds a move, or folds it into the listed one it equals, keeping the lower rating of each ladder.
void add(Listing& listing, const Move& move, Ladder ladder, int16_t rating) {
    MoveList& out = listing.out;
    const uint32_t key = keyOf(listing.pos, move);
    uint8_t k = 0;
    while (k < out.count && listing.keys[k] != key) ++k;
    if (k == out.count) {
        if (out.count == MoveListCapacity) return;
        listing.keys[out.count] = key;
        out.moves[out.count++] = ListedMove{move, {ScoreNotEvaluated, ScoreNotEvaluated}};
    }
    if (ladder < LadderCount && rating < out.moves[k].rating[ladder]) out.moves[k].rating[ladder] = rating;
}

// Die kind d (0 the final roll, 1 a six) as rateMoves takes them: whether one is left, and its index.
bool dieLeft(const Position& pos, uint8_t d) { return d == 0 ? !lastDieUsed(pos) : sixesRolled(pos) > sixesUsed(pos); }
uint8_t dieIndexOf(const Position& pos, uint8_t d) { return d == 1 ? sixesUsed(pos) : sixesRolled(pos); }

// The moves the ladders rate: each candidate's single or pair for each die, as rateMoves would make it.
void addRatedMoves(Listing& listing, uint8_t candidates) {
    const Position& pos = listing.pos;
    MoveScore scores[LadderCount][16]{};
    BestMove best{};
    for (uint8_t l = 0; l < LadderCount; ++l) rateMoves(pos, static_cast<Ladder>(l), scores[l], best);
    for (uint8_t i = 0; i < candidates; ++i) {
        const Candidate c = candidate(pos, i);
        for (uint8_t d = 0; d < 2; ++d) {
            if (!dieLeft(pos, d)) continue;
            const Move single{dieIndexOf(pos, d), c.colour, c.token, None, None};
            for (uint8_t l = 0; l < LadderCount; ++l) {
                const MoveScore& rated = scores[l][i + 8 * d];
                if (rated.score >= ScoreNotEvaluated) continue;
                Move move = single;
                if (isPairScore(rated.score)) pairPartner(pos, c.colour, c.token, move.player2, move.token2);
                else if (!rated.legal) continue;
                add(listing, move, static_cast<Ladder>(l), rated.score);
            }
            // A legal single is a move, whatever the ladders make of its token.
            if (scores[0][i + 8 * d].legal) add(listing, single, LadderCount, ScoreNotEvaluated);
        }
    }
}

// The pairs no ladder chose: any two of the side's tokens sharing a square.
void addPairs(Listing& listing, uint8_t candidates) {
    const Position& pos = listing.pos;
    for (uint8_t d = 0; d < 2; ++d) {
        if (!dieLeft(pos, d)) continue;
        for (uint8_t i = 0; i < candidates; ++i) {
            const Candidate a = candidate(pos, i);
            for (uint8_t j = static_cast<uint8_t>(i + 1); j < candidates; ++j) {
                const Candidate b = candidate(pos, j);
                if (pos.players[a.colour].slot[a.token] != pos.players[b.colour].slot[b.token]) continue;
                const Move pair{dieIndexOf(pos, d), a.colour, a.token, b.colour, b.token};
                if (moveAllowed(pos, pair)) add(listing, pair, LadderCount, ScoreNotEvaluated);
            }
        }
    }
}

}  // namespace

void listMoves(const Position& pos, MoveList& out) {
    out.count = 0;
    const uint8_t candidates = flag(pos, FlagPartners) ? 8 : 4;
    Listing listing{pos, out, {}};
    addRatedMoves(listing, candidates);
    addPairs(listing, candidates);
}
